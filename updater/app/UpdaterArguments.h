#pragma once
// W38Updater's command line:
//
//   W38Updater [PACKAGE]
//
// PACKAGE is the folder of the firmware package ("config.ini" and the image it
// names), or any file in that folder (so a file manager can hand over
// "config.ini" itself); a relative path counts from the current folder.
// Without it the package beside the program is used. --help (or -h) prints the
// usage; more than one PACKAGE, an empty one or an unknown option is an error.

#include <filesystem>
#include <string>
#include <vector>

namespace solune {

inline constexpr const char* kUpdaterUsage =
    "Usage: W38Updater [PACKAGE]\n"
    "Install a SOLUNE 300 firmware package: PACKAGE is the package's folder\n"
    "(config.ini and the firmware image it names) or a file in it; without it,\n"
    "the folder of the program itself.\n";

struct UpdaterArguments {
    enum class Action {
        Run,    // open the window on packageFolder
        Help,   // print the usage, exit status 0
        Error,  // print the usage on the error stream, exit status 2
    };
    Action action = Action::Run;
    std::filesystem::path packageFolder;
};

// `arguments` are those after the program's name, the window system's own
// options already taken out; `programFolder` is the default package folder.
UpdaterArguments ParseUpdaterArguments(const std::vector<std::string>& arguments,
                                       const std::filesystem::path& programFolder);

}  // namespace solune
