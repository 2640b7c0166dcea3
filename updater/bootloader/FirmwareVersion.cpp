#include "updater/bootloader/FirmwareVersion.h"

#include <cstdio>

#include "updater/bootloader/UpdateView.h"

namespace solune {

std::string VersionText(std::uint16_t version) {
    // Single precision on purpose: the texts must round the way the program
    // always showed them.
    const float quotient = static_cast<float>(version / 100.0);
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(quotient));
    return text;
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
