#pragma once
// The short English name the program shows for a virtual-key code: in the
// button page's selectors, the key-capture pop-up and the macro event list.

#include <cstdint>
#include <string>

namespace solune {

// The name of `code`; an empty string for a code without an entry (0, the
// generic Shift/Control/Alt codes 0x10 ... 0x12, every code above 255, ...).
// Some names end in a blank ("UP ARROW ", "Volume Up "), kept as they are.
std::string KeyName(std::uint32_t code);

}  // namespace solune
