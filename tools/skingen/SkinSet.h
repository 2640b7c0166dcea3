#pragma once
// Every picture of both programs' skin folders, drawn in memory, and the
// writing of them into the folders.

#include <filesystem>
#include <string>
#include <vector>

#include "tools/skingen/ExtraPictures.h"

namespace solune::skinart {

// Every picture of "SOLUNE300_Skins": the 62 slot files, "TQA2-1.bmp" …
// "TQA2-3.bmp" and "0.bmp", "10.bmp" … "100.bmp"; at a `scale` other than 1
// drawn at that scale and named for it ("Main_Normal@2x.bmp", see
// shared/layout/PictureScales.h).
std::vector<NamedPicture> ConfigPictures(int scale = 1);

// The 32 screen pictures of "SOLUNE300Updater_Skins", at `scale` as above.
std::vector<NamedPicture> UpdaterPictures(int scale = 1);

// Writes each picture into `folder` (created when missing) in the format its
// name ends in. Each file is written under a temporary name and renamed into
// place, so an interrupted run never leaves a truncated picture behind. On
// failure returns false and says which file in `error`.
bool WritePictures(const std::vector<NamedPicture>& pictures, const std::filesystem::path& folder,
                   std::string& error);

}  // namespace solune::skinart
