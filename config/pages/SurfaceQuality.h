#pragma once
// The surface quality class 0 … 10 that the sensor page shows for the
// analysis byte a (0 … 255) the mouse reports: 0 … 1 class 0, 2 … 10 class 1,
// then one class for each five values (11 … 15 class 2, …, 46 … 50 class 9),
// 51 and above class 10.

#include <cstdint>

namespace solune {

inline constexpr int kQualityClassCount = 11;

int SurfaceQualityClass(std::uint8_t measure);

}  // namespace solune
