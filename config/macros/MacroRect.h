#pragma once
// A rectangle in an event list control's client coordinates, as macro files
// store it: four signed 32-bit values left, top, right, bottom.

#include <cstdint>

namespace solune {

struct MacroRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t height() const { return bottom - top; }

    bool operator==(const MacroRect&) const = default;
};

}  // namespace solune
