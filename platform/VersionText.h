#pragma once
// Firmware versions as both programs write and read them: numbers in
// hundredths (108 is "1.08"), always with a point, whatever the user's locale.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace solune {

// Shown where no mouse answered, in place of a version.
inline constexpr char kNoFirmwareText[] = "-.--";

// The version / 100 with two decimals and a point: 108 gives "1.08", 5 "0.05",
// 1000 "10.00". Worked out in whole numbers, not with "%.2f": the C library's
// number format follows the user's locale once a window program has set it,
// which would print "1,08". Every version of 0 ... 655.35 gets the same digits
// as "%.2f" of the single-precision quotient in the C locale.
std::string VersionText(std::uint16_t version);

// Parses a version text of digits, a point and exactly two decimals ("1.08")
// into hundredths. Nothing when the text has another form or exceeds 655.35.
std::optional<std::uint16_t> ParseVersionText(std::string_view text);

}  // namespace solune
