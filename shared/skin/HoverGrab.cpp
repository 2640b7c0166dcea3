#include "shared/skin/HoverGrab.h"

#include <QMouseEvent>
#include <QWidget>

namespace solune {

HoverGrab::Move HoverGrab::OnMove(const QMouseEvent& event) {
    const bool inside = m_control.rect().contains(event.position().toPoint());
    if (!inside) {
        // Outside while hovering, or while Qt still routes the moves of a
        // press to the control: the press and the hover end.
        if (!tracking && !pressed) {
            return Move::Outside;
        }
        End();
        return Move::Left;
    }
    if (tracking && QWidget::mouseGrabber() == &m_control) {
        return Move::Inside;
    }
    if (m_control.isVisible()) {
        m_control.grabMouse();
    }
    tracking = true;
    pressed = (event.buttons() & Qt::LeftButton) != 0;
    return Move::Entered;
}

void HoverGrab::End() {
    pressed = false;
    tracking = false;
    ReleaseGrab();
}

void HoverGrab::ReleaseGrab() {
    if (QWidget::mouseGrabber() == &m_control) {
        m_control.releaseMouse();
    }
}

}  // namespace solune
