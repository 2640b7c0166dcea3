#pragma once
// A program run by one user (often root, through sudo) with the data folder
// of another would leave files there that the owner can no longer use, and
// could be led by links of the owner's into files of its own. The programs
// check the data folder's owner before they touch it and refuse to start.

#include <filesystem>
#include <string>
#include <string_view>

namespace solune {

// The one line (no line end) that `program` prints before it ends when
// `dataFolder` belongs to another user than the running one (the effective
// user id), for example
//   "VESK: the data folder /home/u/.config/Dravik/SOLUNE300 belongs to user u,
//    not to root; run VESK as u."
// When the data folder does not exist yet, the nearest folder above it that
// exists is looked at instead (it is where the data folder would be made); a
// folder of root there is passed over, since nothing can be made in it anyway.
// Links that lead to the folder are followed. Empty when the program may go on.
std::string DataFolderOwnerProblem(const std::filesystem::path& dataFolder,
                                   std::string_view program);

}  // namespace solune
