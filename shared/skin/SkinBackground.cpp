#include "shared/skin/SkinBackground.h"

#include <QPainter>
#include <QWidget>

namespace solune {

void SkinBackground::Set(QWidget& widget, const QImage& image) {
    m_image = image.copy();
    if (!m_image.isNull()) {
        widget.resize(m_image.size());
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
