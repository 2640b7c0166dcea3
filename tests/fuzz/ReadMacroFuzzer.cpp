// Feeds arbitrary bytes to the ".macro" reader: it must never read past the
// data, and a macro it accepts must survive a write and a second read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "config/macros/MacroFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    solune::DataStream input(std::span<const std::uint8_t>(data, size));
    solune::CMacro macro;
    if (solune::ReadMacro(input, macro) != solune::MacroFileStatus::Complete) {
        return 0;
    }
    solune::DataStream written;
    solune::WriteMacro(written, macro);
    solune::DataStream again(written.bytes());
    solune::CMacro reread;
    if (solune::ReadMacro(again, reread) != solune::MacroFileStatus::Complete ||
        reread.name != macro.name || reread.id != macro.id || !(reread.rect == macro.rect) ||
        reread.events != macro.events || again.position() != again.size()) {
        std::abort();
    }
    return 0;
}
