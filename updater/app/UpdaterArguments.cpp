#include "updater/app/UpdaterArguments.h"

#include "platform/ProgramArguments.h"

#include <string_view>
#include <system_error>

namespace solune {

namespace {

std::filesystem::path packageFolderOf(const std::string& argument) {
    std::error_code ec;
    std::filesystem::path path = std::filesystem::absolute(argument, ec);
    if (ec) {
        path = argument;
    }
    if (std::filesystem::is_regular_file(path, ec)) {
        return path.parent_path();
    }
    return path;
}

}  // namespace

UpdaterArguments ParseUpdaterArguments(const std::vector<std::string>& arguments,
                                       const std::filesystem::path& programFolder) {
    UpdaterArguments parsed;
    parsed.packageFolder = programFolder;
    std::vector<std::string> packages;
    for (const std::string& argument : arguments) {
        if (IsUsageOption(argument)) {
            parsed.action = UpdaterArguments::Action::Help;
            return parsed;
        }
        if (argument.empty() || (argument.size() > 1 && argument[0] == '-')) {
            parsed.action = UpdaterArguments::Action::Error;
            return parsed;
        }
        packages.push_back(argument);
    }
    if (packages.size() > 1) {
        parsed.action = UpdaterArguments::Action::Error;
    } else if (packages.size() == 1) {
        parsed.packageFolder = packageFolderOf(packages.front());
    }
    return parsed;
}

}  // namespace solune
