#include "config/profiles/set/ProfileFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <system_error>

#include "platform/DataFolderFiles.h"

namespace solune {

namespace fs = std::filesystem;

fs::path DataFolder(const fs::path& userDataFolder) {
    return SoluneDataFolder(userDataFolder);
}

fs::path ProfileFilePath(const fs::path& dataFolder, int number) {
    return dataFolder / "Profiles" / ("Default" + std::to_string(number) + ".profile");
}

namespace {

// The data folder and the path inside it of a working file's path.
fs::path dataFolderOf(const fs::path& workingFile) {
    return workingFile.parent_path().parent_path();
}

fs::path insideDataFolder(const fs::path& workingFile) {
    return workingFile.parent_path().filename() / workingFile.filename();
}

}  // namespace

FileWriteStatus SaveWorkingProfile(const Profile& profile) {
    return SaveProfile(profile, dataFolderOf(profile.filePath), insideDataFolder(profile.filePath));
}

ProfileReadResult LoadWorkingProfile(Profile& profile) {
    return LoadProfile(dataFolderOf(profile.filePath), insideDataFolder(profile.filePath), profile);
}

namespace {

// True when `folder` is a folder of this user's own (not a link) that this
// user may write into.
bool OwnWritableFolder(const fs::path& folder) {
    struct stat st {};
    return ::lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// True when `folder` exists (or can be made) and this user may write into it.
bool UsableFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    return fs::is_directory(folder, error) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

fs::path ExportStartFolder(const fs::path& programFolder, const fs::path& dataFolder) {
    const fs::path beside = programFolder / "Profiles";
    // Nothing is made in a program folder that belongs to someone else, even
    // where this user may write there.
    if (!programFolder.empty() && OwnWritableFolder(programFolder) && UsableFolder(beside)) {
        return beside;
    }
    // Made as the working files' folder is: private, never through a link.
    MakeDataFolders(dataFolder, "Profiles");
    return dataFolder / "Profiles";
}

fs::path ExportTarget(const fs::path& chosen) {
    if (chosen.extension() == ".profile") {
        return chosen;
    }
    fs::path target = chosen;
    target += ".profile";
    return target;
}

}  // namespace solune
