#pragma once
// A bar that shows value as the filled part of a picture: horizontally the
// fill picture is revealed from the left, pixel for pixel; vertically its top
// rows are shown growing from the bottom. The filled size is truncate(r ×
// client width or height), r = (value − min) ÷ (max − min) in single
// precision. When the part to reveal does not lie inside the fill picture (a
// value out of range, equal bounds), only the background shows.
//
// The owner sets the fields directly and repaints the bar. The updater's
// variant draws only horizontally; it ignores `vertical`. Like every widget it
// lives on the window's thread: a worker thread hands new values to it through
// a queued call (QMetaObject::invokeMethod) rather than touching it.

#include <QImage>
#include <QWidget>

namespace solune {

class CVixProgressCtrl : public QWidget {
  public:
    enum class Variant { Configuration, Updater };

    explicit CVixProgressCtrl(int controlId, QWidget* parent = nullptr,
                              Variant variant = Variant::Configuration);

    int controlId() const { return m_controlId; }

    // The filled size in pixels along the bar for the current value (may lie
    // outside 0 … size when the value is out of range); 0 for equal bounds.
    int fillSize() const;
    bool drawsVertically() const { return vertical && m_variant == Variant::Configuration; }

    QImage background;
    QImage fill;
    int minValue = 0;
    int maxValue = 100;
    int value = 0;
    int vertical = 0;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int m_controlId;
    Variant m_variant;
};

}  // namespace solune
