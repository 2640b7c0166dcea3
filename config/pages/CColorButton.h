#pragma once
// One swatch of the colour panel: its colour and its hit rectangle in the
// panel's client coordinates (left, top, right, bottom; right and bottom
// exclusive).

#include <cstdint>

namespace solune {

struct CColorButton {
    std::uint32_t color = 0;  // 0x00BBGGRR
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

}  // namespace solune
