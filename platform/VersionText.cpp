#include "platform/VersionText.h"

namespace solune {

std::string VersionText(std::uint16_t version) {
    const unsigned hundredths = version % 100u;
    std::string text = std::to_string(version / 100u);
    text += '.';
    text += static_cast<char>('0' + hundredths / 10);
    text += static_cast<char>('0' + hundredths % 10);
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

}  // namespace solune
