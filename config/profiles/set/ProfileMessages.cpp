#include "config/profiles/set/ProfileMessages.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "config/device/SettingsImage.h"
#include "platform/FileErrorText.h"

namespace solune {

namespace fs = std::filesystem;

namespace {

std::string WriteReason(FileWriteStatus status) {
    return FileErrorText(status.error, FileAccess::Writing);
}

// The errno that reading `path` meets now: a missing file, a folder, a file
// without read permission; EIO when none of these explains it.
int ReadErrorOf(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec) {
        return ec.value();
    }
    if (fs::is_directory(status)) {
        return EISDIR;
    }
    if (::access(path.c_str(), R_OK) != 0) {
        return errno;
    }
    return EIO;
}

}  // namespace

std::string ProfileSaveFailure(int number, FileWriteStatus status) {
    return "Profile " + std::to_string(number) + " could not be saved: " + WriteReason(status) +
           ".";
}

std::string ProfileExportFailure(int number, FileWriteStatus status) {
    return "Profile " + std::to_string(number) + " could not be exported: " + WriteReason(status) +
           ".";
}

std::string DamagedCopyFailure(int number, FileWriteStatus status) {
    return "Profile " + std::to_string(number) +
           " could not be saved: its unreadable file could not be kept aside (" +
           WriteReason(status) + ").";
}

std::string MacroSaveProblem(MacroSaveResult result) {
    switch (result) {
        case MacroSaveResult::Saved:
        case MacroSaveResult::NoFolder:  // no library folder at all: nothing to keep
            return {};
        case MacroSaveResult::Failed:
            return "The macros could not be saved: a file in the macro folder could not be "
                   "written. Every macro is still on disk, some as they were at the last save.";
        case MacroSaveResult::NotAcknowledged:
            return "The macros were not saved: some macro files could not be read, and the "
                   "folder is kept as it is until that has been shown.";
        case MacroSaveResult::Refused:
            return "The macros were not saved: the macro folder is a link or not a folder, "
                   "and VESK does not write through it.";
        case MacroSaveResult::TooLarge:
            return "The macros were not saved: the macro library would be larger than VESK "
                   "can read back.";
    }
    return {};
}

std::string ProfileNotWritten(int number) {
    return "Profile " + std::to_string(number) +
           " was not written to the mouse: its macros hold more than " +
           std::to_string(kMaxMacroEventsPerProfile) + " events.";
}

std::string ProfileReadReason(ProfileReadResult result, const fs::path& path) {
    switch (result) {
        case ProfileReadResult::Complete:
            return {};
        case ProfileReadResult::Truncated:
            return "the file is damaged (it ends too early)";
        case ProfileReadResult::Foreign:
            return "the file is not a profile file";
        case ProfileReadResult::TooLarge:
            return "the file is too large for a profile file";
        case ProfileReadResult::Unreadable:
            return FileErrorText(ReadErrorOf(path), FileAccess::Reading);
    }
    return {};
}

std::string UnreadableProfileLine(int number, const fs::path& path, ProfileReadResult result) {
    return "Profile " + std::to_string(number) + " (" + path.filename().string() +
           "): " + ProfileReadReason(result, path) + ".";
}

std::string UnreadableProfilesMessage(const std::vector<std::string>& lines) {
    if (lines.empty()) {
        return {};
    }
    return "These profile files could not be read, so their profiles start with default "
           "settings:\n" +
           JoinLines(lines) +
           "\nBefore such a file is saved over, it is kept beside itself with \".damaged\" "
           "added to its name.";
}

std::string ImportFailure(ProfileReadResult result, const fs::path& path) {
    const std::string name = "\"" + path.filename().string() + "\"";
    switch (result) {
        case ProfileReadResult::Complete:
            return {};
        case ProfileReadResult::Foreign:
            return name + " is not a profile file.";
        case ProfileReadResult::Truncated:
            return name + " is not a complete profile file; nothing was imported.";
        case ProfileReadResult::TooLarge:
            return name + " is too large to be a profile file.";
        case ProfileReadResult::Unreadable:
            return name + " could not be read: " + ProfileReadReason(result, path) + ".";
    }
    return {};
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) {
            text += '\n';
        }
        text += line;
    }
    return text;
}

}  // namespace solune
