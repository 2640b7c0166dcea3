#include "shared/skin/CVixSliderCtrl.h"

#include <QPainter>
#include <algorithm>

#include "shared/skin/AnnounceChange.h"
#include "shared/skin/DrawTextInRect.h"
#include "shared/layout/SliderMath.h"
#include "shared/skin/LogicalSize.h"

namespace solune {

CVixSliderCtrl::CVixSliderCtrl(int controlId, QWidget* parent)
    : SkinSliderBase(controlId, parent) {}

void CVixSliderCtrl::SetImages(QImage track, QImage thumb, QImage thumbOver, QImage thumbDisabled) {
    m_track = std::move(track);
    m_thumb = std::move(thumb);
    m_thumbOver = std::move(thumbOver);
    m_thumbDisabled = std::move(thumbDisabled);
    update();
}

void CVixSliderCtrl::SetPos(int value) {
    if (value == m_lastReported) {
        return;
    }
    m_value = value;
    m_lastReported = value;
    update();
    AnnounceChange(*this, Spoken::Value);
    Notify(value);
}

void CVixSliderCtrl::SetValueByUser(int value) {
    if (m_state == kDisabled) {
        return;
    }
    ShowUserValue(UserValue(value));
    update();
}

void CVixSliderCtrl::ShowUserValue(int value) {
    m_value = value;
    if (value != m_lastReported) {
        m_lastReported = value;
        AnnounceChange(*this, Spoken::Value);
        Notify(value);
    }
}

int CVixSliderCtrl::thumbCenterX() const {
    return layout::ThumbCenterX(0, width(), LogicalSize(m_thumb).width(), m_value, minValue(), maxValue());
}

void CVixSliderCtrl::posFromPoint(int x) {
    const int value = layout::SnapToStep(
        layout::ValueAtPoint(x, 0, width(), LogicalSize(m_thumb).width(), minValue(), maxValue()), step());
    ShowUserValue(value);
}

void CVixSliderCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_track.isNull()) {
        painter.drawImage(rect(), m_track);
    }
    const QImage* thumb = nullptr;
    if (m_state == kDisabled && !m_thumbDisabled.isNull()) {
        thumb = &m_thumbDisabled;
    } else if (m_state == kNormal) {
        thumb = &m_thumb;
    } else if (m_state == kOver || m_state == kDragging) {
        thumb = &m_thumbOver;
    }
    const int w = LogicalSize(m_thumb).width();
    const int h = LogicalSize(m_thumb).height();
    const int centerX = thumbCenterX();
    if (thumb && !thumb->isNull()) {
        painter.drawImage(QRect(centerX - w / 2, 0, w, h), *thumb);
    }
    if (showValue()) {
        const int left = std::max(centerX - w, 0);
        const int right = std::min(width(), centerX + w);
        DrawTextInRect(painter, QString::number(m_value), TextColor(textColor()), true, false,
                       QRect(left, h, right - left, 20), &textFont());
    }
    DrawFocusMark(painter);
}

}  // namespace solune
