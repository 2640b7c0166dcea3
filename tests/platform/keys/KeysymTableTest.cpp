// The keysym to virtual-key table that every key-capture source uses.

#include <X11/XF86keysym.h>
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/keys/KeysymToVirtualKey.h"

namespace solune {
namespace {

TEST(KeysymToVirtualKey, KeysOfEveryGroup) {
    const std::vector<std::pair<std::uint32_t, std::uint32_t>> cases = {
        // letters in either case, digits and their shifted symbols
        {XK_a, 0x41},
        {XK_A, 0x41},
        {XK_z, 0x5A},
        {XK_Z, 0x5A},
        {XK_m, 0x4D},
        {XK_0, 0x30},
        {XK_9, 0x39},
        {XK_exclam, 0x31},
        {XK_parenright, 0x30},
        {XK_at, 0x32},
        {XK_asterisk, 0x38},
        // function keys F1 ... F24
        {XK_F1, 0x70},
        {XK_F12, 0x7B},
        {XK_F13, 0x7C},
        {XK_F24, 0x87},
        // keypad: digits, operators, Enter, and its keys without Num Lock
        {XK_KP_0, 0x60},
        {XK_KP_9, 0x69},
        {XK_KP_Multiply, 0x6A},
        {XK_KP_Add, 0x6B},
        {XK_KP_Separator, 0x6C},
        {XK_KP_Subtract, 0x6D},
        {XK_KP_Decimal, 0x6E},
        {XK_KP_Divide, 0x6F},
        {XK_KP_Enter, 0x0D},
        {XK_KP_Home, 0x24},
        {XK_KP_Up, 0x26},
        {XK_KP_Next, 0x22},
        {XK_KP_Begin, 0x0C},
        {XK_KP_Insert, 0x2D},
        {XK_KP_Delete, 0x2E},
        // left and right modifiers apart
        {XK_Shift_L, 0xA0},
        {XK_Shift_R, 0xA1},
        {XK_Control_L, 0xA2},
        {XK_Control_R, 0xA3},
        {XK_Alt_L, 0xA4},
        {XK_Alt_R, 0xA5},
        {XK_ISO_Level3_Shift, 0xA5},
        {XK_Super_L, 0x5B},
        {XK_Super_R, 0x5C},
        {XK_Menu, 0x5D},
        // arrows, editing, whitespace and lock keys
        {XK_Left, 0x25},
        {XK_Up, 0x26},
        {XK_Right, 0x27},
        {XK_Down, 0x28},
        {XK_BackSpace, 0x08},
        {XK_Tab, 0x09},
        {XK_ISO_Left_Tab, 0x09},
        {XK_Return, 0x0D},
        {XK_Escape, 0x1B},
        {XK_space, 0x20},
        {XK_Prior, 0x21},
        {XK_Next, 0x22},
        {XK_End, 0x23},
        {XK_Home, 0x24},
        {XK_Insert, 0x2D},
        {XK_Delete, 0x2E},
        {XK_Print, 0x2C},
        {XK_Pause, 0x13},
        {XK_Caps_Lock, 0x14},
        {XK_Num_Lock, 0x90},
        {XK_Scroll_Lock, 0x91},
        // OEM keys with their shifted symbols
        {XK_semicolon, 0xBA},
        {XK_colon, 0xBA},
        {XK_equal, 0xBB},
        {XK_plus, 0xBB},
        {XK_comma, 0xBC},
        {XK_minus, 0xBD},
        {XK_underscore, 0xBD},
        {XK_period, 0xBE},
        {XK_slash, 0xBF},
        {XK_question, 0xBF},
        {XK_grave, 0xC0},
        {XK_asciitilde, 0xC0},
        {XK_bracketleft, 0xDB},
        {XK_backslash, 0xDC},
        {XK_bar, 0xDC},
        {XK_bracketright, 0xDD},
        {XK_apostrophe, 0xDE},
        {XK_quotedbl, 0xDE},
        // browser and volume keys
        {XF86XK_Back, 0xA6},
        {XF86XK_Forward, 0xA7},
        {XF86XK_Refresh, 0xA8},
        {XF86XK_AudioLowerVolume, 0xAE},
        {XF86XK_AudioRaiseVolume, 0xAF},
    };
    for (const auto& [keysym, code] : cases) {
        EXPECT_EQ(KeysymToVirtualKey(keysym), code) << std::hex << "keysym 0x" << keysym;
    }
}

TEST(KeysymToVirtualKey, KeysWithoutACodeGiveZero) {
    for (std::uint32_t keysym :
         {0u, static_cast<std::uint32_t>(XK_F25), static_cast<std::uint32_t>(XK_Multi_key),
          static_cast<std::uint32_t>(XK_udiaeresis), static_cast<std::uint32_t>(XK_Cyrillic_a),
          static_cast<std::uint32_t>(XF86XK_PowerOff), 0xFFFFFFFFu}) {
        EXPECT_EQ(KeysymToVirtualKey(keysym), 0u) << std::hex << "keysym 0x" << keysym;
    }
}

TEST(KeysymToVirtualKey, NumLockDecidesOnlyTheKeypadEditingKeys) {
    EXPECT_TRUE(IsNumLockKeypadKeysym(XK_KP_Home));
    EXPECT_TRUE(IsNumLockKeypadKeysym(XK_KP_Delete));
    EXPECT_FALSE(IsNumLockKeypadKeysym(XK_KP_7));
    EXPECT_FALSE(IsNumLockKeypadKeysym(XK_KP_Enter));
    EXPECT_FALSE(IsNumLockKeypadKeysym(XK_Home));
}

}  // namespace
}  // namespace solune
