#include "shared/skin/CVixProgressCtrl.h"

#include <QPainter>

#include "shared/skin/SliderMath.h"

namespace solune {

CVixProgressCtrl::CVixProgressCtrl(int controlId, QWidget* parent, Variant variant)
    : QWidget(parent), m_controlId(controlId), m_variant(variant) {}

int CVixProgressCtrl::fillSize() const {
    const int length = drawsVertically() ? height() : width();
    return skin::ThumbOffset(length, value, minValue, maxValue);
}

void CVixProgressCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!background.isNull()) {
        painter.drawImage(rect(), background);
    }
    if (fill.isNull()) {
        return;
    }
    const int f = fillSize();
    const QRect cut = drawsVertically() ? QRect(0, 0, width(), f) : QRect(0, 0, f, height());
    if (f <= 0 || !fill.rect().contains(cut)) {
        return;
    }
    const QPoint at = drawsVertically() ? QPoint(0, height() - f) : QPoint(0, 0);
    painter.drawImage(at, fill, cut);
}

}  // namespace solune
