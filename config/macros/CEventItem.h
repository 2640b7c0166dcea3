#pragma once
// One row of a macro in the macro library.

#include <cstdint>

#include "config/macros/MacroRect.h"
#include "config/profiles/CMacroEvent.h"

namespace solune {

struct CEventItem {
    // The row's place in the event list control. Rows read from a file keep the
    // stored rectangle until the next layout (CMacro::LayOutRows).
    MacroRect rect;
    // 0 or 1. Editing leaves at most one row selected; operations on "the
    // selected row" take the first selected one.
    std::int32_t selected = 0;
    // Given when the row is made: one more than the largest serial in the macro
    // (compared unsigned). Never renumbered.
    std::uint32_t serial = 0;
    // The event itself, with the meanings of CMacroEvent.
    std::uint8_t kind = kMacroKey;
    std::int16_t code = 0;
    std::uint8_t edge = kEdgePress;
    std::int32_t delay = 0;  // milliseconds before the event

    bool operator==(const CEventItem&) const = default;
};

}  // namespace solune
