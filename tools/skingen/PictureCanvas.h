#pragma once
// The blank picture every piece of artwork is drawn on, at a scale.
//
// A picture of logical size w × h drawn at scale s holds (w·s) × (h·s) pixels
// and carries s as its device pixel ratio, so a QPainter on it works in the
// logical coordinates of the layout tables and every line, shape and text
// lands on the finer pixel grid: a 1-pixel frame becomes s pixels wide, a
// 12-pixel text is set at 12·s pixels. At scale 1 the picture is an ordinary
// one, pixel for pixel what the artwork has always drawn.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

namespace solune::skinart {

// A picture of `logical` size at `scale`, in `format`, filled with `fill`.
QImage NewPicture(QSize logical, int scale, const QColor& fill,
                  QImage::Format format = QImage::Format_RGB32);

// The whole of `picture` in logical coordinates (its pixel rectangle divided
// by its device pixel ratio).
QRect LogicalRect(const QImage& picture);

}  // namespace solune::skinart
