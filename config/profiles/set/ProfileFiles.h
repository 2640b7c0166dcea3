#pragma once
// Where the configuration program keeps its five profile files, and the names
// that the export and import dialogs start with and write to.

#include <filesystem>
#include <string>

#include "config/profiles/ProfileFile.h"

namespace solune {

inline constexpr int kProfileCount = 5;

// The data folder: UserDataFolder() + "Dravik/SOLUNE300".
std::filesystem::path DataFolder(const std::filesystem::path& userDataFolder);

// Profile `number`'s file (1 … 5): data folder + "Profiles/Default<number>.profile".
std::filesystem::path ProfileFilePath(const std::filesystem::path& dataFolder, int number);

// The working files: `profile` saved to or loaded from its filePath, which
// ProfileFilePath made, through the data folder (the folder above
// "Profiles"), so that no link inside the data folder is followed and only
// the user's own files are used (ProfileFile.h). Results as SaveProfile and
// LoadProfile give them.
FileWriteStatus SaveWorkingProfile(const Profile& profile);
ProfileReadResult LoadWorkingProfile(Profile& profile);

// The folder the export and import dialogs start in: the program folder's
// "Profiles", when the program folder is this user's own and "Profiles"
// exists there and can be written or can be made there; otherwise (an
// installed program, whose folder belongs to the system, or a folder of
// another user's)
// the data folder's "Profiles", made when missing as the working files'
// folder is (0700, never through a link).
std::filesystem::path ExportStartFolder(const std::filesystem::path& programFolder,
                                        const std::filesystem::path& dataFolder);

// The file an export writes for the name the user chose: the name itself when
// its extension is exactly "profile" (case-sensitive), else the name with
// ".profile" added ("mine" -> "mine.profile", "mine.PROFILE" ->
// "mine.PROFILE.profile").
std::filesystem::path ExportTarget(const std::filesystem::path& chosen);

}  // namespace solune
