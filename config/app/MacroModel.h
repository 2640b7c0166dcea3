#pragma once
// The macro side of the main window's model, beside the profile set: the
// macro library of the data folder, the recorder that fills its current
// macro, and the macros as the button page's menus list them. It never calls
// a window; the main window loads and saves it, the macro page shows and
// edits the library and drives the recorder.
//
// The button page's rows are the library's macros in library order, which is
// the order of the macro-name list, each with its list text (CMacro::listText).

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "config/macros/MacroLibrary.h"
#include "config/macros/MacroRecorder.h"
#include "config/pages/MacroDirectory.h"

namespace solune {

// Writes the library into its folder; tests pass one that records the call.
using MacroLibrarySave = std::function<MacroSaveResult(MacroLibrary& library)>;

class MacroModel final : public MacroDirectory {
  public:
    // The library of `folder`, not read yet. `save` does Save's work
    // (empty: MacroLibrary::SaveAllMacros).
    explicit MacroModel(std::filesystem::path folder, MacroLibrarySave save = {});

    MacroModel(const MacroModel&) = delete;
    MacroModel& operator=(const MacroModel&) = delete;

    // Reads the folder (MacroLibrary::LoadAllMacros). What could not be read
    // stays in the library's report until someone tells the user.
    MacroLoadReport Load();
    // Writes the library into its folder: at Apply and when the program ends.
    MacroSaveResult Save();

    MacroLibrary& library() { return m_library; }
    const MacroLibrary& library() const { return m_library; }
    MacroRecorder& recorder() { return m_recorder; }

    std::vector<MacroListRow> MacroRows() const override;
    std::optional<ButtonMacro> MacroById(std::int32_t id) const override;

  private:
    MacroLibrary m_library;
    MacroRecorder m_recorder;  // borrows m_library
    MacroLibrarySave m_save;
};

}  // namespace solune
