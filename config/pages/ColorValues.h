#pragma once
// The lighting page's two ways of writing a colour: the profile's 0x00BBGGRR
// (red in the low byte) and the preview's ARGB 0xAARRGGBB. A colour taken
// from the profile is fully opaque; going back drops the alpha.

#include <cstdint>

namespace solune {

constexpr std::uint32_t ArgbFromColorRef(std::uint32_t colorRef) {
    return 0xFF000000u | ((colorRef & 0xFFu) << 16) | (colorRef & 0xFF00u) |
           ((colorRef >> 16) & 0xFFu);
}

constexpr std::uint32_t ColorRefFromArgb(std::uint32_t argb) {
    return ((argb >> 16) & 0xFFu) | (argb & 0xFF00u) | ((argb & 0xFFu) << 16);
}

constexpr std::uint32_t ArgbFromRgb(int red, int green, int blue) {
    return 0xFF000000u | (static_cast<std::uint32_t>(red & 0xFF) << 16) |
           (static_cast<std::uint32_t>(green & 0xFF) << 8) |
           static_cast<std::uint32_t>(blue & 0xFF);
}

static_assert(ArgbFromColorRef(0x00FFFF00u) == 0xFF00FFFFu);
static_assert(ColorRefFromArgb(0xFF123456u) == 0x00563412u);

}  // namespace solune
