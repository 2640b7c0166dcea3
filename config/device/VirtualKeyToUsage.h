#pragma once
// Translation of Windows virtual-key codes into USB HID keyboard usages (usage
// page 0x07), as the mouse expects them for key buttons and macro events.

#include <cstdint>

namespace solune {

// The usage of a virtual key; codes without an entry (mouse buttons, the wheel
// codes 151/152, F13 and up, ...) come back unchanged.
std::int16_t VirtualKeyToUsage(std::int16_t code);

}  // namespace solune
