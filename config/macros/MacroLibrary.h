#pragma once
// The macro library: every macro the user has recorded, the folder it is kept
// in and the macro being edited. The configuration program's window keeps one
// in its model and the macro page's lists show it; it has no window of its
// own, so tests and the command line use it directly.
//
// The folder on disk. One ".macro" file per macro and "macroList.dat", the
// index, listing them in library order. A save writes only what changed since
// the load or the last save, in place, in this order:
//   1. the files of macros deleted since then are removed;
//   2. a macro whose file name changes is renamed, first to a free temporary
//      name ending in ".macro", then to its new name (neither rename replaces
//      anything, so two macros may even swap names);
//   3. each changed or new macro file is written to a temporary file (not
//      ending in ".macro") and renamed over its name;
//   4. the folder's entries are flushed, then the index is written the same way
//      when it changed, and the folder's entries are flushed again.
// Every macro lives in exactly one ".macro" file at every instant: a rename
// moves it, a replacement swaps its contents in one step. Loading reads the
// listed files and then every other ".macro" file of the folder, so a crash at
// any point leaves a folder that loads each macro once, in its old or its new
// version; one whose name was changing may come last until the next save.
// Unchanged files are not touched at all, so a save costs what changed.
//
// Nothing is removed that was not read: files that could not be read (too
// large, cut short, links, not regular, another user's) stay where they are
// and their names are never given to another macro. A load that met such
// files, a damaged index or two macros with one id puts copies of the damaged
// files into "<folder>.damaged-<YYYY-MM-DD-hhmmss>" beside the folder and
// refuses to save until the user has been told (LoadProblemMessage, then
// AcknowledgeLoadProblems). When the folder, or "<folder>.saving" or
// "<folder>.previous" beside it, is a symbolic link or the folder is not a
// folder, nothing is read and the library is never saved.
//
// The writer never writes what the reader refuses: an index over
// kMaxMacroListBytes or a macro file over kMaxMacroFileBytes is not saved
// (TooLarge), and CanAddMacro / MacroHasRoomFor let the page refuse the edit
// that would make them so.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "config/macros/CMacro.h"
#include "config/macros/MacroFolderFiles.h"
#include "config/macros/MacroLoadReport.h"
#include "config/macros/MacroOwner.h"
#include "config/profiles/ButtonMacro.h"

namespace solune {

// The macro folder under the user's data folder.
std::filesystem::path DefaultMacroFolder();

// Writes one whole file, replacing a regular file of that name in one step
// (WriteOwnFile by default; tests pass a writer that fails or looks at the
// disk part-way through a save).
using MacroFileWriter =
    std::function<bool(const std::filesystem::path&, std::span<const std::uint8_t>)>;

// Reads one whole file of at most the given size (ReadOwnFile by default).
using MacroFileReader = std::function<OwnFileRead(const std::filesystem::path&, std::size_t,
                                                  std::vector<std::uint8_t>&)>;

// The user's messages when an edit would make a file too large to load.
inline constexpr char kMacroLibraryFullText[] =
    "The macro library is full: delete a macro or choose a shorter name before adding "
    "another one.";
inline constexpr char kMacroFullText[] =
    "The macro is full: delete some of its events before adding more.";

enum class MacroSaveResult {
    Saved,            // the folder holds the library
    NoFolder,         // the folder path is shorter than 4 characters: nothing done
    Failed,           // a file could not be written or moved; the folder still
                      // loads every macro once (some in their new version)
    NotAcknowledged,  // loaded with problems the user has not been told of: nothing done
    Refused,          // the folder (or one beside it) is a link or not a folder: nothing done
    TooLarge,         // the index or a macro file would exceed the reader's limit: nothing done
};

class MacroLibrary {
  public:
    // `owner` receives the notifications of the library's macros (borrowed
    // until SetOwner replaces it; may be null). `writer` and `reader` do the
    // file work of a save and a load.
    explicit MacroLibrary(MacroOwner* owner = nullptr, MacroFileWriter writer = {},
                          MacroFileReader reader = {});
    ~MacroLibrary();

    MacroLibrary(const MacroLibrary&) = delete;
    MacroLibrary& operator=(const MacroLibrary&) = delete;

    // The control that shows the library (the event list) receives the
    // notifications of every macro from now on, those made later included;
    // null: nobody. The control calls it with null before it goes.
    void SetOwner(MacroOwner* owner);
    MacroOwner* owner() const { return m_owner; }

    void SetMacroFolder(std::filesystem::path folder);
    const std::filesystem::path& macroFolder() const { return m_folder; }

    // Empties the current macro's rows, then appends one macro per file that
    // "macroList.dat" lists, in its order, then one per other ".macro" file
    // of the folder, by file name. Each listed path is looked up by its file
    // name inside the macro folder: a path elsewhere is never read, and a
    // library whose folder moved still loads. A file listed more than once is
    // loaded at its first place only. A macro whose id an earlier macro has
    // gets a new one (NewMacroId). A loaded macro's list text is its name.
    // The report is kept (loadReport()).
    MacroLoadReport LoadAllMacros();

