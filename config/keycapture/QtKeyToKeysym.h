#pragma once
// The keysym of a Qt key event, for the in-application key source.
//
// On X11 and Wayland a key event carries its XKB keysym (nativeVirtualKey),
// which is used as it is. Elsewhere (the offscreen platform, synthesized
// events) the keysym is worked out from the Qt key: Latin-1 keys are their own
// keysyms, keys with the keypad modifier become keypad keysyms, and the named
// keys go through a small table. Qt does not tell the left and right
// modifiers apart there, so Shift, Control, Alt and Meta count as the left
// ones.

#include <QKeyEvent>
#include <cstdint>

namespace solune {

// The keysym of the Qt key `key` with `modifiers`, or 0 when there is none.
std::uint32_t KeysymOfQtKey(int key, Qt::KeyboardModifiers modifiers);

// The keysym of `event`: its native keysym when `nativeKeysyms` is true and it
// carries one, else KeysymOfQtKey.
std::uint32_t KeysymOfKeyEvent(const QKeyEvent& event, bool nativeKeysyms);

}  // namespace solune
