#include "config/macros/MacroFileName.h"

#include <algorithm>

#include "platform/TextCodec.h"

namespace solune {

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// `text` cut to at most `bytes` bytes at a UTF-8 character boundary.
std::string cutAtCharacter(std::string text, std::size_t bytes) {
    if (text.size() > bytes) {
        std::size_t cut = bytes;
        while (cut > 0 && isContinuationByte(text[cut])) {
            --cut;
        }
        text.resize(cut);
    }
    return text;
}

constexpr std::size_t kExtensionBytes = 6;  // ".macro"

}  // namespace

std::string MacroFileNameFor(const std::string& stem, bool nameIsStem, std::size_t attempt,
                             std::size_t& appendedOnes) {
    appendedOnes = 0;
    const std::size_t room = kMaxFileNameBytes - kExtensionBytes;
    if (attempt == 0) {
        return cutAtCharacter(stem, room) + ".macro";
    }
    if (nameIsStem && stem.size() + attempt <= room) {
        appendedOnes = attempt;
        return stem + std::string(attempt, '1') + ".macro";
    }
    const std::string suffix = "~" + std::to_string(attempt);
    return cutAtCharacter(stem, room - suffix.size()) + suffix + ".macro";
}

std::string MacroFileStem(std::u16string_view name) {
    std::string stem = ToUtf8(name);
    std::replace(stem.begin(), stem.end(), '/', '_');
    std::replace(stem.begin(), stem.end(), '\0', '_');
    if (stem.find_first_not_of('.') == std::string::npos) {
        stem = stem.empty() ? std::string("_") : std::string(stem.size(), '_');
    }
    return cutAtCharacter(std::move(stem), kMaxMacroFileStemBytes);
}

}  // namespace solune
