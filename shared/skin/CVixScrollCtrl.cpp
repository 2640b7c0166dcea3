#include "shared/skin/CVixScrollCtrl.h"

#include <QMouseEvent>
#include <QPainter>

#include "shared/skin/ControlParent.h"
#include "shared/skin/RepaintingField.h"
#include "shared/layout/SliderMath.h"
#include "shared/skin/LogicalSize.h"

namespace solune {
namespace {

// The last value told by any scroll control of the program.
int g_lastReported = 0;

}  // namespace

CVixScrollCtrl::CVixScrollCtrl(int controlId, QWidget* parent)
    : QWidget(parent), m_controlId(controlId) {
    setMouseTracking(true);
}

CVixScrollCtrl::~CVixScrollCtrl() {
    m_hover.ReleaseGrab();
}

void CVixScrollCtrl::SetImages(QImage background, QImage thumb, QImage thumbPressed,
                               QImage firstArrow, QImage firstArrowPressed, QImage secondArrow,
                               QImage secondArrowPressed) {
    m_background = std::move(background);
    m_thumb = std::move(thumb);
    m_thumbPressed = std::move(thumbPressed);
    m_firstArrow = std::move(firstArrow);
    m_firstArrowPressed = std::move(firstArrowPressed);
    m_secondArrow = std::move(secondArrow);
    m_secondArrowPressed = std::move(secondArrowPressed);
    Layout();
    update();
}

void CVixScrollCtrl::Layout() {
    const int w = width();
    const int h = height();
    if (h < w) {
        m_orientation = 0;
        const int a1 = LogicalSize(m_firstArrow).width();
        const int a2 = LogicalSize(m_secondArrow).width();
        m_firstArrowRect = QRect(0, 0, a1, h);
        m_secondArrowRect = QRect(w - a2, 0, a2, h);
        m_trackRect = QRect(a1, 0, w - a2 - a1, h);
        m_thumbRect = QRect(a1, 0, LogicalSize(m_thumb).width(), h);
    } else {
        m_orientation = 1;
        const int a1 = LogicalSize(m_firstArrow).height();
        const int a2 = LogicalSize(m_secondArrow).height();
        m_firstArrowRect = QRect(0, 0, w, a1);
        m_secondArrowRect = QRect(0, h - a2, w, a2);
        m_trackRect = QRect(0, a1, w, h - a2 - a1);
        m_thumbRect = QRect(0, a1, w, LogicalSize(m_thumb).height());
    }
    PlaceThumb();
}

void CVixScrollCtrl::PlaceThumb() {
    if (m_orientation == 0) {
        const int travel = m_trackRect.width() - m_thumbRect.width();
        m_thumbRect.moveTo(
            m_trackRect.left() + layout::ThumbOffset(travel, m_value, m_minValue, m_maxValue),
            m_trackRect.top());
    } else {
        const int travel = m_trackRect.height() - m_thumbRect.height();
        m_thumbRect.moveTo(
            m_trackRect.left(),
            m_trackRect.top() + layout::ThumbOffset(travel, m_value, m_minValue, m_maxValue));
    }
}

void CVixScrollCtrl::Notify(int value) {
    if (ControlParent* parent = FindControlParent(this)) {
        parent->controlNotify(m_controlId, value);
    }
}

void CVixScrollCtrl::setMinValue(int value) {
    SetAndRepaint(*this, m_minValue, value);
}

void CVixScrollCtrl::setMaxValue(int value) {
    SetAndRepaint(*this, m_maxValue, value);
}

void CVixScrollCtrl::SetPos(int value) {
    if (value > m_maxValue) {
        value = m_maxValue;
    }
    if (value < m_minValue) {
        value = m_minValue;
    }
    m_value = value;
    PlaceThumb();
    update();
    Notify(value);
}

void CVixScrollCtrl::PosFromPoint(QPoint point) {
    if (m_orientation == 0) {
        m_value = layout::ValueAtPoint(point.x(), m_trackRect.left(),
                                     m_trackRect.left() + m_trackRect.width(), m_thumbRect.width(),
                                     m_minValue, m_maxValue);
    } else {
        m_value = layout::ValueAtPoint(point.y(), m_trackRect.top(),
                                     m_trackRect.top() + m_trackRect.height(), m_thumbRect.height(),
                                     m_minValue, m_maxValue);
    }
    PlaceThumb();
    if (m_value != g_lastReported) {
        g_lastReported = m_value;
        Notify(m_value);
    }
}

void CVixScrollCtrl::resizeEvent(QResizeEvent* event) {
    Layout();
    QWidget::resizeEvent(event);
}

void CVixScrollCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint point = event->position().toPoint();
    m_hover.pressed = true;
    m_state = 2;
    if (m_firstArrowRect.contains(point)) {
        m_pressedPart = kFirstArrow;
    } else if (m_secondArrowRect.contains(point)) {
        m_pressedPart = kSecondArrow;
    } else if (m_thumbRect.contains(point)) {
        m_pressedPart = kThumb;
    } else {
        m_pressedPart = kNoPart;
    }
    if (m_trackRect.contains(point)) {
        PosFromPoint(point);
    }
    update();
}

void CVixScrollCtrl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (m_state == 2 && m_trackRect.contains(point)) {
        PosFromPoint(point);
        update();
    }
    switch (m_hover.OnMove(*event)) {
        case HoverGrab::Move::Left:
            // Leaving ends the press for good.
            m_state = 0;
            update();
            return;
        case HoverGrab::Move::Entered:
            m_state = 1;
            update();
            return;
        case HoverGrab::Move::Outside:
        case HoverGrab::Move::Inside:
            return;
    }
}

void CVixScrollCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint point = event->position().toPoint();
    if (m_trackRect.contains(point)) {
        PosFromPoint(point);
    }
    if (m_pressedPart == kSecondArrow) {
        Notify(m_maxValue);
        SetPos(m_maxValue);
    } else if (m_pressedPart == kFirstArrow) {
        Notify(m_minValue);
        SetPos(m_minValue);
    }
    m_hover.pressed = false;
    m_state = 0;
    m_pressedPart = kNoPart;
    update();
}

void CVixScrollCtrl::leaveEvent(QEvent* event) {
    // Where the platform cannot grab the pointer, leaving is seen here.
    if (m_hover.tracking || m_hover.pressed) {
        m_state = 0;
        m_hover.End();
        update();
    }
    QWidget::leaveEvent(event);
}

void CVixScrollCtrl::hideEvent(QHideEvent* event) {
    m_hover.End();
    m_state = 0;
    QWidget::hideEvent(event);
}

void CVixScrollCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const auto draw = [&painter](const QRect& r, const QImage& picture) {
        if (!picture.isNull()) {
            painter.drawImage(r, picture);
        }
    };
    draw(rect(), m_background);
    draw(m_firstArrowRect, m_pressedPart == kFirstArrow ? m_firstArrowPressed : m_firstArrow);
    draw(m_secondArrowRect, m_pressedPart == kSecondArrow ? m_secondArrowPressed : m_secondArrow);
    draw(m_thumbRect, m_pressedPart == kThumb ? m_thumbPressed : m_thumb);
}

}  // namespace solune
