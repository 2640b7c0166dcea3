#include "shared/skin/CVixMouseStatic.h"

#include <QPainter>
#include <QTimerEvent>
#include <algorithm>

#include "shared/skin/RepaintingField.h"

namespace solune {
namespace {

// The animation state of the program (there is one preview).
struct Animation {
    int counter = 200;
    bool breathingRising = true;
    int channel[3] = {255, 125, 0};  // red, green, blue
    bool rising[3] = {false, true, true};
};
Animation g_animation;

constexpr int kChannelStep[3] = {15, 10, 5};

std::uint32_t WithAlpha(std::uint32_t argb, int alpha) {
    return (static_cast<std::uint32_t>(alpha & 0xFF) << 24) | (argb & 0x00FFFFFF);
}

}  // namespace

CVixMouseStatic::CVixMouseStatic(int controlId, QWidget* parent)
    : QWidget(parent), m_controlId(controlId) {}

void CVixMouseStatic::setPicture(const QImage& picture) {
    SetAndRepaint(*this, m_picture, picture);
}

void CVixMouseStatic::setScrollWheelColor(std::uint32_t argb) {
    SetAndRepaint(*this, m_scrollWheelColor, argb);
}

void CVixMouseStatic::setLogoColor(std::uint32_t argb) {
    SetAndRepaint(*this, m_logoColor, argb);
}

void CVixMouseStatic::setScrollWheelZone(const QRect& zone) {
    SetAndRepaint(*this, m_scrollWheelZone, zone);
}

void CVixMouseStatic::setLogoZone(const QRect& zone) {
    SetAndRepaint(*this, m_logoZone, zone);
}

void CVixMouseStatic::setScrollWheelOn(bool on) {
    SetAndRepaint(*this, m_scrollWheelOn, on);
}

void CVixMouseStatic::setLogoOn(bool on) {
    SetAndRepaint(*this, m_logoOn, on);
}

void CVixMouseStatic::SetBrightness(int alpha) {
    alpha = std::clamp(alpha, 0, 255);
    m_scrollWheelColor = WithAlpha(m_scrollWheelColor, alpha);
    m_logoColor = WithAlpha(m_logoColor, alpha);
    update();
}

void CVixMouseStatic::SetEffect(int mode) {
    if (m_effectTimer != 0) {
        killTimer(m_effectTimer);
        m_effectTimer = 0;
    }
    m_effect = mode;
    if (mode == kSteady) {
        SetBrightness(255);
    }
    if (mode == kBlinking) {
        m_effectTimer = startTimer(1000);
    } else if (mode == kPulsating || mode == kBreathing) {
        m_effectTimer = startTimer(100);
    }
}

void CVixMouseStatic::StartColorShift() {
    if (m_colorShiftTimer == 0) {
        m_colorShiftTimer = startTimer(100);
    }
}

void CVixMouseStatic::StopColorShift() {
    if (m_colorShiftTimer != 0) {
        killTimer(m_colorShiftTimer);
        m_colorShiftTimer = 0;
    }
}

void CVixMouseStatic::timerEvent(QTimerEvent* event) {
    if (event->timerId() != 0 && event->timerId() == m_effectTimer) {
        EffectTick();
    } else if (event->timerId() != 0 && event->timerId() == m_colorShiftTimer) {
        ColorShiftTick();
    } else {
        QWidget::timerEvent(event);
    }
}

void CVixMouseStatic::EffectTick() {
    if (!isVisible()) {
        return;
    }
    Animation& a = g_animation;
    switch (m_effect) {
        case kSteady:
            killTimer(m_effectTimer);
            m_effectTimer = 0;
            break;
        case kBlinking:
            SetBrightness(a.counter % 2 == 0 ? 0 : 255);
            ++a.counter;
            break;
        case kPulsating: {
            ++a.counter;
            const int r = a.counter % 15;
            SetBrightness(r == 0 || r == 3 ? 0 : 255);
            break;
        }
        case kBreathing:
            a.counter += a.breathingRising ? 10 : -10;
            if (a.counter >= 255) {
                a.counter = 255;
                a.breathingRising = false;
            } else if (a.counter <= 0) {
                a.counter = 0;
                a.breathingRising = true;
            }
            SetBrightness(a.counter);
            break;
        default:
            break;
    }
}

void CVixMouseStatic::ColorShiftTick() {
    Animation& a = g_animation;
    for (int c = 0; c < 3; ++c) {
        if (a.channel[c] > 254) {
            a.rising[c] = false;
        } else if (a.channel[c] <= 0) {
            a.rising[c] = true;
        }
        a.channel[c] += a.rising[c] ? kChannelStep[c] : -kChannelStep[c];
        a.channel[c] = std::clamp(a.channel[c], 0, 255);
    }
    const std::uint32_t rgb = (static_cast<std::uint32_t>(a.channel[0]) << 16) |
                              (static_cast<std::uint32_t>(a.channel[1]) << 8) |
                              static_cast<std::uint32_t>(a.channel[2]);
    const std::uint32_t alpha = m_scrollWheelColor & 0xFF000000u;
    m_scrollWheelColor = alpha | rgb;
    m_logoColor = alpha | rgb;
    update();
}

void CVixMouseStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(rect(), Qt::black);
    if (m_scrollWheelOn) {
        painter.fillRect(m_scrollWheelZone, QColor::fromRgba(m_scrollWheelColor));
    }
    if (m_logoOn) {
        painter.fillRect(m_logoZone, QColor::fromRgba(m_logoColor));
    }
    if (!m_picture.isNull()) {
        painter.drawImage(rect(), m_picture);
    }
}

}  // namespace solune
