#pragma once
// Dragging a caption-less window by any free point of its body: the window
// system moves it where it can (as a caption drag would), elsewhere the window
// follows the pointer itself. The window forwards its left-button events.
// A drag begins with the first move while the left button is held after a
// press on the body, so a click that has already ended never starts one, and
// it ends with the button's release or with any move that finds the button up,
// whatever order the events come in.

#include <QPoint>

class QMouseEvent;
class QWidget;

namespace solune {

class WindowDragger {
  public:
    // A press on the window's body. True when it may start a drag (left button).
    bool Press(QWidget& window, const QMouseEvent& event);
    // A move; true when it moved the window or handed the move to the window
    // system.
    bool Move(QWidget& window, const QMouseEvent& event);
    // A release ends the drag.
    void Release(const QMouseEvent& event);
    // Forgets a drag in progress (the window is closing).
    void Cancel() { m_state = State::Idle; }

  private:
    enum class State { Idle, Pressed, Following };
    State m_state = State::Idle;
    QPoint m_offset;
};

}  // namespace solune
