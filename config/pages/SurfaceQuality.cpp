#include "config/pages/SurfaceQuality.h"

#include <array>

namespace solune {
namespace {

// The highest analysis byte of classes 0 … 9; above the last, class 10.
constexpr std::array<int, kQualityClassCount - 1> kClassTop = {1,  10, 15, 20, 25,
                                                               30, 35, 40, 45, 50};

}  // namespace

int SurfaceQualityClass(std::uint8_t measure) {
    for (int c = 0; c < static_cast<int>(kClassTop.size()); ++c) {
        if (measure <= kClassTop[c]) {
            return c;
        }
    }
    return kQualityClassCount - 1;
}

}  // namespace solune
