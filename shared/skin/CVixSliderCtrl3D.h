#pragma once
// A slider with three independent thumbs on one track (thumbs 1, 2, 3). Each
// thumb has one picture for all states, and its own value and last told
// value. A thumb that moves is told to the parent as controlNotify(id, value
// | notify::kThumbCode[thumb]) (0x10000, 0x20000, 0x30000 for thumbs 1 … 3).
//
// Thumbs are placed like the one-thumb slider's, each with its own picture
// width, and vertically centred on thumb 3's height; a thumb rectangle that
// would stick out left or right is pushed back inside. Thumbs are not kept in
// order and may pass each other; where they overlap, thumb 1 is hit and drawn
// on top. A press beside every thumb moves none.
//
// The keyboard moves one thumb at a time: thumb 1 at first, then the thumb
// last pressed or chosen with the keys 1, 2 and 3.

#include <QString>
#include <array>

#include "shared/skin/SkinSliderBase.h"

namespace solune {

class CVixSliderCtrl3D : public SkinSliderBase {
  public:
    explicit CVixSliderCtrl3D(int controlId, QWidget* parent = nullptr);

    void SetImages(QImage track, QImage thumb1, QImage thumb2, QImage thumb3);

    // Clamps `value` to the bounds (no snapping); unless that is the thumb's
    // last told value, shows it and, when `notify`, tells the parent. Thumbs
    // outside 1 … 3 are ignored.
    void SetThumbPos(int thumb, int value, bool notify);
    int thumbValue(int thumb) const;

    // Thumb 1, 2 or 3 under `point`, else 0.
    int HitThumb(QPoint point) const;
    // The rectangle of thumb 1 … 3 in client coordinates.
    QRect thumbRect(int thumb) const;
    int activeThumb() const { return m_activeThumb; }

    int keyboardThumb() const { return m_keyboardThumb; }
    int keyboardValue() const override { return thumbValue(m_keyboardThumb); }
    void SetValueByUser(int value) override { SetThumbByUser(m_keyboardThumb, value); }
    // Moves thumb 1 … 3 to `value` as a drag there would (SkinSliderBase).
    void SetThumbByUser(int thumb, int value);

    // How a screen reader names a thumb: `pattern` with %1 the thumb's number
    // and %2 its value (for example "DPI stage %1, X, %2"); empty: the
    // slider's name, "thumb", the number and the value.
    void setSpokenThumbPattern(const QString& pattern) { m_spokenThumbPattern = pattern; }
    QString SpokenThumbName(int thumb) const;

  protected:
    void posFromPoint(int x) override;
    void beginDrag(QPoint point) override;
    void endDrag() override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Shows `value` for thumb 1 … 3 and tells the parent when it is not the
    // thumb's value last told.
    void ShowUserValue(int thumb, int value);

    QImage m_track;
    std::array<QImage, 3> m_thumbs;
    std::array<int, 3> m_values{};
    std::array<int, 3> m_lastReported{};
    int m_activeThumb = 0;
    int m_keyboardThumb = 1;
    QString m_spokenThumbPattern;
};

}  // namespace solune
