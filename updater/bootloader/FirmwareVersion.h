#pragma once
// Firmware versions: numbers in hundredths (108 = 1.08), their texts and their
// comparison.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace solune {

// The version / 100 with two decimals and a point whatever the locale (108
// gives "1.08"; the same text as "%.2f" of the single-precision quotient in
// the C locale).
std::string VersionText(std::uint16_t version);

// Parses a version text of digits, a point and exactly two decimals ("1.08")
// into hundredths. Nothing when the text has another form or exceeds 655.35.
std::optional<std::uint16_t> ParseVersionText(std::string_view text);

// How the package's firmware relates to the mouse's; the numbers are the
// updater's update modes (0 nothing to install, 4 mouse newer, 5 file newer).
enum class VersionOrder : int {
    Equal = 0,
    MouseNewer = 4,
    FileNewer = 5,
};

// Compares the numbers (not the texts).
VersionOrder CompareVersions(std::uint16_t fileVersion, std::uint16_t mouseVersion);

// The screen that shows each outcome: 3 up to date, 4 mouse newer, 5 update offered.
int ScreenForVersionOrder(VersionOrder order);

}  // namespace solune
