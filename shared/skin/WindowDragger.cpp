#include "shared/skin/WindowDragger.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace solune {

bool WindowDragger::Press(QWidget& window, const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) {
        return false;
    }
    // Nothing moves yet: a click whose release is already queued behind its
    // press (a tap, a synthesized click) must never start a move.
    m_state = State::Pressed;
    m_offset = event.globalPosition().toPoint() - window.pos();
    return true;
}

bool WindowDragger::Move(QWidget& window, const QMouseEvent& event) {
    if ((event.buttons() & Qt::LeftButton) == 0) {
        // The release went elsewhere or came out of order: the drag is over.
        m_state = State::Idle;
        return false;
    }
    if (m_state == State::Pressed) {
        // The window system's own move follows the button to its release; it
        // is asked for only while the button is seen held.
        const bool systemMove =
            window.windowHandle() != nullptr && window.windowHandle()->startSystemMove();
        m_state = systemMove ? State::Idle : State::Following;
        if (systemMove) {
            return true;
        }
    }
    if (m_state != State::Following) {
        return false;
    }
    window.move(event.globalPosition().toPoint() - m_offset);
    return true;
}

void WindowDragger::Release(const QMouseEvent& event) {
    if (event.button() == Qt::LeftButton || (event.buttons() & Qt::LeftButton) == 0) {
        m_state = State::Idle;
    }
}

}  // namespace solune
