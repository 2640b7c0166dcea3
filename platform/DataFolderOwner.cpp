#include "platform/DataFolderOwner.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace solune {

namespace {

std::string userName(uid_t uid) {
    if (const passwd* pw = ::getpwuid(uid); pw != nullptr && pw->pw_name != nullptr) {
        return pw->pw_name;
    }
    return std::to_string(uid);
}

// The nearest of `folder` and the folders above it that exists, with its owner.
bool nearestExisting(const fs::path& folder, fs::path& found, uid_t& owner) {
    for (fs::path p = folder; !p.empty(); p = p.parent_path()) {
        struct stat st {};
        if (::stat(p.c_str(), &st) == 0) {
            found = p;
            owner = st.st_uid;
            return true;
        }
        if (p == p.parent_path()) {
            break;
        }
    }
    return false;
}

}  // namespace

std::string DataFolderOwnerProblem(const fs::path& dataFolder, std::string_view program) {
    fs::path found;
    uid_t owner = 0;
    const uid_t self = ::geteuid();
    if (dataFolder.empty() || !nearestExisting(dataFolder, found, owner) || owner == self) {
        return {};
    }
    const bool itself = found == dataFolder;
    if (!itself && owner == 0) {
        return {};
    }
    const std::string prog(program);
    const std::string what = itself ? "the data folder " + dataFolder.string()
                                    : "the folder " + found.string() + ", where the data folder " +
                                          dataFolder.string() + " would be made,";
    return prog + ": " + what + " belongs to user " + userName(owner) + ", not to " +
           userName(self) + "; run " + prog + " as " + userName(owner) + ".";
}

}  // namespace solune
