#pragma once
// The lighting preview's geometry: the size of "Mouse.png" (the lighting page
// makes the preview 205 × 212 pixels) and the two light zones that the
// preview fills with the zone colours before it draws the picture over them.
// The picture is transparent where a zone should show.

#include "shared/layout/ControlLayout.h"

namespace solune::layout {

inline constexpr PictureSize kMousePictureSize{205, 212};

// Scroll wheel: left 89, top 5, right 114, bottom 23.
inline constexpr ControlRect kScrollWheelZone = FromEdges(89, 5, 114, 23);
// Logo: left 81, top 105, right 1108, bottom 142. The right edge lies far
// beyond the preview, so the fill reaches the preview's right edge.
inline constexpr ControlRect kLogoZone = FromEdges(81, 105, 1108, 142);

// The part of a zone that lies on the picture.
constexpr ControlRect VisiblePart(const ControlRect& zone) {
    const int right =
        zone.right() < kMousePictureSize.width ? zone.right() : kMousePictureSize.width;
    const int bottom =
        zone.bottom() < kMousePictureSize.height ? zone.bottom() : kMousePictureSize.height;
    return FromEdges(zone.x, zone.y, right, bottom);
}

}  // namespace solune::layout
