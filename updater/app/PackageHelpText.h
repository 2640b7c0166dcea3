#pragma once
// What the updater tells a user whose package was missing or refused: the
// folder it looked in, and the two ways to give it another (the folder as the
// program's argument, or dropped on the updater's launcher, which passes it on).

#include <filesystem>
#include <string>

namespace solune {

// "No complete firmware package was found in <folder>.\n..." — `folder` is the
// package folder the updater read.
std::string PackageHelpText(const std::filesystem::path& folder);

}  // namespace solune
