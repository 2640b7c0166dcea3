#pragma once
// Keeping a profile file that could not be read before it is overwritten:
// the next save would replace the user's only copy with defaults.
//
// The copy lies beside the file as "<name>.damaged" ("Default2.profile.damaged").
// An earlier copy is never replaced: when that name is taken the copy becomes
// "<name>.damaged1", then "<name>.damaged2", and so on.

#include <filesystem>

#include "platform/FileWriteStatus.h"

namespace solune {

// The name of copy `index` of `file`: index 0 "<name>.damaged", index n
// "<name>.damaged<n>".
std::filesystem::path DamagedCopyPath(const std::filesystem::path& file, int index);

// Keeps `file` under the first free DamagedCopyPath. The file itself stays
// where it is (it is linked, or copied where links are not possible), so the
// save that follows replaces it in one step. Written when the copy exists;
// also when `file` is gone by now or is no file at all (a folder, which no
// save replaces): nothing is there to keep.
FileWriteStatus KeepDamagedCopy(const std::filesystem::path& file);

}  // namespace solune
