#pragma once
// The folder beside the macro folder that keeps copies of files a load could
// not read, so that nothing the user had is lost to a later save.

#include <ctime>
#include <filesystem>

namespace solune {

// Creates "<folder>.damaged-YYYY-MM-DD-hhmmss" (local time of `now`, mode
// 0700) beside `folder`; when that name is taken, "-2", "-3" ... is appended,
// so an earlier copy is never overwritten. Empty when none could be made.
std::filesystem::path MakeDamagedCopyFolder(const std::filesystem::path& folder, std::time_t now);

}  // namespace solune
