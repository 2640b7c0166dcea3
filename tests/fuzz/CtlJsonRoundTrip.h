#pragma once
// What the JSON fuzzers of solune300ctl share: the first input byte picks the
// direction, the rest is the data.
//   even: the rest is JSON text, read as "profile write" / "macro write" read
//         standard input; what they accept must survive the file and a show.
//   odd:  the rest is a file, read as "profile show" / "macro show" read it;
//         what they print must be accepted by write and give the same file.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "config/profiles/DataStream.h"

namespace solune::fuzz {

// The JSON text the way the command line reads standard input: malformed text
// gives a discarded value.
inline nlohmann::json ParseCtlJson(std::string_view text) {
    return nlohmann::json::parse(text, nullptr, /*allow_exceptions=*/false);
}

// Stops the fuzzer when the two written files differ.
inline void RequireSameBytes(const DataStream& a, const DataStream& b) {
    const std::span<const std::uint8_t> x = a.bytes();
    const std::span<const std::uint8_t> y = b.bytes();
    if (x.size() != y.size() || !std::equal(x.begin(), x.end(), y.begin())) {
        std::abort();
    }
}

}  // namespace solune::fuzz
