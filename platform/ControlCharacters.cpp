#include "platform/ControlCharacters.h"

namespace solune {

namespace {

bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

bool isUsual(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("._-+ ()").find(static_cast<char>(c)) != std::string_view::npos;
}

template <typename Escaped>
std::string escape(std::string_view text, Escaped escaped) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (escaped(byte)) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

std::string EscapeControlCharacters(std::string_view text) {
    return escape(text, isControl);
}

std::string EscapeUnusualCharacters(std::string_view text) {
    return escape(text, [](unsigned char c) { return !isUsual(c); });
}

}  // namespace solune
