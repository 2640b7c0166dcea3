#pragma once
// The narrow view of the macro library that the button page reads: the rows of
// the macro page's macro-name list, in list order, with the text the list
// shows, and a lookup by id. The main window's macro model implements it;
// tests implement it over a library of their own.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/profiles/ButtonMacro.h"

namespace solune {

struct MacroListRow {
    std::u16string listText;  // as the macro-name list shows it
    std::int32_t id = 0;
};

class MacroDirectory {
  public:
    virtual ~MacroDirectory() = default;

    // The rows of the macro-name list, in the order the list shows them.
    virtual std::vector<MacroListRow> MacroRows() const = 0;
    // A copy of the macro with `id` (name, id, events), or none.
    virtual std::optional<ButtonMacro> MacroById(std::int32_t id) const = 0;
};

}  // namespace solune
