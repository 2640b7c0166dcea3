#include "config/macros/MacroFileName.h"

#include <algorithm>

#include "platform/TextCodec.h"

namespace solune {

namespace {

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string MacroFileStem(std::u16string_view name) {
    std::string stem = ToUtf8(name);
    std::replace(stem.begin(), stem.end(), '/', '_');
    std::replace(stem.begin(), stem.end(), '\0', '_');
    if (stem.find_first_not_of('.') == std::string::npos) {
        stem = stem.empty() ? std::string("_") : std::string(stem.size(), '_');
    }
    if (stem.size() > kMaxMacroFileStemBytes) {
        std::size_t cut = kMaxMacroFileStemBytes;
        while (cut > 0 && isContinuationByte(stem[cut])) {
            --cut;
        }
        stem.resize(cut);
    }
    return stem;
}

}  // namespace solune
