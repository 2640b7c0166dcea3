#pragma once
// The text rule shared by all skinned controls.

#include <QColor>
#include <QRect>
#include <QString>
#include <cstdint>

class QFont;
class QPainter;

namespace solune {

// The opaque text colour of an ARGB value: the alpha byte is dropped.
QColor TextColor(std::uint32_t argb);

// `text` as it fits into `width` pixels in `font`: whole when it fits, else
// cut at the end and closed with "…", so that no letter is drawn in part.
QString FitText(const QString& text, const QFont& font, int width);

// Writes `text` in one line with its top-left corner at the rectangle's left
// and top, in `color`, with `font` when given (else the painter's font). When
// centring horizontally the text moves right by (width - text width) / 2, when
// centring vertically down by (height - text height) / 2, both halved with
// truncation toward zero, so text larger than the rectangle moves up or left.
// The text is not clipped to the rectangle.
void DrawTextInRect(QPainter& painter, const QString& text, const QColor& color,
                    bool centerHorizontally, bool centerVertically, const QRect& rect,
                    const QFont* font = nullptr);

}  // namespace solune
