#pragma once
// The function of one physical button of the mouse.

#include <cstdint>

namespace solune {

struct ButtonAssignment {
    std::uint8_t button = 0;     // physical button 0 ... 8; also indexes Profile::macros
    std::uint8_t function = 0;   // a ButtonFunction code
    std::int16_t parameter = 0;  // virtual-key code (function 13), macro id (14), else 0
    // The function the button takes back when its macro no longer exists: the
    // button's default function. Neither stored in the file nor sent to the mouse.
    std::uint8_t fallbackFunction = 0;

    bool operator==(const ButtonAssignment&) const = default;
};

}  // namespace solune
