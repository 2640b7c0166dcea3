#include "simulator/VirtualFirmware.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "simulator/VirtualMouse.h"

namespace solune::simulator {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 0;
}

bool isDigit(std::uint8_t c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<std::uint16_t> StatedFirmwareVersion(std::span<const std::uint8_t> image) {
    const std::size_t markerLength = std::strlen(kVersionMarker);
    const auto* marker = reinterpret_cast<const std::uint8_t*>(kVersionMarker);
    auto at = image.begin();
    while ((at = std::search(at, image.end(), marker, marker + markerLength)) != image.end()) {
        const std::size_t start = static_cast<std::size_t>(at - image.begin()) + markerLength;
        // Digits (one to three), a point, two decimals.
        std::size_t digits = 0;
        while (start + digits < image.size() && digits < 4 && isDigit(image[start + digits])) {
            ++digits;
        }
        const std::size_t point = start + digits;
        if (digits >= 1 && digits <= 3 && point + 2 < image.size() && image[point] == '.' &&
            isDigit(image[point + 1]) && isDigit(image[point + 2])) {
            unsigned value = 0;
            for (std::size_t i = start; i <= point + 2; ++i) {
                if (i != point) {
                    value = value * 10 + (image[i] - '0');
                }
            }
            if (value <= 0xFFFF) {
                return static_cast<std::uint16_t>(value);
            }
        }
        ++at;
    }
    return std::nullopt;
}

std::vector<std::uint8_t> MakeVirtualFirmwareImage(std::uint16_t version, std::size_t size) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%u.%02u", kVersionMarker, version / 100u, version % 100u);
    std::vector<std::uint8_t> image(std::max(size, std::strlen(text)));
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>((i * 31 + 7) ^ (i >> 8));
    }
    std::copy(text, text + std::strlen(text), image.begin());
    return image;
}

std::string EncodeHex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(bytes.size() * 2, '0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text[2 * i] = kDigits[bytes[i] >> 4];
        text[2 * i + 1] = kDigits[bytes[i] & 0x0F];
    }
    return text;
}

void DecodeHex(const std::string& text, std::size_t at, std::span<std::uint8_t> out) {
    for (std::size_t i = 0; i < out.size(); ++i) {
        const std::size_t p = at + 2 * i;
        out[i] = p + 1 < text.size()
                     ? static_cast<std::uint8_t>(hexValue(text[p]) << 4 | hexValue(text[p + 1]))
                     : 0;
    }
}

void EnterBootLoaderMode(MouseState& state) {
    state.extra.erase("updater");
    state.extra["bootloader"] = nlohmann::json::object();
    state.mode = MouseMode::BootLoader;
    Replug(state);
}

void InstallBootLoaderImage(MouseState& state) {
    const nlohmann::json& boot = state.extra["bootloader"];
    const std::string hex = boot.value("image", std::string());
    std::vector<std::uint8_t> image(hex.size() / 2);
    DecodeHex(hex, 0, image);
    if (const auto version = StatedFirmwareVersion(image)) {
        state.firmwareVersion = *version;
    }
    state.extra.erase("bootloader");
    state.mode = MouseMode::Normal;
    Replug(state);
}

}  // namespace solune::simulator
