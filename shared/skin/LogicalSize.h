#pragma once
// The size a skin picture covers on a window: its pixel size divided by its
// device pixel ratio. A picture of the 2x set has twice the pixels of the
// ordinary one and covers the same logical rectangle, so controls lay out
// and hit-test by this size, never by the pixel count.

#include <QImage>
#include <QRect>
#include <QSize>

namespace solune {

inline QSize LogicalSize(const QImage& picture) {
    return picture.deviceIndependentSize().toSize();
}

inline QRect LogicalRect(const QImage& picture) {
    return QRect(QPoint(0, 0), LogicalSize(picture));
}

// `logical`, a rectangle in `picture`'s logical coordinates, in its pixels.
inline QRect PixelRect(const QImage& picture, const QRect& logical) {
    const qreal ratio = picture.devicePixelRatio();
    return QRectF(logical.x() * ratio, logical.y() * ratio, logical.width() * ratio,
                  logical.height() * ratio)
        .toRect();
}

}  // namespace solune
