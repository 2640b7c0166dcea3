#pragma once
// A rectangle in an event list control's client coordinates, as macro files
// store it: four signed 32-bit values left, top, right, bottom.

#include <algorithm>
#include <cstdint>
#include <limits>

namespace solune {

// Rectangles read from files are held to -kMaxMacroCoordinate ...
// kMaxMacroCoordinate (2^24). Then every difference (a height), every row
// position (5 + 18 i for the at most 32,768 rows a file holds) and every
// scroll shift (a difference of two such values added to a third) stays far
// inside the 32-bit range, and so do the drawing offsets of the event list.
inline constexpr std::int32_t kMaxMacroCoordinate = 1 << 24;

struct MacroRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    // bottom - top, computed without overflow and held to the 32-bit range.
    std::int32_t height() const {
        const std::int64_t h = std::int64_t{bottom} - top;
        return static_cast<std::int32_t>(
            std::clamp<std::int64_t>(h, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max()));
    }

    // Each value held to the range above.
    MacroRect Clamped() const {
        const auto c = [](std::int32_t v) {
            return std::clamp(v, -kMaxMacroCoordinate, kMaxMacroCoordinate);
        };
        return MacroRect{c(left), c(top), c(right), c(bottom)};
    }

    bool operator==(const MacroRect&) const = default;
};

}  // namespace solune
