#pragma once
// The keyboard focus mark of the skinned controls: a one-pixel frame in the
// skin's accent colour around a control that the keyboard moved the focus to
// (Tab, Shift+Tab). Focus that a click, a pop-up or the start of a window
// gave draws nothing, so the pictures of a window used with the mouse stay as
// they are; the mark survives the window losing and regaining activation and
// goes when the focus moves on.

#include <QRect>

class QFocusEvent;
class QPainter;

namespace solune {

class FocusMark {
  public:
    static constexpr unsigned kAccentArgb = 0xFFB3D335;

    void OnFocusIn(const QFocusEvent& event);
    void OnFocusOut(const QFocusEvent& event);
    bool shown() const { return m_shown; }

    // Draws the frame along the inside of `area` when shown.
    void Draw(QPainter& painter, const QRect& area) const;

  private:
    bool m_shown = false;
};

}  // namespace solune
