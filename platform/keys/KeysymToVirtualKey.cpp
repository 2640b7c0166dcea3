#include "platform/keys/KeysymToVirtualKey.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <array>

namespace solune {
namespace {

// Keysyms first ... last map to the codes firstCode, firstCode + 1, ...
struct KeysymRange {
    std::uint32_t first;
    std::uint32_t last;
    std::uint8_t firstCode;
};

constexpr KeysymRange Key(std::uint32_t keysym, std::uint8_t code) {
    return {keysym, keysym, code};
}

constexpr auto kKeysyms = std::to_array<KeysymRange>({
    // Letters and digits.
    {XK_A, XK_Z, 0x41},
    {XK_a, XK_z, 0x41},
    {XK_0, XK_9, 0x30},
    // The shifted digits of a US keyboard are the digit keys.
    Key(XK_parenright, 0x30),
    Key(XK_exclam, 0x31),
    Key(XK_at, 0x32),
    Key(XK_numbersign, 0x33),
    Key(XK_dollar, 0x34),
    Key(XK_percent, 0x35),
    Key(XK_asciicircum, 0x36),
    Key(XK_ampersand, 0x37),
    Key(XK_asterisk, 0x38),
    Key(XK_parenleft, 0x39),
    // Function keys.
    {XK_F1, XK_F24, 0x70},
    // Editing, whitespace and lock keys.
    Key(XK_BackSpace, 0x08),
    Key(XK_Tab, 0x09),
    Key(XK_ISO_Left_Tab, 0x09),
    Key(XK_Clear, 0x0C),
    Key(XK_Return, 0x0D),
    Key(XK_Pause, 0x13),
    Key(XK_Caps_Lock, 0x14),
    Key(XK_Escape, 0x1B),
    Key(XK_space, 0x20),
    Key(XK_Prior, 0x21),
    Key(XK_Next, 0x22),
    Key(XK_End, 0x23),
    Key(XK_Home, 0x24),
    {XK_Left, XK_Down, 0x25},  // Left, Up, Right, Down
    Key(XK_Select, 0x29),
    Key(XK_Execute, 0x2B),
    Key(XK_Print, 0x2C),
    Key(XK_Sys_Req, 0x2C),
    Key(XK_Insert, 0x2D),
    Key(XK_Delete, 0x2E),
    Key(XK_Help, 0x2F),
    Key(XK_Num_Lock, 0x90),
    Key(XK_Scroll_Lock, 0x91),
    // Windows and menu keys.
    Key(XK_Super_L, 0x5B),
    Key(XK_Super_R, 0x5C),
    Key(XK_Menu, 0x5D),
    // Keypad.
    {XK_KP_0, XK_KP_9, 0x60},
    Key(XK_KP_Multiply, 0x6A),
    Key(XK_KP_Add, 0x6B),
    Key(XK_KP_Separator, 0x6C),
    Key(XK_KP_Subtract, 0x6D),
    Key(XK_KP_Decimal, 0x6E),
    Key(XK_KP_Divide, 0x6F),
    Key(XK_KP_Enter, 0x0D),
    Key(XK_KP_Home, 0x24),
    {XK_KP_Left, XK_KP_Down, 0x25},
    Key(XK_KP_Prior, 0x21),
    Key(XK_KP_Next, 0x22),
    Key(XK_KP_End, 0x23),
    Key(XK_KP_Begin, 0x0C),
    Key(XK_KP_Insert, 0x2D),
    Key(XK_KP_Delete, 0x2E),
    // Left and right modifiers, kept apart. AltGr is the right Alt key.
    Key(XK_Shift_L, 0xA0),
    Key(XK_Shift_R, 0xA1),
    Key(XK_Control_L, 0xA2),
    Key(XK_Control_R, 0xA3),
    Key(XK_Alt_L, 0xA4),
    Key(XK_Meta_L, 0xA4),
    Key(XK_Alt_R, 0xA5),
    Key(XK_Meta_R, 0xA5),
    Key(XK_ISO_Level3_Shift, 0xA5),
    // Browser and media keys.
    Key(XF86XK_Back, 0xA6),
    Key(XF86XK_Forward, 0xA7),
    Key(XF86XK_Refresh, 0xA8),
    Key(XF86XK_Stop, 0xA9),
    Key(XF86XK_Search, 0xAA),
    Key(XF86XK_Favorites, 0xAB),
    Key(XF86XK_HomePage, 0xAC),
    Key(XF86XK_AudioMute, 0xAD),
    Key(XF86XK_AudioLowerVolume, 0xAE),
    Key(XF86XK_AudioRaiseVolume, 0xAF),
    Key(XF86XK_AudioNext, 0xB0),
    Key(XF86XK_AudioPrev, 0xB1),
    Key(XF86XK_AudioStop, 0xB2),
    Key(XF86XK_AudioPlay, 0xB3),
    Key(XF86XK_Mail, 0xB4),
    // The punctuation keys of a US keyboard, each with its shifted symbol.
    Key(XK_semicolon, 0xBA),
    Key(XK_colon, 0xBA),
    Key(XK_equal, 0xBB),
    Key(XK_plus, 0xBB),
    Key(XK_comma, 0xBC),
    Key(XK_less, 0xBC),
    Key(XK_minus, 0xBD),
    Key(XK_underscore, 0xBD),
    Key(XK_period, 0xBE),
    Key(XK_greater, 0xBE),
    Key(XK_slash, 0xBF),
    Key(XK_question, 0xBF),
    Key(XK_grave, 0xC0),
    Key(XK_asciitilde, 0xC0),
    Key(XK_bracketleft, 0xDB),
    Key(XK_braceleft, 0xDB),
    Key(XK_backslash, 0xDC),
    Key(XK_bar, 0xDC),
    Key(XK_bracketright, 0xDD),
    Key(XK_braceright, 0xDD),
    Key(XK_apostrophe, 0xDE),
    Key(XK_quotedbl, 0xDE),
});

}  // namespace

std::uint32_t KeysymToVirtualKey(std::uint32_t keysym) {
    for (const KeysymRange& range : kKeysyms) {
        if (keysym >= range.first && keysym <= range.last) {
            return range.firstCode + (keysym - range.first);
        }
    }
    return 0;
}

bool IsNumLockKeypadKeysym(std::uint32_t keysym) {
    return keysym >= XK_KP_Home && keysym <= XK_KP_Delete;
}

}  // namespace solune
