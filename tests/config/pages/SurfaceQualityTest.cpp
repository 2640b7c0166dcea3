// The quality class of the surface analysis byte, at every class boundary.

#include <gtest/gtest.h>

#include "config/pages/SurfaceQuality.h"

namespace solune {
namespace {

TEST(SurfaceQuality, ClassBoundaries) {
    const struct {
        int measure;
        int quality;
    } cases[] = {{0, 0},  {1, 0},  {2, 1},  {10, 1}, {11, 2},  {15, 2},   {16, 3},  {20, 3},
                 {21, 4}, {25, 4}, {26, 5}, {30, 5}, {31, 6},  {35, 6},   {36, 7},  {40, 7},
                 {41, 8}, {45, 8}, {46, 9}, {50, 9}, {51, 10}, {128, 10}, {255, 10}};
    for (const auto& c : cases) {
        EXPECT_EQ(SurfaceQualityClass(static_cast<std::uint8_t>(c.measure)), c.quality)
            << c.measure;
    }
}

}  // namespace
}  // namespace solune
