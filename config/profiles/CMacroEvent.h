#pragma once
// One event of a macro: the encoding shared by macro files, profile files and
// the mouse's settings image.

#include <cstdint>

namespace solune {

// Values of CMacroEvent::kind.
enum MacroEventKind : std::uint8_t {
    kMacroKey = 1,           // keyboard key; code is a Windows virtual-key code
    kMacroMouseButton = 16,  // code: 1 left, 2 right, 4 middle, 166 back, 167 forward
    kMacroWheel = 17,        // code: 151 wheel up, 152 wheel down
};

// The program's own wheel codes.
inline constexpr std::int16_t kWheelUpCode = 151;
inline constexpr std::int16_t kWheelDownCode = 152;

// Values of CMacroEvent::edge.
inline constexpr std::uint8_t kEdgePress = 0;
inline constexpr std::uint8_t kEdgeRelease = 1;  // wheel events always carry kEdgePress

struct CMacroEvent {
    std::uint8_t kind = kMacroKey;
    std::int16_t code = 0;
    std::uint8_t edge = kEdgePress;
    std::int32_t delay = 0;  // milliseconds to wait before this event; 0 when none

    bool operator==(const CMacroEvent&) const = default;
};

}  // namespace solune
