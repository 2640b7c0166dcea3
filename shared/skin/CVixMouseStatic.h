#pragma once
// The lighting preview: a picture of the mouse over two coloured light zones
// (scroll wheel and logo) that show through its transparent areas, animated
// the way the chosen effect will look on the mouse.
//
// A zone colour's alpha is its brightness: zones are painted over opaque
// black, so alpha 0 is a dark zone and 255 the full colour. Painting: black,
// then each zone that is on, then the picture stretched over the control.
//
// Timers: the effect timer (1000 ms blinking, 100 ms pulsating and breathing)
// changes the brightness, and does nothing while the control is hidden; the
// colour-shift timer (100 ms, started and stopped by the page) drifts the RGB
// of both zones. The animation counters are one set shared by the whole
// program and are not reset when the effect changes.

#include <QImage>
#include <QRect>
#include <QWidget>
#include <cstdint>

namespace solune {

class CVixMouseStatic : public QWidget {
  public:
    enum Effect { kSteady = 0, kBlinking = 1, kPulsating = 2, kBreathing = 3 };

    explicit CVixMouseStatic(int controlId, QWidget* parent = nullptr);

    int controlId() const { return m_controlId; }

    // Replaces the alpha of both zone colours, keeping their RGB; repaints.
    void SetBrightness(int alpha);
    // Stops the effect timer, stores `mode`, gives steady light full
    // brightness, and starts the effect timer for the animated modes.
    void SetEffect(int mode);
    int effect() const { return m_effect; }

    void StartColorShift();
    void StopColorShift();

    // Timer ids, 0 while stopped.
    int effectTimerId() const { return m_effectTimer; }
    int colorShiftTimerId() const { return m_colorShiftTimer; }

    // Each setter repaints the preview when the value changes. Zone colours
    // are ARGB, the alpha being the brightness.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }
    void setScrollWheelColor(std::uint32_t argb);
    std::uint32_t scrollWheelColor() const { return m_scrollWheelColor; }
    void setLogoColor(std::uint32_t argb);
    std::uint32_t logoColor() const { return m_logoColor; }
    void setScrollWheelZone(const QRect& zone);
    const QRect& scrollWheelZone() const { return m_scrollWheelZone; }
    void setLogoZone(const QRect& zone);
    const QRect& logoZone() const { return m_logoZone; }
    void setScrollWheelOn(bool on);
    bool scrollWheelOn() const { return m_scrollWheelOn; }
    void setLogoOn(bool on);
    bool logoOn() const { return m_logoOn; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    void EffectTick();
    void ColorShiftTick();

    int m_controlId;
    int m_effect = kSteady;
    int m_effectTimer = 0;
    int m_colorShiftTimer = 0;
    QImage m_picture;
    std::uint32_t m_scrollWheelColor = 0x00A1FF22;
    std::uint32_t m_logoColor = 0x00A1FF22;
    QRect m_scrollWheelZone{QPoint(89, 5), QPoint(113, 22)};
    // Reaches past the control's right edge on purpose: the logo light fills
    // to the edge.
    QRect m_logoZone{QPoint(81, 105), QPoint(1107, 141)};
    bool m_scrollWheelOn = true;
    bool m_logoOn = true;
};

}  // namespace solune
