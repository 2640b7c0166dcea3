#include "config/macros/DamagedCopy.h"

#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "config/macros/MacroFolderFiles.h"

namespace solune {

namespace {

constexpr int kMaxAttempts = 1000;

std::string dateText(std::time_t now) {
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", &local);
    return text;
}

}  // namespace

std::filesystem::path MakeDamagedCopyFolder(const std::filesystem::path& folder, std::time_t now) {
    if (folder.has_parent_path() && !MakePrivateFolder(folder.parent_path())) {
        return {};
    }
    const std::string base = folder.string() + ".damaged-" + dateText(now);
    for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
        const std::string name = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        if (::mkdir(name.c_str(), 0700) == 0) {
            return name;
        }
        if (errno != EEXIST) {
            return {};
        }
    }
    return {};
}

}  // namespace solune
