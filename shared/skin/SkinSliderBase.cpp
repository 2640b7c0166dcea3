#include "shared/skin/SkinSliderBase.h"

#include <QMouseEvent>

#include "shared/skin/ControlParent.h"
#include "shared/skin/SkinFonts.h"

namespace solune {

SkinSliderBase::SkinSliderBase(int controlId, QWidget* parent)
    : QWidget(parent), font(skin::MakeFont(skin::kArialFace, 13)), m_controlId(controlId) {
    setMouseTracking(true);
}

SkinSliderBase::~SkinSliderBase() {
    if (QWidget::mouseGrabber() == this) {
        releaseMouse();
    }
}

void SkinSliderBase::setState(int state) {
    m_state = state;
    update();
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
    m_pressed = true;
    beginDrag(event->position().toPoint());
    posFromPoint(event->position().toPoint().x());
    update();
}

void SkinSliderBase::mouseMoveEvent(QMouseEvent* event) {
    if (m_state == kDisabled) {
        return;
    }
    const QPoint point = event->position().toPoint();
    const bool inside = rect().contains(point);
    if (m_state == kDragging) {
        posFromPoint(point.x());
        update();
    }
    if (!inside) {
        // Leaving while hovering, or while Qt still routes a press's moves
        // to the control.
        if (m_tracking || m_pressed) {
            m_savedState = m_state;
            m_pressed = false;
            m_state = kNormal;
            update();
            m_tracking = false;
            if (QWidget::mouseGrabber() == this) {
                releaseMouse();
            }
        }
        return;
    }
    if (m_tracking && QWidget::mouseGrabber() == this) {
        return;
    }
    if (isVisible()) {
        grabMouse();
    }
    m_tracking = true;
    m_pressed = (event->buttons() & Qt::LeftButton) != 0;
    m_state = m_pressed ? m_savedState : kOver;
    update();
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
    m_pressed = false;
    m_state = kNormal;
    m_savedState = kNormal;
    endDrag();
    update();
}

void SkinSliderBase::leaveEvent(QEvent* event) {
    // Where the platform cannot grab the pointer, leaving is seen here.
    if (m_state != kDisabled && (m_tracking || m_pressed)) {
        m_savedState = m_state;
        m_pressed = false;
        m_state = kNormal;
        m_tracking = false;
        update();
        if (QWidget::mouseGrabber() == this) {
            releaseMouse();
        }
    }
    QWidget::leaveEvent(event);
}

void SkinSliderBase::hideEvent(QHideEvent* event) {
    if (QWidget::mouseGrabber() == this) {
        releaseMouse();
    }
    m_tracking = false;
    m_pressed = false;
    if (m_state != kDisabled) {
        m_state = kNormal;
    }
    QWidget::hideEvent(event);
}

}  // namespace solune
