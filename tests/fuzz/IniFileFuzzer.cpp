// Feeds arbitrary bytes to the INI reader (config.ini of a firmware package):
// every value it gives back is UTF-8 of at most the characters asked for.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/IniFile.h"
#include "platform/TextCodec.h"

namespace {

void checkValue(const solune::IniFile& ini, std::string_view section, std::string_view key,
                std::size_t maxChars) {
    const std::string value = ini.Value(section, key, maxChars);
    std::u16string units;
    if (!solune::FromUtf8(value, units)) {
        std::abort();
    }
    std::size_t points = 0;
    for (char c : value) {
        points += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    if (points > maxChars) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    solune::IniFile ini;
    ini.Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    checkValue(ini, "Firmware", "Version", 259);
    checkValue(ini, "Firmware", "Name", 259);
    checkValue(ini, "firmware", "name", 5);
    checkValue(ini, "", "", 259);
    return 0;
}
