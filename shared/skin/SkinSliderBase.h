#pragma once
// What the one-thumb and the three-thumb slider share: bounds and step, the
// value text, and the mouse handling.
//
// Mouse (nothing happens in state 3, disabled):
//  - left press: state 2 (dragging), pressed; beginDrag(point); the value
//    follows the pointer (posFromPoint).
//  - move: while dragging the value follows the pointer. The first move over
//    the control grabs the mouse (tracking) and sets the over state, or, with
//    the left button held, the state saved when the pointer left. A move
//    outside while grabbed saves the state, clears pressed, sets state 0 and
//    lets the grab go: a drag that leaves the control stops there and goes on
//    when the pointer comes back with the button still held.
//  - left release: over the control the value follows the pointer; then
//    pressed 0, state 0, saved state 0; endDrag().
//  - leaving the control (where the platform reports it without a move) acts
//    as a move outside.
//
// Keyboard (not while disabled): the slider takes the focus by Tab (a click
// leaves the focus where it was); Left and Down move the keyboard's thumb one step down, Right and Up
// one step up, Home to the minimum and End to the maximum, each as a drag to
// that value would (SetValueByUser). A slider that Tab reached shows the focus
// mark (FocusMark.h).

#include <QFont>
#include <QImage>
#include <QWidget>

#include "shared/skin/FocusMark.h"
#include "shared/skin/HoverGrab.h"
#include <cstdint>

namespace solune {

class SkinSliderBase : public QWidget {
  public:
    enum State { kNormal = 0, kOver = 1, kDragging = 2, kDisabled = 3 };

    SkinSliderBase(int controlId, QWidget* parent);
    ~SkinSliderBase() override;

    int controlId() const { return m_controlId; }
    int state() const { return m_state; }
    // The owner disables the slider with state 3 (and enables it with 0).
    void setState(int state);

    // Bounds and step are set before SetPos / SetThumbPos. Each setter
    // repaints the slider when the value changes.
    void setMinValue(int value);
    int minValue() const { return m_minValue; }
    void setMaxValue(int value);
    int maxValue() const { return m_maxValue; }
    void setStep(int step);
    int step() const { return m_step; }
    // Whether the value is printed under the thumb.
    void setShowValue(bool show);
    bool showValue() const { return m_showValue; }
    // ARGB colour of the value text (alpha dropped when drawn).
    void setTextColor(std::uint32_t argb);
    std::uint32_t textColor() const { return m_textColor; }
    void setTextFont(const QFont& font);
    const QFont& textFont() const { return m_font; }

    // The value of the thumb that the keyboard moves.
    virtual int keyboardValue() const = 0;
    // Moves the keyboard's thumb to `value` as a drag there would: clamped to
    // the bounds, snapped to the step, shown, and told to the parent when it
    // is not the value last told. Nothing while disabled.
    virtual void SetValueByUser(int value) = 0;
    bool showsFocusMark() const { return m_focusMark.shown(); }

  protected:
    // Clamps `value` to the bounds and snaps it to the step.
    int UserValue(int value) const;
    // Draws the focus mark over the slider when the keyboard gave it the focus.
    void DrawFocusMark(QPainter& painter) const;

    // The value (of the active thumb) under x; see the derived classes.
    virtual void posFromPoint(int x) = 0;
    virtual void beginDrag(QPoint point) { (void)point; }
    virtual void endDrag() {}

    // Tells the parent controlNotify(controlId, value).
    void Notify(int value);

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    HoverGrab m_hover{*this};
    int m_state = kNormal;
    int m_savedState = kNormal;

  private:
    FocusMark m_focusMark;
    int m_controlId;
    int m_minValue = 0;
    int m_maxValue = 100;
    int m_step = 1;
    bool m_showValue = false;
    std::uint32_t m_textColor = 0xFFFFFFFF;
    QFont m_font;
};

}  // namespace solune
