#include "shared/skin/FocusMark.h"

#include <QFocusEvent>
#include <QPainter>

namespace solune {

void FocusMark::OnFocusIn(const QFocusEvent& event) {
    switch (event.reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
            m_shown = true;
            return;
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
            // The focus comes back to where it was: so does the mark.
            return;
        default:
            m_shown = false;
            return;
    }
}

void FocusMark::OnFocusOut(const QFocusEvent& event) {
    if (event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason) {
        m_shown = false;
    }
}

void FocusMark::Draw(QPainter& painter, const QRect& area) const {
    if (!m_shown || area.width() < 2 || area.height() < 2) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor::fromRgba(kAccentArgb), 1));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.restore();
}

}  // namespace solune
