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
    bool drawsVertically() const { return m_vertical && m_variant == Variant::Configuration; }

    // Each setter repaints the bar when the value changes.
    void setBackground(const QImage& picture);
    const QImage& background() const { return m_background; }
    void setFill(const QImage& picture);
    const QImage& fill() const { return m_fill; }
    void setMinValue(int value);
    int minValue() const { return m_minValue; }
    void setMaxValue(int value);
    int maxValue() const { return m_maxValue; }
    void setValue(int value);
    int value() const { return m_value; }
    // Non-zero: the configuration program's bar fills from the bottom up.
    void setVertical(int vertical);
    int vertical() const { return m_vertical; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int m_controlId;
    Variant m_variant;
    QImage m_background;
    QImage m_fill;
    int m_minValue = 0;
    int m_maxValue = 100;
    int m_value = 0;
    int m_vertical = 0;
};

}  // namespace solune
