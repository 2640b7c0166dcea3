#pragma once
// A horizontal slider with one thumb over a track picture: an integer value
// between minValue and maxValue, snapped to multiples of step (counted from
// 0, after clamping, so a maximum that is no multiple can be passed by one
// step), optionally printed under the thumb. Every new value is told to the
// parent as controlNotify(id, value).
//
// The thumb picture must be set before the slider is used: its size is the
// thumb size of every computation (a missing one counts as 0 × 0).

#include "shared/skin/SkinSliderBase.h"

namespace solune {

class CVixSliderCtrl : public SkinSliderBase {
  public:
    explicit CVixSliderCtrl(int controlId, QWidget* parent = nullptr);

    // Replaces the track, thumb, hovered/dragged thumb and disabled thumb.
    void SetImages(QImage track, QImage thumb, QImage thumbOver, QImage thumbDisabled);

    // Shows `value` and tells the parent, unless it is the value last told;
    // no clamping or snapping.
    void SetPos(int value);
    int value() const { return m_value; }

    int keyboardValue() const override { return m_value; }
    void SetValueByUser(int value) override;

    // The x of the thumb's centre for the current value.
    int thumbCenterX() const;

  protected:
    void posFromPoint(int x) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // Shows `value` and tells the parent when it is not the value last told.
    void ShowUserValue(int value);

    QImage m_track;
    QImage m_thumb;
    QImage m_thumbOver;
    QImage m_thumbDisabled;
    int m_value = 0;
    int m_lastReported = 0;
};

}  // namespace solune
