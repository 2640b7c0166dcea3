#include "platform/TextCodec.h"

#include <cstdint>

namespace solune {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isHigh(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool isLow(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

// Decodes one UTF-8 sequence at `i`; returns false on a malformed, overlong or
// surrogate sequence.
bool decodeUtf8(std::string_view text, std::size_t& i, char32_t& cp) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    std::uint8_t b0 = byte(i);
    int extra = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        cp = b0;
        ++i;
        return true;
    } else if ((b0 & 0xE0) == 0xC0) {
        extra = 1, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, cp = b0 & 0x07, min = 0x10000;
    } else {
        return false;
    }
    if (text.size() - i <= static_cast<std::size_t>(extra)) {
        return false;
    }
    for (int k = 1; k <= extra; ++k) {
        std::uint8_t b = byte(i + k);
        if ((b & 0xC0) != 0x80) {
            return false;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return false;
    }
    i += extra + 1;
    return true;
}

}  // namespace

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t u = text[i];
        if (isHigh(u) && i + 1 < text.size() && isLow(text[i + 1])) {
            appendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (isHigh(u) || isLow(u)) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

bool FromUtf8(std::string_view text, std::u16string& out) {
    std::u16string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        if (!decodeUtf8(text, i, cp)) {
            return false;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            result += static_cast<char16_t>(0xD800 + (cp >> 10));
            result += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            result += static_cast<char16_t>(cp);
        }
    }
    out = std::move(result);
    return true;
}

}  // namespace solune
