#include "shared/skin/CVixProgressCtrl.h"

#include <QPainter>

#include "shared/skin/RepaintingField.h"
#include "shared/layout/SliderMath.h"
#include "shared/skin/LogicalSize.h"

namespace solune {

CVixProgressCtrl::CVixProgressCtrl(int controlId, QWidget* parent, Variant variant)
    : QWidget(parent), m_controlId(controlId), m_variant(variant) {}

int CVixProgressCtrl::fillSize() const {
    const int length = drawsVertically() ? height() : width();
    return layout::ThumbOffset(length, m_value, m_minValue, m_maxValue);
}

void CVixProgressCtrl::setBackground(const QImage& picture) {
    SetAndRepaint(*this, m_background, picture);
}

void CVixProgressCtrl::setFill(const QImage& picture) {
    SetAndRepaint(*this, m_fill, picture);
}

void CVixProgressCtrl::setMinValue(int value) {
    SetAndRepaint(*this, m_minValue, value);
}

void CVixProgressCtrl::setMaxValue(int value) {
    SetAndRepaint(*this, m_maxValue, value);
}

void CVixProgressCtrl::setValue(int value) {
    SetAndRepaint(*this, m_value, value, Spoken::Value);
}

void CVixProgressCtrl::setVertical(int vertical) {
    SetAndRepaint(*this, m_vertical, vertical);
}

void CVixProgressCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_background.isNull()) {
        painter.drawImage(rect(), m_background);
    }
    if (m_fill.isNull()) {
        return;
    }
    const int f = fillSize();
    const QRect cut = drawsVertically() ? QRect(0, 0, width(), f) : QRect(0, 0, f, height());
    if (f <= 0 || !LogicalRect(m_fill).contains(cut)) {
        return;
    }
    const QPoint at = drawsVertically() ? QPoint(0, height() - f) : QPoint(0, 0);
    // The source rectangle is in the fill picture's own pixels.
    painter.drawImage(QRect(at, cut.size()), m_fill, PixelRect(m_fill, cut));
}

}  // namespace solune
