#include "updater/bootloader/FirmwareVersion.h"

#include "updater/bootloader/UpdateView.h"

namespace solune {

std::string VersionText(std::uint16_t version) {
    // Whole numbers, not "%.2f": the C library's number format follows the
    // user's locale once a window program has set it, which would print "1,08".
    // Every version of 0 ... 655.35 prints the same digits either way (the
    // single-precision quotient is far closer than half a hundredth).
    const unsigned hundredths = version % 100;
    return std::to_string(version / 100) + (hundredths < 10 ? ".0" : ".") +
           std::to_string(hundredths);
}

std::optional<std::uint16_t> ParseVersionText(std::string_view text) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0 || point > 3 || text.size() != point + 3) {
        return std::nullopt;
    }
    unsigned value = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == point) {
            continue;
        }
        if (text[i] < '0' || text[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
    }
    if (value > 0xFFFF) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

VersionOrder CompareVersions(std::uint16_t fileVersion, std::uint16_t mouseVersion) {
    if (fileVersion == mouseVersion) {
        return VersionOrder::Equal;
    }
    return fileVersion < mouseVersion ? VersionOrder::MouseNewer : VersionOrder::FileNewer;
}

int ScreenForVersionOrder(VersionOrder order) {
    switch (order) {
        case VersionOrder::Equal:
            return kScreenUpToDate;
        case VersionOrder::MouseNewer:
            return kScreenFirmwareNewer;
        case VersionOrder::FileNewer:
            return kScreenUpdateFirmware;
    }
    return kScreenUpToDate;
}

}  // namespace solune
