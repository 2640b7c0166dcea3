#include "platform/Folders.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace solune {

namespace {

void makeFolder(const std::string& path) {
    std::error_code ec;
    if (!path.empty()) {
        fs::create_directory(path, ec);
    }
}

fs::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd* pw = getpwuid(getuid()); pw != nullptr && pw->pw_dir != nullptr) {
        return pw->pw_dir;
    }
    return {};
}

}  // namespace

fs::path ProgramFolder() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return {};
    }
    return exe.parent_path();
}

fs::path UserDataFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
        std::string folder = xdg;
        while (folder.size() > 1 && folder.back() == '/') {
            folder.pop_back();
        }
        return folder;
    }
    return homeFolder() / ".config";
}

void EnsureFolder(const fs::path& path) {
    if (ExistsNoFollow(path)) {
        return;
    }
    std::string text = path.string();
    std::size_t lastSlash = text.rfind('/');
    std::string last = lastSlash == std::string::npos ? text : text.substr(lastSlash + 1);
    if (last.find('.') != std::string::npos) {
        // Taken to be a file name. A bare name without any folder leaves nothing to create.
        text = lastSlash == std::string::npos ? std::string() : text.substr(0, lastSlash);
    }
    for (std::size_t slash = text.find('/'); slash != std::string::npos;
         slash = text.find('/', slash + 1)) {
        std::string prefix = text.substr(0, slash);
        if (!ExistsNoFollow(prefix)) {
            makeFolder(prefix);
        }
    }
    makeFolder(text);
}

void ClearFolder(const fs::path& path) {
    if (!IsRealFolder(path)) {
        return;
    }
    std::error_code ec;
    fs::directory_iterator it(path, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::path entry = it->path();
        if (IsRealFolder(entry)) {
            DeleteFolderTree(entry);
        } else {
            std::error_code removeError;
            fs::remove(entry, removeError);  // a file, or a link itself
        }
    }
}

bool ExistsNoFollow(const fs::path& path) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

bool IsRealFolder(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() == fs::file_type::directory;
}

fs::path ResolveLinks(const fs::path& path) {
    constexpr int kMaxLinks = 40;  // as the system gives up on loops
    fs::path current = path;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec))) {
            return current;
        }
        const fs::path next = fs::read_symlink(current, ec);
        if (ec) {
            return current;
        }
        current = next.is_absolute() ? next : (current.parent_path() / next).lexically_normal();
    }
    return path;
}

void SyncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void DeleteFolderTree(const fs::path& path) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(path, ec))) {
        fs::remove(path, ec);
        return;
    }
    ClearFolder(path);
    fs::remove(path, ec);
}

}  // namespace solune
