#include "shared/layout/SliderMath.h"

#include <cstdint>

namespace solune::layout {

int ThumbOffset(int travel, int value, int minValue, int maxValue) {
    if (maxValue == minValue) {
        return 0;
    }
    const float r = static_cast<float>(static_cast<std::int64_t>(value) - minValue) /
                    static_cast<float>(static_cast<std::int64_t>(maxValue) - minValue);
    const float offset = r * static_cast<float>(travel);
    // Keep the conversion defined for values far outside the bounds.
    if (offset >= 1e9f) {
        return 1000000000;
    }
    if (offset <= -1e9f) {
        return -1000000000;
    }
    return static_cast<int>(offset);
}

int ThumbCenterX(int left, int right, int thumbWidth, int value, int minValue, int maxValue) {
    return left + ThumbOffset(right - thumbWidth - left, value, minValue, maxValue) +
           thumbWidth / 2;
}

int ValueAtPoint(int x, int left, int right, int thumbWidth, int minValue, int maxValue) {
    const int travel = right - thumbWidth - left;
    if (travel <= 0 || maxValue == minValue) {
        return minValue;
    }
    const double exact = static_cast<double>(x - thumbWidth / 2 - left) *
                             static_cast<double>(static_cast<std::int64_t>(maxValue) - minValue) /
                             travel +
                         minValue;
    float v = static_cast<float>(exact);
    // Anything beyond the int range is clamped below anyway.
    if (v > 2e9f) {
        v = 2e9f;
    } else if (v < -2e9f) {
        v = -2e9f;
    }
    int value = static_cast<int>(v);
    if (v - static_cast<float>(value) >= 0.5f) {
        ++value;
    }
    if (value > maxValue) {
        value = maxValue;
    }
    if (value < minValue) {
        value = minValue;
    }
    return value;
}

int SnapToStep(int value, int step) {
    if (step <= 0) {
        return value;
    }
    const int q = value / step;
    const int m = value % step;
    return m > step / 2 ? (q + 1) * step : q * step;
}

}  // namespace solune::layout
