#pragma once
// The scales the skin pictures are drawn at, and the names of the larger sets:
// beside every picture "NAME.bmp" drawn for one device pixel per logical
// pixel lies "NAME@2x.bmp", the same picture drawn for two (the naming Qt
// uses for high-resolution pictures). Shared by the skin generator, which
// writes the files, and the skin library, which picks them by the screen.

#include <array>
#include <string>
#include <string_view>

namespace solune::layout {

// Every scale a skin folder holds, smallest first; 1 is the set the windows'
// rectangles are written in.
inline constexpr std::array<int, 2> kPictureScales{1, 2};

// The file of `file` ("Main_Normal.bmp") at `scale`: the name itself at 1,
// "Main_Normal@2x.bmp" at 2 (the suffix goes before the extension, or at the
// end of a name without one).
inline std::string ScaledPictureFile(std::string_view file, int scale) {
    if (scale == 1) {
        return std::string(file);
    }
    const std::size_t dot = file.rfind('.');
    const std::size_t at = dot == std::string_view::npos ? file.size() : dot;
    return std::string(file.substr(0, at)) + "@" + std::to_string(scale) + "x" +
           std::string(file.substr(at));
}

// The scale of the set that suits a screen of `devicePixelRatio`: the
// smallest scale at or above it, else the largest.
inline int PictureScaleFor(double devicePixelRatio) {
    for (int scale : kPictureScales) {
        if (devicePixelRatio <= scale + 1e-6) {
            return scale;
        }
    }
    return kPictureScales.back();
}

}  // namespace solune::layout
