#include "shared/skin/SkinSliderBase.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "shared/skin/ControlParent.h"
#include "shared/skin/RepaintingField.h"
#include "shared/skin/SkinFonts.h"
#include "shared/layout/SliderMath.h"

namespace solune {

SkinSliderBase::SkinSliderBase(int controlId, QWidget* parent)
    : QWidget(parent), m_controlId(controlId), m_font(skin::MakeFont(skin::kArialFace, 13)) {
    setMouseTracking(true);
    // Tab reaches the slider; a click leaves the focus where it is.
    setFocusPolicy(Qt::TabFocus);
}

SkinSliderBase::~SkinSliderBase() {
    m_hover.ReleaseGrab();
}

void SkinSliderBase::setState(int state) {
    m_state = state;
    update();
}

void SkinSliderBase::setMinValue(int value) {
    SetAndRepaint(*this, m_minValue, value);
}

void SkinSliderBase::setMaxValue(int value) {
    SetAndRepaint(*this, m_maxValue, value);
}

void SkinSliderBase::setStep(int step) {
    SetAndRepaint(*this, m_step, step);
}

void SkinSliderBase::setShowValue(bool show) {
    SetAndRepaint(*this, m_showValue, show);
}

void SkinSliderBase::setTextColor(std::uint32_t argb) {
    SetAndRepaint(*this, m_textColor, argb);
}

void SkinSliderBase::setTextFont(const QFont& font) {
    SetAndRepaint(*this, m_font, font);
}

int SkinSliderBase::UserValue(int value) const {
    return layout::SnapToStep(std::clamp(value, m_minValue, std::max(m_minValue, m_maxValue)), m_step);
}

void SkinSliderBase::DrawFocusMark(QPainter& painter) const {
    m_focusMark.Draw(painter, rect());
}

void SkinSliderBase::keyPressEvent(QKeyEvent* event) {
    if (m_state == kDisabled) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int step = std::max(m_step, 1);
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Down:
            SetValueByUser(keyboardValue() - step);
            break;
        case Qt::Key_Right:
        case Qt::Key_Up:
            SetValueByUser(keyboardValue() + step);
            break;
        case Qt::Key_Home:
            SetValueByUser(m_minValue);
            break;
        case Qt::Key_End:
            SetValueByUser(m_maxValue);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void SkinSliderBase::focusInEvent(QFocusEvent* event) {
    m_focusMark.OnFocusIn(*event);
    QWidget::focusInEvent(event);
}

void SkinSliderBase::focusOutEvent(QFocusEvent* event) {
    m_focusMark.OnFocusOut(*event);
    QWidget::focusOutEvent(event);
}

void SkinSliderBase::Notify(int value) {
    if (ControlParent* parent = FindControlParent(this)) {
        parent->controlNotify(m_controlId, value);
    }
}

void SkinSliderBase::mousePressEvent(QMouseEvent* event) {
    if (m_state == kDisabled || event->button() != Qt::LeftButton) {
        return;
    }
    m_state = kDragging;
    m_savedState = kDragging;
    m_hover.pressed = true;
    beginDrag(event->position().toPoint());
    posFromPoint(event->position().toPoint().x());
    update();
}

void SkinSliderBase::mouseMoveEvent(QMouseEvent* event) {
    if (m_state == kDisabled) {
        return;
    }
    if (m_state == kDragging) {
        posFromPoint(event->position().toPoint().x());
        update();
    }
    switch (m_hover.OnMove(*event)) {
        case HoverGrab::Move::Left:
            // Leaving while hovering, or while Qt still routes a press's
            // moves to the control.
            m_savedState = m_state;
            m_state = kNormal;
            update();
            return;
        case HoverGrab::Move::Entered:
            m_state = m_hover.pressed ? m_savedState : kOver;
            update();
            return;
        case HoverGrab::Move::Outside:
        case HoverGrab::Move::Inside:
            return;
    }
}

void SkinSliderBase::mouseReleaseEvent(QMouseEvent* event) {
    if (m_state == kDisabled || event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint point = event->position().toPoint();
    // A release out there, after the drag left the control, leaves the value
    // where the drag stopped; it still ends the drag.
    if (rect().contains(point)) {
        posFromPoint(point.x());
    }
    m_hover.pressed = false;
    m_state = kNormal;
    m_savedState = kNormal;
    endDrag();
    update();
}

void SkinSliderBase::leaveEvent(QEvent* event) {
    // Where the platform cannot grab the pointer, leaving is seen here.
    if (m_state != kDisabled && (m_hover.tracking || m_hover.pressed)) {
        m_savedState = m_state;
        m_state = kNormal;
        m_hover.End();
        update();
    }
    QWidget::leaveEvent(event);
}

void SkinSliderBase::hideEvent(QHideEvent* event) {
    m_hover.End();
    if (m_state != kDisabled) {
        m_state = kNormal;
    }
    QWidget::hideEvent(event);
}

}  // namespace solune
