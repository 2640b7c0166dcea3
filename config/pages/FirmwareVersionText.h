#pragma once
// The firmware version as the support page's "Firm Version" label shows it.
// Qt-free: the main window writes the same text when the mouse arrives.

#include <cstdint>
#include <string>

namespace solune {

// The label's text when there is no mouse.
inline constexpr char kNoFirmwareText[] = "-.--";

// `hundredths` / 100 with two decimals: 121 gives "1.21", 5 "0.05", 1000
// "10.00", 0 (a request that failed) "0.00". Worked out in integers, so the
// text never depends on the locale.
std::string FirmwareVersionText(std::uint16_t hundredths);

}  // namespace solune
