#pragma once
// The one table from XKB keysyms to Windows virtual-key codes, used by every
// key-capture source (the desktop-wide X11 reader and the in-application
// filter), so a key gets the same code whichever source saw it.
//
// Covered: letters (either case), digits (and their US-layout shifted symbols,
// which name the same key), F1 ... F24, the keypad (digits, operators, Enter,
// and its editing keys with Num Lock off), left and right Shift, Control, Alt
// and Windows keys kept apart, arrows, the editing and lock keys, the OEM
// punctuation keys of a US keyboard (each with its shifted symbol), and the
// browser and volume keys. Keysyms outside the table have no code (0), and
// callers drop them rather than report a key 0.

#include <cstdint>

namespace solune {

// The virtual-key code (1 ... 255) of `keysym`, or 0 when it has none.
std::uint32_t KeysymToVirtualKey(std::uint32_t keysym);

// True for the keypad's editing keysyms (KP_Home ... KP_Delete): what the
// keypad keys give without Num Lock; with Num Lock on, the same keys give the
// keypad digits and the decimal point of their second level.
bool IsNumLockKeypadKeysym(std::uint32_t keysym);

}  // namespace solune
