#pragma once
// The macro library: every macro the user has recorded, the folder it is kept
// in and the macro being edited. The event list control owns one; it has no
// window of its own, so tests and the command line use it directly.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "config/macros/CMacro.h"
#include "config/macros/MacroOwner.h"
#include "config/profiles/ButtonMacro.h"

namespace solune {

// The macro folder under the user's data folder.
std::filesystem::path DefaultMacroFolder();

// Writes one whole file (WriteFileAtomically by default; tests pass a writer
// that fails or looks at the disk part-way through a save).
using MacroFileWriter =
    std::function<bool(const std::filesystem::path&, std::span<const std::uint8_t>)>;

// What LoadAllMacros found.
struct MacroLoadReport {
    bool indexFound = false;     // false: no "macroList.dat", the library is unchanged
    bool indexComplete = false;  // false: the index ended early; the paths read whole were used
    int loaded = 0;              // macros appended
    // Listed files that were skipped: missing, unreadable, larger than
    // kMaxMacroFileBytes or ending before their data. A partial macro is never
    // kept, since the next save would write it back as if it were whole.
    std::vector<std::filesystem::path> skipped;
};

enum class MacroSaveResult {
    Saved,     // the folder holds exactly the library
    NoFolder,  // the folder path is shorter than 4 characters: nothing done
    Failed,    // a file could not be written: the folder holds the old library
};

class MacroLibrary {
  public:
    // `owner` receives the notifications of the library's macros (borrowed for
    // the library's life; may be null). `writer` writes each file of a save.
    explicit MacroLibrary(MacroOwner* owner = nullptr, MacroFileWriter writer = {});

    MacroLibrary(const MacroLibrary&) = delete;
    MacroLibrary& operator=(const MacroLibrary&) = delete;

    void SetMacroFolder(std::filesystem::path folder) { m_folder = std::move(folder); }
    const std::filesystem::path& macroFolder() const { return m_folder; }

    // Empties the current macro's rows, then appends one macro per file that
    // "macroList.dat" lists, in its order. Each listed path is looked up by its
    // file name inside the macro folder: a path elsewhere is never read, and
    // a library whose folder moved still loads. A file listed more than once
    // is loaded at its first place only.
    MacroLoadReport LoadAllMacros();

    // Replaces the folder's contents with the library: one ".macro" file per
    // macro under MacroFileStem of its name and "macroList.dat" listing their
    // full paths. A file name already taken in this save gets "1" appended,
    // and so does the macro's name when the name is its own file name (equal
    // names X, X are saved as X and X1 and the second macro is renamed X1).
    // The swap to the new contents happens in one step (StagedFolder); on
    // failure the folder and every macro name stay as they were.
    MacroSaveResult SaveAllMacros();

    // A new copy of the first macro with this id, or none.
    std::optional<ButtonMacro> MacroById(std::int32_t id) const;

    // Makes the first macro with this id current; when there is none, first
    // appends a new one (no rows, the given name and the control's client
    // rectangle). Returns the current macro.
    CMacro& SelectOrCreateMacro(std::int32_t id, std::u16string name, MacroRect clientRect);

    // Removes and destroys the first macro with this id; when it was current,
    // no macro is current afterwards. False when no macro has the id.
    bool DeleteMacro(std::int32_t id);

    // Appends a macro (taking ownership) as loading does; its owner becomes
    // this library's owner. Returns it.
    CMacro& AppendMacro(std::unique_ptr<CMacro> macro);

    // The macro being edited, or null. Points into the library; valid until
    // that macro is deleted.
    CMacro* currentMacro() const { return m_current; }

    const std::vector<std::unique_ptr<CMacro>>& macros() const { return m_macros; }

  private:
    CMacro* findById(std::int32_t id) const;

    MacroOwner* m_owner;
    MacroFileWriter m_writer;
    std::filesystem::path m_folder;
    std::vector<std::unique_ptr<CMacro>> m_macros;
    CMacro* m_current = nullptr;
};

}  // namespace solune
