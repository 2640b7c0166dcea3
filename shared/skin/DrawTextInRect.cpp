#include "shared/skin/DrawTextInRect.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace solune {

QColor TextColor(std::uint32_t argb) {
    return QColor((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

QString FitText(const QString& text, const QFont& font, int width) {
    // The widths the controls make room by are whole-pixel advances; a text
    // that fits by that measure is kept whole even where its exact width
    // runs a fraction of a pixel over.
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) <= width) {
        return text;
    }
    return metrics.elidedText(text, Qt::ElideRight, std::max(width, 0));
}

void DrawTextInRect(QPainter& painter, const QString& text, const QColor& color,
                    bool centerHorizontally, bool centerVertically, const QRect& rect,
                    const QFont* font) {
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(color);
    if (font) {
        painter.setFont(*font);
    }
    const QFontMetrics metrics(painter.font());
    const int textWidth = metrics.horizontalAdvance(text);
    const int textHeight = metrics.height();
    int x = rect.left();
    int y = rect.top();
    if (centerHorizontally) {
        x += (rect.width() - textWidth) / 2;
    }
    if (centerVertically) {
        y += (rect.height() - textHeight) / 2;
    }
    painter.setClipping(false);
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
    painter.restore();
}

}  // namespace solune
