#pragma once
// A scroll bar with two end buttons, a track and a thumb; horizontal when it
// is wider than high, else vertical (a square one is vertical).
//
// Layout (SetImages, and again when the control is resized), client W × H:
// horizontal: first arrow (0, 0)–(a1, H), second arrow (W − a2, 0)–(W, H),
// track (a1, 0)–(W − a2, H), with a1, a2 the arrow pictures' widths;
// vertical: the same along y with the pictures' heights. The thumb keeps its
// picture's size and moves along the track.
//
// News to the parent, controlNotify(id, value):
//  - SetPos always tells the (clamped) value, even when nothing changed;
//  - a press in the track makes the thumb jump under the pointer, and dragging
//    along the track follows it; the value is told when it differs from the
//    last value that any scroll control of the program told (one value shared
//    by all of them);
//  - releasing after a press on an end button, wherever the release lands,
//    tells that end's bound and then SetPos(bound): the parent hears it twice.

#include <QImage>
#include <QRect>
#include <QWidget>

#include "shared/skin/HoverGrab.h"

namespace solune {

class CVixScrollCtrl : public QWidget {
  public:
    enum Part { kNoPart = 0, kFirstArrow = 1, kThumb = 2, kSecondArrow = 3 };

    explicit CVixScrollCtrl(int controlId, QWidget* parent = nullptr);
    ~CVixScrollCtrl() override;

    int controlId() const { return m_controlId; }

    void SetImages(QImage background, QImage thumb, QImage thumbPressed, QImage firstArrow,
                   QImage firstArrowPressed, QImage secondArrow, QImage secondArrowPressed);

    // Clamps, shows and tells `value`.
    void SetPos(int value);
    int value() const { return m_value; }

    // 0 horizontal, 1 vertical.
    int orientation() const { return m_orientation; }
    QRect firstArrowRect() const { return m_firstArrowRect; }
    QRect secondArrowRect() const { return m_secondArrowRect; }
    QRect trackRect() const { return m_trackRect; }
    QRect thumbRect() const { return m_thumbRect; }
    int pressedPart() const { return m_pressedPart; }

    // The bounds; each setter repaints when the value changes.
    void setMinValue(int value);
    int minValue() const { return m_minValue; }
    void setMaxValue(int value);
    int maxValue() const { return m_maxValue; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void Layout();
    void PlaceThumb();
    void PosFromPoint(QPoint point);
    void Notify(int value);

    int m_controlId;
    QImage m_background, m_thumb, m_thumbPressed;
    QImage m_firstArrow, m_firstArrowPressed, m_secondArrow, m_secondArrowPressed;
    HoverGrab m_hover{*this};
    int m_state = 0;
    QRect m_firstArrowRect, m_secondArrowRect, m_trackRect, m_thumbRect;
    int m_value = 0;
    int m_orientation = 0;
    int m_pressedPart = kNoPart;
    int m_minValue = 0;
    int m_maxValue = 100;
};

}  // namespace solune
