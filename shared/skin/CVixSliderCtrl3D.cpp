#include "shared/skin/CVixSliderCtrl3D.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "shared/skin/ControlNotify.h"
#include "shared/skin/AnnounceChange.h"
#include "shared/skin/DrawTextInRect.h"
#include "shared/layout/SliderMath.h"
#include "shared/skin/LogicalSize.h"

namespace solune {

CVixSliderCtrl3D::CVixSliderCtrl3D(int controlId, QWidget* parent)
    : SkinSliderBase(controlId, parent) {}

void CVixSliderCtrl3D::SetImages(QImage track, QImage thumb1, QImage thumb2, QImage thumb3) {
    m_track = std::move(track);
    m_thumbs = {std::move(thumb1), std::move(thumb2), std::move(thumb3)};
    update();
}

void CVixSliderCtrl3D::SetThumbPos(int thumb, int value, bool notify) {
    if (thumb < 1 || thumb > 3) {
        return;
    }
    if (value > maxValue()) {
        value = maxValue();
    }
    if (value < minValue()) {
        value = minValue();
    }
    const int i = thumb - 1;
    if (value == m_lastReported[i]) {
        return;
    }
    m_values[i] = value;
    m_lastReported[i] = value;
    update();
    AnnounceChange(*this, Spoken::Value);
    if (notify) {
        Notify(value | notify::kThumbCode[thumb]);
    }
}

int CVixSliderCtrl3D::thumbValue(int thumb) const {
    return thumb >= 1 && thumb <= 3 ? m_values[thumb - 1] : 0;
}

QRect CVixSliderCtrl3D::thumbRect(int thumb) const {
    if (thumb < 1 || thumb > 3) {
        return {};
    }
    const QImage& picture = m_thumbs[thumb - 1];
    const int w = LogicalSize(picture).width();
    const int h = LogicalSize(picture).height();
    const int centerX = layout::ThumbCenterX(0, width(), w, m_values[thumb - 1], minValue(), maxValue());
    int left = centerX - w / 2;
    if (left < 0) {
        left = 0;
    }
    if (left + w > width()) {
        left = width() - w;
    }
    return QRect(left, (LogicalSize(m_thumbs[2]).height() - h) / 2, w, h);
}

int CVixSliderCtrl3D::HitThumb(QPoint point) const {
    for (int thumb = 1; thumb <= 3; ++thumb) {
        if (thumbRect(thumb).contains(point)) {
            return thumb;
        }
    }
    return 0;
}

void CVixSliderCtrl3D::beginDrag(QPoint point) {
    m_activeThumb = HitThumb(point);
    if (m_activeThumb != 0) {
        m_keyboardThumb = m_activeThumb;
    }
}

void CVixSliderCtrl3D::endDrag() {
    m_activeThumb = 0;
}

void CVixSliderCtrl3D::posFromPoint(int x) {
    if (m_activeThumb == 0) {
        return;
    }
    const int i = m_activeThumb - 1;
    const int value = layout::SnapToStep(
        layout::ValueAtPoint(x, 0, width(), LogicalSize(m_thumbs[i]).width(), minValue(), maxValue()), step());
    ShowUserValue(m_activeThumb, value);
}

void CVixSliderCtrl3D::ShowUserValue(int thumb, int value) {
    const int i = thumb - 1;
    m_values[i] = value;
    if (value != m_lastReported[i]) {
        m_lastReported[i] = value;
        AnnounceChange(*this, Spoken::Value);
        Notify(value | notify::kThumbCode[thumb]);
    }
}

void CVixSliderCtrl3D::SetThumbByUser(int thumb, int value) {
    if (thumb < 1 || thumb > 3 || m_state == kDisabled) {
        return;
    }
    ShowUserValue(thumb, UserValue(value));
    update();
}

QString CVixSliderCtrl3D::SpokenThumbName(int thumb) const {
    if (m_spokenThumbPattern.isEmpty()) {
        return QStringLiteral("%1 thumb %2, %3").arg(accessibleName()).arg(thumb).arg(thumbValue(thumb));
    }
    return m_spokenThumbPattern.arg(thumb).arg(thumbValue(thumb));
}

void CVixSliderCtrl3D::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (m_state != kDisabled && key >= Qt::Key_1 && key <= Qt::Key_3) {
        m_keyboardThumb = key - Qt::Key_0;
        event->accept();
        return;
    }
    SkinSliderBase::keyPressEvent(event);
}

void CVixSliderCtrl3D::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!m_track.isNull()) {
        painter.drawImage(rect(), m_track);
    }
    for (int thumb = 3; thumb >= 1; --thumb) {
        if (!m_thumbs[thumb - 1].isNull()) {
            painter.drawImage(thumbRect(thumb), m_thumbs[thumb - 1]);
        }
    }
    DrawFocusMark(painter);
    if (!showValue()) {
        return;
    }
    for (int thumb = 3; thumb >= 1; --thumb) {
        const QRect r = thumbRect(thumb);
        const int left = std::max(r.left() - 10, 0);
        const int right = std::min(r.left() + r.width() + 10, width());
        DrawTextInRect(painter, QString::number(m_values[thumb - 1]), TextColor(textColor()), true,
                       false, QRect(left, r.top() + r.height(), right - left, 20), &textFont());
    }
}

}  // namespace solune
