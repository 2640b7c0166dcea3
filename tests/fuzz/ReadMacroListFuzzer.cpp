// Feeds arbitrary bytes to the "macroList.dat" reader: it must never read past
// the data, and the paths it accepts must survive a write and a second read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "config/macros/MacroFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    solune::DataStream input(std::span<const std::uint8_t>(data, size));
    std::vector<std::u16string> paths;
    if (!solune::ReadMacroList(input, paths)) {
        return 0;
    }
    solune::DataStream written;
    solune::WriteMacroList(written, paths);
    solune::DataStream again(written.bytes());
    std::vector<std::u16string> reread;
    if (!solune::ReadMacroList(again, reread) || reread != paths) {
        std::abort();
    }
    return 0;
}
