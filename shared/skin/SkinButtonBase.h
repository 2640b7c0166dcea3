#pragma once
// The four-picture button that CVixButton, CVixCheckBox and the combo buttons
// are made of: the pictures, the press and hover state, and the click.
//
// Hover tracking: the first move over the control grabs the mouse (tracking),
// sets the over state and calls pointerEntered(); a move outside while the
// control holds the grab ends the press and the hover (normal state) and lets
// the grab go; so does a move outside while a press is held. A left press sets the down state; a
// left release sets the normal state and gives up the grab, so the next move over the control
// enters it anew. A release counts as a click (ControlParent::controlClicked with the control's id)
// when the press is still held on the control, that is pressed is 1 and the release lies inside.
//
// Keyboard: the control takes the focus by Tab and by click; Space (not
// repeated, without modifiers) does what a click does (Activate), which is
// also what a screen reader's press, toggle or open-menu action does. Return
// and Enter go on to the window, which keeps its own meaning for them (OK in
// a pop-up, storing the lighting page, nothing on the other pages), as they
// had for the original's owner-drawn buttons. A control that Tab reached
// shows the focus mark (FocusMark.h) over its picture.

#include <QImage>
#include <QWidget>
#include <array>

#include "shared/skin/FocusMark.h"
#include "shared/skin/HoverGrab.h"

namespace solune {

class SkinButtonBase : public QWidget {
  public:
    enum VisualState { kNormal = 0, kOver = 1, kDown = 2 };
    enum Picture { kNormalPicture = 0, kOverPicture, kDownPicture, kDisablePicture };

    SkinButtonBase(int controlId, QWidget* parent);
    ~SkinButtonBase() override;

    int controlId() const { return m_controlId; }

    // Replaces the four pictures (any may be null).
    void SetImages(QImage normal, QImage over, QImage down, QImage disable);
    const QImage& picture(Picture which) const { return m_images[which]; }

    int visualState() const { return m_visualState; }
    bool isPressed() const { return m_hover.pressed; }
    bool isTracking() const { return m_hover.tracking; }
    bool showsFocusMark() const { return m_focusMark.shown(); }

    // What a click on the control does, without the pointer: the release's
    // own work (a check box toggles), then the click. Nothing while disabled.
    virtual void Activate();

  protected:
    // The pointer entered the control (after the state changed to over).
    virtual void pointerEntered() {}
    // The left button was released while pressed was still 1; runs before the
    // state returns to normal and before the click.
    virtual void releasedWhilePressed() {}
    // The control was clicked; the default tells the ControlParent.
    virtual void clicked();

    // The picture of the first rule that applies: disabled with a disable
    // picture; `flag` (selected or checked) with a down picture; down state
    // with a down picture; normal state with a normal picture; over state with
    // an over picture. Null when none applies.
    const QImage& ChoosePicture(bool flag) const;
    // Draws `picture` scaled to the whole control.
    void DrawPicture(QPainter& painter, const QImage& picture) const;
    // Draws the focus mark over the control when the keyboard gave it the focus.
    void DrawFocusMark(QPainter& painter) const;

    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // Ends the hover: pressed 0, normal state, grab released, tracking 0.
    void EndHover();

    HoverGrab m_hover{*this};
    int m_visualState = kNormal;

  private:
    FocusMark m_focusMark;
    int m_controlId;
    std::array<QImage, 4> m_images;
};

}  // namespace solune
