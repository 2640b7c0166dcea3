#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/FolderReplace.h"
#include "platform/Folders.h"

namespace fs = std::filesystem;

namespace solune {

FileWriteStatus WriteFileAtomicallyWithStatus(const fs::path& path,
                                              std::span<const std::uint8_t> bytes) {
    const fs::path target = ResolveLinks(path);
    std::optional<mode_t> keptMode;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode)) {
            return FileWriteStatus::Failed(EISDIR);  // never replace a folder or a device node
        }
        keptMode = old.st_mode & 07777;
    }
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) {
        return FileWriteStatus::Failed(errno);
    }
    const bool ok = ReplaceInFolder(folderFd, target.filename().string(), bytes, 0666, keptMode);
    const int error = errno;
    ::close(folderFd);
    return ok ? FileWriteStatus::Written() : FileWriteStatus::Failed(error);
}

bool WriteFileAtomically(const fs::path& path, std::span<const std::uint8_t> bytes) {
    return WriteFileAtomicallyWithStatus(path, bytes).ok();
}

}  // namespace solune
