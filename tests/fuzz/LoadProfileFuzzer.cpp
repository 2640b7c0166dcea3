// Feeds arbitrary bytes to the profile reader: it must never read past the
// data, and whatever it stores must survive a write and a second read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "config/profiles/ProfileFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    solune::DataStream input(std::span<const std::uint8_t>(data, size));
    solune::Profile profile;
    if (solune::ReadProfile(input, profile) != solune::ProfileReadResult::Complete) {
        return 0;
    }
    solune::DataStream written;
    solune::WriteProfile(written, profile);
    solune::DataStream again(written.bytes());
    solune::Profile reread;
    if (solune::ReadProfile(again, reread) != solune::ProfileReadResult::Complete ||
        !(reread == profile)) {
        std::abort();
    }
    return 0;
}
