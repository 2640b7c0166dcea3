#pragma once
// The two programs' icons for the desktop's icon theme (hicolor), drawn at each
// usual size in the look of the skins: a dark tile with the mouse seen from
// above, its wheel and logo lit in the accent green; the updater's tile adds an
// accent arrow pointing into the mouse.

#include <QImage>
#include <array>
#include <filesystem>
#include <string>

namespace solune::skinart {

// The sizes in logical pixels that the theme gets, each in "<N>x<N>/apps";
// at scale 2 (a desktop at 200 %) in "<N>x<N>@2/apps", drawn at 2N pixels.
inline constexpr std::array<int, 8> kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};
inline constexpr std::array<int, 2> kIconScales{1, 2};

// The theme's folder of `size` at `scale`: "48x48", "48x48@2".
std::string IconFolder(int size, int scale);

QImage ConfigProgramIcon(int size);
QImage UpdaterProgramIcon(int size);

// Writes "<theme>/<IconFolder>/apps/<name>.png" for both icons at every size
// and scale. On
// failure returns false and says which file in `error`.
bool WriteProgramIcons(const std::filesystem::path& theme, const std::string& configName,
                       const std::string& updaterName, std::string& error);

}  // namespace solune::skinart
