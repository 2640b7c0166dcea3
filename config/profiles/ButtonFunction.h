#pragma once
// The function codes a button can take, with the menu text the button page
// shows and the two-byte action the mouse's settings image carries.

#include <array>
#include <cstdint>
#include <string_view>

namespace solune {

enum ButtonFunction : std::uint8_t {
    kLeftClick = 0,
    kRightClick = 1,
    kScrollClick = 2,
    kForward = 3,
    kBack = 4,
    kDpiUp = 5,
    kDpiDown = 6,
    kNoFunction = 7,  // no menu item and no action bytes
    kProfileSwitchRoll = 8,
    kProfileSwitchUp = 9,
    kProfileSwitchDown = 10,
    kScrollUp = 11,
    kScrollDown = 12,
    kSingleKey = 13,    // parameter: Windows virtual-key code
    kRecordMacro = 14,  // parameter: macro id
    kDisableButton = 15,
};

inline constexpr int kButtonFunctionCount = 16;

struct ButtonFunctionInfo {
    std::string_view menuText;  // empty: the function has no menu item
    std::uint8_t actionType;
    std::uint8_t actionValue;  // for keys and macros the image fills in its own value
};

// Indexed by ButtonFunction code.
inline constexpr std::array<ButtonFunctionInfo, kButtonFunctionCount> kButtonFunctions{{
    {"Left Click", 0x00, 0x01},
    {"Right Click", 0x00, 0x02},
    {"Scroll Click", 0x00, 0x04},
    {"Forward", 0x00, 0x10},
    {"Back", 0x00, 0x08},
    {"Dpi up", 0x09, 0xF0},
    {"Dpi down", 0x09, 0xF2},
    {"", 0x00, 0x00},
    {"Profile switch roll", 0x08, 0xF1},
    {"Profile switch up", 0x08, 0xF0},
    {"Profile switch down", 0x08, 0xF2},
    {"Scroll up", 0x01, 0x01},
    {"Scroll down", 0x01, 0xFF},
    {"Single key assign...", 0x02, 0x00},
    {"Assign record macro", 0x03, 0x00},
    {"Disable Button", 0xFF, 0x00},
}};

}  // namespace solune