    // With false, a load changes nothing on disk: no damaged copy is made and
    // a damaged index stays where it is (for tools that only list). True by
    // default.
    void SetKeepDamagedCopies(bool keep) { m_keepDamaged = keep; }

    const MacroLoadReport& loadReport() const { return m_report; }
    // True while the last load's problems have not been acknowledged.
    bool NeedsAcknowledgement() const { return m_mustTell; }
    // The caller has shown LoadProblemMessage(loadReport()) to the user.
    void AcknowledgeLoadProblems() { m_mustTell = false; }

    // Writes the library into the folder as the header describes. A file
    // name already taken gets "1" appended, and so does the macro's name when
    // the name is its own file name (equal names X, X are saved as X and X1
    // and the second macro is renamed X1); past 255 bytes the file name is
    // cut and numbered instead ("~2") and the name stays. On any result but
    // Saved every macro name stays as it was.
    MacroSaveResult SaveAllMacros();

    // True when a new macro named `name` would still let the index be read
    // back (the index stays within kMaxMacroListBytes).
    bool CanAddMacro(std::u16string_view name) const;

    // A new copy of the first macro with this id, or none.
    std::optional<ButtonMacro> MacroById(std::int32_t id) const;

    // Makes the first macro with this id current; when there is none, first
    // appends a new one (no rows, the given name as its name and list text,
    // and the control's client rectangle). Returns the current macro.
    CMacro& SelectOrCreateMacro(std::int32_t id, std::u16string name, MacroRect clientRect);

    // Removes and destroys the first macro with this id; when it was current,
    // no macro is current afterwards. Its file goes at the next save. False
    // when no macro has the id.
    bool DeleteMacro(std::int32_t id);

    // Appends a macro (taking ownership) as loading does; its owner becomes
    // this library's owner. Returns it.
    CMacro& AppendMacro(std::unique_ptr<CMacro> macro);

    // The macro being edited, or null. Points into the library; valid until
    // that macro is deleted.
    CMacro* currentMacro() const { return m_current; }

    const std::vector<std::unique_ptr<CMacro>>& macros() const { return m_macros; }

  private:
    // A macro's file as it is on disk: its name in the folder and its bytes.
    struct DiskFile {
        std::filesystem::path name;
        std::vector<std::uint8_t> bytes;
    };
    // Where a save puts one macro and the "1"s its name takes.
    struct PlannedFile {
        std::filesystem::path name;
        std::size_t appendedOnes = 0;
    };
    // One entry of the folder that the load could not read and keeps aside.
    struct Damaged {
        std::filesystem::path path;
        bool move = false;  // not a regular file of ours: moved, not copied
    };

    CMacro* findById(std::int32_t id) const;
    std::filesystem::path sibling(const char* suffix) const;

    // Loading (MacroLibraryLoad.cpp).
    bool refuseUnsafeFolder(MacroLoadReport& report);
    void recoverInterruptedSwap();
    void readIndex(MacroLoadReport& report, std::vector<Damaged>& damaged,
                   std::vector<std::u16string>& listed);
    bool loadFile(const std::filesystem::path& name, MacroLoadReport& report,
                  std::vector<Damaged>& damaged);
    void loadListed(const std::vector<std::u16string>& listed, MacroLoadReport& report,
                    std::vector<Damaged>& damaged, std::set<std::filesystem::path>& seen);
    void loadUnlisted(MacroLoadReport& report, std::vector<Damaged>& damaged,
                      std::set<std::filesystem::path>& seen);
    void makeIdsUnique(MacroLoadReport& report);
    void keepDamaged(const std::vector<Damaged>& damaged, MacroLoadReport& report);

    // Saving (MacroLibrarySave.cpp).
    std::vector<PlannedFile> planFiles(const std::u16string* extraName) const;
    bool nameIsFree(const std::string& name, const std::unordered_set<std::string>& planned,
                    const std::unordered_set<std::string>& current) const;
    std::uintmax_t indexBytes(const std::vector<PlannedFile>& plan) const;
    std::vector<std::uint8_t> macroBytes(const CMacro& macro, std::size_t appendedOnes) const;
    bool removeDeletedFiles();
    bool moveRenamedFiles(const std::vector<PlannedFile>& plan);
    bool writeChangedFiles(const std::vector<PlannedFile>& plan,
                           std::vector<std::vector<std::uint8_t>>& bytes);
    bool writeIndex(const std::vector<PlannedFile>& plan);
    void removeLeftovers();

    MacroOwner* m_owner;
    MacroFileWriter m_writer;
    MacroFileReader m_reader;
    std::filesystem::path m_folder;
    std::vector<std::unique_ptr<CMacro>> m_macros;
    CMacro* m_current = nullptr;

    std::unordered_map<const CMacro*, DiskFile> m_disk;
    std::vector<std::filesystem::path> m_deletedFiles;  // removed at the next save
    std::set<std::filesystem::path> m_keptNames;        // ".macro" entries not read
    std::vector<std::uint8_t> m_indexOnDisk;            // empty: write the index
    bool m_indexBlocked = false;                        // a damaged index could not be moved aside
    MacroLoadReport m_report;
    bool m_mustTell = false;
    bool m_keepDamaged = true;
    bool m_refused = false;
};

}  // namespace solune
