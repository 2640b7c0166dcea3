#include "platform/Windows1252.h"

#include <array>
#include <cstdint>

namespace solune {

namespace {

// The characters of bytes 0x80 ... 0x9F; the rest of the page equals Latin-1.
// The undefined bytes map to the C1 controls of the same value.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodeUnit(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        return static_cast<char>(unit);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == unit) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

bool isHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool isLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

}  // namespace

std::string EncodeWindows1252(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size() && text[i] != u'\0'; ++i) {
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            ++i;  // one character outside the code page
        }
        out += encodeUnit(text[i]);
    }
    return out;
}

std::u16string DecodeWindows1252(std::string_view bytes) {
    std::u16string units;
    units.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        units.push_back((b >= 0x80 && b < 0xA0) ? kHighControls[b - 0x80] : char16_t(b));
    }
    return units;
}

}  // namespace solune
