#include "config/keycapture/QtKeyToKeysym.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <array>

namespace solune {
namespace {

struct QtKeysym {
    int key;
    std::uint32_t keysym;
};

// The named Qt keys and their keysyms.
constexpr auto kNamedKeys = std::to_array<QtKeysym>({
    {Qt::Key_Backspace, XK_BackSpace},
    {Qt::Key_Tab, XK_Tab},
    {Qt::Key_Backtab, XK_ISO_Left_Tab},
    {Qt::Key_Clear, XK_Clear},
    {Qt::Key_Return, XK_Return},
    {Qt::Key_Pause, XK_Pause},
    {Qt::Key_ScrollLock, XK_Scroll_Lock},
    {Qt::Key_SysReq, XK_Sys_Req},
    {Qt::Key_Escape, XK_Escape},
    {Qt::Key_Home, XK_Home},
    {Qt::Key_Left, XK_Left},
    {Qt::Key_Up, XK_Up},
    {Qt::Key_Right, XK_Right},
    {Qt::Key_Down, XK_Down},
    {Qt::Key_PageUp, XK_Prior},
    {Qt::Key_PageDown, XK_Next},
    {Qt::Key_End, XK_End},
    {Qt::Key_Select, XK_Select},
    {Qt::Key_Print, XK_Print},
    {Qt::Key_Execute, XK_Execute},
    {Qt::Key_Insert, XK_Insert},
    {Qt::Key_Menu, XK_Menu},
    {Qt::Key_Help, XK_Help},
    {Qt::Key_NumLock, XK_Num_Lock},
    {Qt::Key_Enter, XK_KP_Enter},
    {Qt::Key_Shift, XK_Shift_L},
    {Qt::Key_Control, XK_Control_L},
    {Qt::Key_CapsLock, XK_Caps_Lock},
    {Qt::Key_Meta, XK_Super_L},
    {Qt::Key_Alt, XK_Alt_L},
    {Qt::Key_AltGr, XK_ISO_Level3_Shift},
    {Qt::Key_Super_L, XK_Super_L},
    {Qt::Key_Super_R, XK_Super_R},
    {Qt::Key_Delete, XK_Delete},
    {Qt::Key_Back, XF86XK_Back},
    {Qt::Key_Forward, XF86XK_Forward},
    {Qt::Key_Refresh, XF86XK_Refresh},
    {Qt::Key_Stop, XF86XK_Stop},
    {Qt::Key_Search, XF86XK_Search},
    {Qt::Key_Favorites, XF86XK_Favorites},
    {Qt::Key_HomePage, XF86XK_HomePage},
    {Qt::Key_VolumeMute, XF86XK_AudioMute},
    {Qt::Key_VolumeDown, XF86XK_AudioLowerVolume},
    {Qt::Key_VolumeUp, XF86XK_AudioRaiseVolume},
    {Qt::Key_MediaNext, XF86XK_AudioNext},
    {Qt::Key_MediaPrevious, XF86XK_AudioPrev},
    {Qt::Key_MediaStop, XF86XK_AudioStop},
    {Qt::Key_MediaPlay, XF86XK_AudioPlay},
    {Qt::Key_LaunchMail, XF86XK_Mail},
});

// The keypad keysyms of the Qt keys that the keypad sends.
constexpr auto kKeypadKeys = std::to_array<QtKeysym>({
    {Qt::Key_Asterisk, XK_KP_Multiply},
    {Qt::Key_Plus, XK_KP_Add},
    {Qt::Key_Comma, XK_KP_Separator},
    {Qt::Key_Minus, XK_KP_Subtract},
    {Qt::Key_Period, XK_KP_Decimal},
    {Qt::Key_Slash, XK_KP_Divide},
    {Qt::Key_Enter, XK_KP_Enter},
    {Qt::Key_Home, XK_KP_Home},
    {Qt::Key_Left, XK_KP_Left},
    {Qt::Key_Up, XK_KP_Up},
    {Qt::Key_Right, XK_KP_Right},
    {Qt::Key_Down, XK_KP_Down},
    {Qt::Key_PageUp, XK_KP_Prior},
    {Qt::Key_PageDown, XK_KP_Next},
    {Qt::Key_End, XK_KP_End},
    {Qt::Key_Clear, XK_KP_Begin},
    {Qt::Key_Insert, XK_KP_Insert},
    {Qt::Key_Delete, XK_KP_Delete},
});

template <std::size_t N>
std::uint32_t Find(const std::array<QtKeysym, N>& table, int key) {
    for (const QtKeysym& entry : table) {
        if (entry.key == key) {
            return entry.keysym;
        }
    }
    return 0;
}

}  // namespace

std::uint32_t KeysymOfQtKey(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            return XK_KP_0 + static_cast<std::uint32_t>(key - Qt::Key_0);
        }
        if (const std::uint32_t keysym = Find(kKeypadKeys, key)) {
            return keysym;
        }
    }
    if (key >= Qt::Key_Space && key <= Qt::Key_ydiaeresis) {
        return static_cast<std::uint32_t>(key);  // Latin-1 keys are their own keysyms
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35) {
        return XK_F1 + static_cast<std::uint32_t>(key - Qt::Key_F1);
    }
    return Find(kNamedKeys, key);
}

std::uint32_t KeysymOfKeyEvent(const QKeyEvent& event, bool nativeKeysyms) {
    if (nativeKeysyms && event.nativeVirtualKey() != 0) {
        return event.nativeVirtualKey();
    }
    return KeysymOfQtKey(event.key(), event.modifiers());
}

}  // namespace solune
