#include "shared/skin/SkinButtonBase.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "shared/skin/ControlParent.h"

namespace solune {

SkinButtonBase::SkinButtonBase(int controlId, QWidget* parent)
    : QWidget(parent), m_controlId(controlId) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

SkinButtonBase::~SkinButtonBase() {
    m_hover.ReleaseGrab();
}

void SkinButtonBase::SetImages(QImage normal, QImage over, QImage down, QImage disable) {
    m_images = {std::move(normal), std::move(over), std::move(down), std::move(disable)};
    update();
}

void SkinButtonBase::Activate() {
    if (!isEnabled()) {
        return;
    }
    releasedWhilePressed();
    clicked();
}

void SkinButtonBase::clicked() {
    if (ControlParent* parent = FindControlParent(this)) {
        parent->controlClicked(m_controlId);
    }
}

const QImage& SkinButtonBase::ChoosePicture(bool flag) const {
    static const QImage none;
    const QImage& down = m_images[kDownPicture];
    if (!isEnabled() && !m_images[kDisablePicture].isNull()) {
        return m_images[kDisablePicture];
    }
    if (flag && !down.isNull()) {
        return down;
    }
    if (m_visualState == kDown && !down.isNull()) {
        return down;
    }
    if (m_visualState == kNormal && !m_images[kNormalPicture].isNull()) {
        return m_images[kNormalPicture];
    }
    if (m_visualState == kOver && !m_images[kOverPicture].isNull()) {
        return m_images[kOverPicture];
    }
    return none;
}

void SkinButtonBase::DrawPicture(QPainter& painter, const QImage& picture) const {
    if (picture.isNull()) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), picture);
}

void SkinButtonBase::DrawFocusMark(QPainter& painter) const {
    m_focusMark.Draw(painter, rect());
}

void SkinButtonBase::mouseMoveEvent(QMouseEvent* event) {
    switch (m_hover.OnMove(*event)) {
        case HoverGrab::Move::Left:
            m_visualState = kNormal;
            update();
            return;
        case HoverGrab::Move::Entered:
            m_visualState = kOver;
            update();
            pointerEntered();
            return;
        case HoverGrab::Move::Outside:
        case HoverGrab::Move::Inside:
            return;
    }
}

void SkinButtonBase::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    m_hover.pressed = true;
    m_visualState = kDown;
    update();
}

void SkinButtonBase::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const bool click = m_hover.pressed && rect().contains(event->position().toPoint());
    if (m_hover.pressed) {
        releasedWhilePressed();
    }
    m_hover.pressed = false;
    m_visualState = kNormal;
    update();
    // Giving up the grab here makes the next move an entry again.
    m_hover.ReleaseGrab();
    if (click) {
        clicked();
    }
}

void SkinButtonBase::leaveEvent(QEvent* event) {
    // Where the platform cannot grab the pointer, leaving is seen here.
    if (m_hover.tracking || m_hover.pressed) {
        EndHover();
    }
    QWidget::leaveEvent(event);
}

void SkinButtonBase::hideEvent(QHideEvent* event) {
    if (m_hover.tracking) {
        EndHover();
    }
    QWidget::hideEvent(event);
}

void SkinButtonBase::focusInEvent(QFocusEvent* event) {
    m_focusMark.OnFocusIn(*event);
    update();
    QWidget::focusInEvent(event);
}

void SkinButtonBase::focusOutEvent(QFocusEvent* event) {
    m_focusMark.OnFocusOut(*event);
    update();
    QWidget::focusOutEvent(event);
}

void SkinButtonBase::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A held key presses once.
    if (!event->isAutoRepeat()) {
        Activate();
    }
    event->accept();
}

void SkinButtonBase::EndHover() {
    m_visualState = kNormal;
    update();
    m_hover.End();
}

}  // namespace solune
