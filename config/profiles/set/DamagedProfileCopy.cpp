#include "config/profiles/set/DamagedProfileCopy.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace solune {

namespace fs = std::filesystem;

namespace {

// Enough numbered copies for any user; a folder full of them is a fault of
// its own and is not filled further.
constexpr int kMaxCopies = 1000;

// Copies `file` to `copy` without replacing anything; 0 or the errno.
int CopyWithoutReplacing(const fs::path& file, const fs::path& copy) {
    std::error_code ec;
    fs::copy_file(file, copy, fs::copy_options::none, ec);
    return ec ? ec.value() : 0;
}

// Puts `file` also under `copy`; EEXIST when `copy` is taken.
int KeepUnder(const fs::path& file, const fs::path& copy, bool isLink) {
    // A hard link needs neither read access nor disk space and never replaces
    // `copy` (a symbolic link is linked as the link itself); the file systems
    // that refuse links get a copy instead, but never of what a symbolic link
    // points to, which may be another user's file.
    if (::link(file.c_str(), copy.c_str()) == 0) {
        return 0;
    }
    const int error = errno;
    if (error == EPERM || error == EXDEV || error == ENOTSUP || error == EMLINK) {
        return isLink ? 0 : CopyWithoutReplacing(file, copy);
    }
    return error;
}

}  // namespace

fs::path DamagedCopyPath(const fs::path& file, int index) {
    fs::path copy = file;
    copy += ".damaged";
    if (index > 0) {
        copy += std::to_string(index);
    }
    return copy;
}

FileWriteStatus KeepDamagedCopy(const fs::path& file) {
    std::error_code ec;
    const fs::file_type type = fs::symlink_status(file, ec).type();
    if (type != fs::file_type::regular && type != fs::file_type::symlink) {
        return FileWriteStatus::Written();  // gone, or a folder the save will not replace
    }
    for (int index = 0; index < kMaxCopies; ++index) {
        const int error =
            KeepUnder(file, DamagedCopyPath(file, index), type == fs::file_type::symlink);
        if (error == 0) {
            return FileWriteStatus::Written();
        }
        if (error != EEXIST) {
            return FileWriteStatus::Failed(error);
        }
    }
    return FileWriteStatus::Failed(EEXIST);
}

}  // namespace solune
