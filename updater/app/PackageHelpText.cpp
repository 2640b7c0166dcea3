#include "updater/app/PackageHelpText.h"

namespace solune {

std::string PackageHelpText(const std::filesystem::path& folder) {
    return "No complete firmware package was found in " + folder.string() +
           ".\nCopy a complete package into that folder, or give the folder that holds one: "
           "start \"W38Updater FOLDER\", or drop the folder on the updater's launcher.";
}

}  // namespace solune
