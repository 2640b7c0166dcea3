#pragma once
// The copy of a macro that a profile keeps for one of its buttons.

#include <cstdint>
#include <string>
#include <vector>

#include "config/profiles/CMacroEvent.h"

namespace solune {

// A profile owns its nine copies; they are replaced as a whole, never shared
// with the macro library.
struct ButtonMacro {
    std::u16string name;
    std::int32_t id = 0;
    std::vector<CMacroEvent> events;

    bool operator==(const ButtonMacro&) const = default;
};

}  // namespace solune
