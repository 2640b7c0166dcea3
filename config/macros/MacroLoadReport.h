#pragma once
// What loading the macro library found, and the one message that tells the
// user about it.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace solune {

// Something in the macro folder that could not be read. It stays where it is
// (a save never removes it); a copy of a damaged file is in the damaged copy.
struct MacroLoadProblem {
    std::filesystem::path path;
    std::string reason;  // lower-case phrase after the file name: "ends early"
};

// A macro whose id another macro, loaded before it, already had.
struct MacroRenumbered {
    std::u16string name;
    std::int32_t oldId = 0;
    std::int32_t newId = 0;
};

struct MacroLoadReport {
    bool indexFound = false;     // false: no "macroList.dat"
    bool indexComplete = false;  // false: the index is damaged; see problems
    int loaded = 0;              // macros appended, listed or found
    int unlisted = 0;            // of them, found in the folder but not in the index
    // Listed files that do not exist. Nothing on disk is at stake, so they
    // are not a problem the user must be told about.
    std::vector<std::filesystem::path> missing;
    std::vector<MacroLoadProblem> problems;
    std::vector<MacroRenumbered> renumbered;
    // Where copies of the damaged index and files were put; empty when none.
    std::filesystem::path damagedCopy;
    // The macro folder, or a folder a save uses beside it, is a symbolic link
    // or not a folder: nothing was read and the library is never saved.
    bool folderRefused = false;

    // True when the user must see LoadProblemMessage before the library may
    // be saved.
    bool NeedsTelling() const {
        return folderRefused || !problems.empty() || !renumbered.empty();
    }
};

// One plain-English message naming every problem, every renumbered macro and
// the damaged copy; empty when there is nothing to tell.
std::string LoadProblemMessage(const MacroLoadReport& report);

}  // namespace solune
