#pragma once
// Dragging a caption-less window by any free point of its body: the window
// system moves it where it can (as a caption drag would), elsewhere the window
// follows the pointer itself. The window forwards its left-button events.

#include <QPoint>

class QMouseEvent;
class QWidget;

namespace solune {

class WindowDragger {
  public:
    // A press on the window's body. True when it started a drag.
    bool Press(QWidget& window, const QMouseEvent& event);
    // A move; true when it moved the window.
    bool Move(QWidget& window, const QMouseEvent& event);
    // A release ends the drag.
    void Release(const QMouseEvent& event);
    // Forgets a drag in progress (the window is closing).
    void Cancel() { m_dragging = false; }

  private:
    bool m_dragging = false;
    QPoint m_offset;
};

}  // namespace solune
