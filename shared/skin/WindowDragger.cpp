#include "shared/skin/WindowDragger.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace solune {

bool WindowDragger::Press(QWidget& window, const QMouseEvent& event) {
    if (event.button() != Qt::LeftButton) {
        return false;
    }
    if (window.windowHandle() != nullptr && window.windowHandle()->startSystemMove()) {
        return true;
    }
    m_dragging = true;
    m_offset = event.globalPosition().toPoint() - window.pos();
    return true;
}

bool WindowDragger::Move(QWidget& window, const QMouseEvent& event) {
    if (!m_dragging || (event.buttons() & Qt::LeftButton) == 0) {
        return false;
    }
    window.move(event.globalPosition().toPoint() - m_offset);
    return true;
}

void WindowDragger::Release(const QMouseEvent& event) {
    if (event.button() == Qt::LeftButton) {
        m_dragging = false;
    }
}

}  // namespace solune
