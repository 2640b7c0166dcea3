#pragma once
// The sentences the configuration program shows when the profile files, the
// macro library or the mouse let the user down. Each function gives one line;
// the profile set joins the lines of one event into one message box.

#include <filesystem>
#include <string>
#include <vector>

#include "config/macros/MacroLibrary.h"
#include "config/profiles/ProfileFile.h"
#include "platform/FileWriteStatus.h"

namespace solune {

inline constexpr const char* kMouseNotFoundText = "SOLUNE 300 mouse not found";
// A mouse that is present but failed or did not answer during "Apply".
inline constexpr const char* kMouseNoAnswerText =
    "The SOLUNE 300 mouse did not answer; the settings were not written. Try Apply again.";

// "Profile 2 could not be saved: the disk is full."
std::string ProfileSaveFailure(int number, FileWriteStatus status);
// "Profile 2 could not be exported: the folder cannot be written."
std::string ProfileExportFailure(int number, FileWriteStatus status);
// "Profile 2 could not be saved: its unreadable file could not be kept aside
// (the folder cannot be written)."
std::string DamagedCopyFailure(int number, FileWriteStatus status);

// The line for a save of the macro library, empty when there is nothing to
// tell: Failed gives "The macros could not be saved: …". Every result the
// library can give is answered here.
std::string MacroSaveProblem(MacroSaveResult result);

// "Profile 3 was not written to the mouse: its macros hold more than 164
// events."
std::string ProfileNotWritten(int number);

// Why `path` did not give a whole profile ("the file is damaged", "the file
// may not be read", ...), for `result` other than Complete.
std::string ProfileReadReason(ProfileReadResult result, const std::filesystem::path& path);

// "Profile 2 (Default2.profile): the file is not a profile file.": the line
// of profile `number`, whose file `path` gave `result` (not Complete).
std::string UnreadableProfileLine(int number, const std::filesystem::path& path,
                                  ProfileReadResult result);

// The one message at start for the profile files that exist but could not be
// read, one UnreadableProfileLine each.
std::string UnreadableProfilesMessage(const std::vector<std::string>& lines);

// The message for an import of `path` that gave no profile.
std::string ImportFailure(ProfileReadResult result, const std::filesystem::path& path);

// The lines joined by line breaks.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace solune
