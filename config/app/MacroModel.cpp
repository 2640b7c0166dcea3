#include "config/app/MacroModel.h"

#include <utility>

namespace solune {

MacroModel::MacroModel(std::filesystem::path folder, MacroLibrarySave save)
    : m_recorder(m_library), m_save(std::move(save)) {
    m_library.SetMacroFolder(std::move(folder));
}

MacroLoadReport MacroModel::Load() {
    return m_library.LoadAllMacros();
}

MacroSaveResult MacroModel::Save() {
    return m_save ? m_save(m_library) : m_library.SaveAllMacros();
}

std::vector<MacroListRow> MacroModel::MacroRows() const {
    std::vector<MacroListRow> rows;
    for (const auto& macro : m_library.macros()) {
        rows.push_back(MacroListRow{macro->listText, macro->id});
    }
    return rows;
}

std::optional<ButtonMacro> MacroModel::MacroById(std::int32_t id) const {
    return m_library.MacroById(id);
}

}  // namespace solune
