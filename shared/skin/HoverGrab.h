#pragma once
// The hover and mouse-grab bookkeeping of the skinned controls that light up
// under the pointer (buttons, sliders, the scroll control).
//
// A control grabs the mouse at the first move over it, so that it sees the
// pointer leave even when the move that leaves lands on another window; the
// grab ends when the pointer leaves, the control hides, or (for buttons) a
// click ends. The control owns its pictures and states; this object owns the
// two flags and the grab, and tells the control what a move meant.

class QMouseEvent;
class QWidget;

namespace solune {

class HoverGrab {
  public:
    // What a mouse move means for the control.
    enum class Move {
        Outside,  // outside, and neither hovering nor pressed: nothing to do
        Left,     // outside while hovering or pressed: the control resets its
                  // state; the flags are cleared and the grab given up already
        Inside,   // still inside while hovering with the grab: nothing new
        Entered,  // the first move inside (or inside again after a click gave
                  // up the grab): grabbed, hovering, pressed as the buttons say
    };

    // Borrows `control` for its lifetime (the control owns this object).
    explicit HoverGrab(QWidget& control) : m_control(control) {}

    // Classifies a move of the control's own mouseMoveEvent and updates the
    // flags and the grab to match.
    Move OnMove(const QMouseEvent& event);
    // Ends the hover: not pressed, not hovering, grab given up.
    void End();
    // Gives up the grab if the control holds it.
    void ReleaseGrab();

    bool tracking = false;  // the pointer is over the control
    bool pressed = false;   // the left button went down on the control

  private:
    QWidget& m_control;
};

}  // namespace solune
