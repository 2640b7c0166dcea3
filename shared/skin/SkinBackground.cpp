#include "shared/skin/SkinBackground.h"

#include <QPainter>
#include <QWidget>

#include "shared/skin/LogicalSize.h"

namespace solune {

void SkinBackground::Set(QWidget& widget, const QImage& image) {
    // Held, not copied: a QImage copies its pixels only when one holder
    // changes them, and the background never does.
    m_image = image;
    if (!m_image.isNull()) {
        widget.resize(LogicalSize(m_image));
    }
    widget.update();
}

bool SkinBackground::Paint(QWidget& widget) const {
    if (m_image.isNull()) {
        return false;
    }
    QPainter painter(&widget);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(widget.rect(), m_image);
    return true;
}

}  // namespace solune
