#pragma once
// Helpers shared by the macro tests.

#include <cstdint>
#include <utility>
#include <vector>

#include "config/macros/CMacro.h"
#include "config/macros/MacroOwner.h"

namespace solune::test {

// Records every notification a macro sends.
class RecordingOwner : public MacroOwner {
  public:
    void controlNotify(int code, std::int32_t value) override { calls.emplace_back(code, value); }
    std::vector<std::pair<int, std::int32_t>> calls;
};

// The (code, edge) pairs of a macro's rows, in order.
inline std::vector<std::pair<int, int>> KeysOf(const CMacro& macro) {
    std::vector<std::pair<int, int>> keys;
    for (const CEventItem& row : macro.events) {
        keys.emplace_back(row.code, row.edge);
    }
    return keys;
}

// The index of the only selected row, or -1 when none or several are selected.
inline int OnlySelectedRow(const CMacro& macro) {
    int found = -1;
    for (std::size_t i = 0; i < macro.events.size(); ++i) {
        if (macro.events[i].selected != 0) {
            if (found != -1) {
                return -1;
            }
            found = static_cast<int>(i);
        }
    }
    return found;
}

}  // namespace solune::test
