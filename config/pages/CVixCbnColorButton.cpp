#include "config/pages/CVixCbnColorButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "config/pages/CColorPanel.h"

namespace solune {

CVixCbnColorButton::CVixCbnColorButton(int controlId, QWidget* parent)
    : SkinButtonBase(controlId, parent) {}

CVixCbnColorButton::~CVixCbnColorButton() = default;

void CVixCbnColorButton::SetImages(QImage normal, QImage over, QImage down, QImage panelPicture) {
    SkinButtonBase::SetImages(std::move(normal), std::move(over), std::move(down), QImage());
    if (!m_panel) {
        m_panel = new CColorPanel(this);
    }
    m_panel->SetPicture(std::move(panelPicture));
}

void CVixCbnColorButton::controlNotify(int id, int value) {
    if (id != CColorPanel::kPanelId) {
        return;
    }
    m_currentColor = static_cast<std::uint32_t>(value);
    update();
    if (ControlParent* parent = FindControlParent(this)) {
        parent->controlNotify(controlId(), value);
    }
}

void CVixCbnColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawPicture(painter, ChoosePicture(selected));
    DrawFocusMark(painter);
}

void CVixCbnColorButton::hideEvent(QHideEvent* event) {
    if (m_panel && m_panel->isVisible()) {
        m_panel->hide();
    }
    SkinButtonBase::hideEvent(event);
}

void CVixCbnColorButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = m_hover.pressed;
    SkinButtonBase::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !wasPressed) {
        return;
    }
    TogglePanel();
}

void CVixCbnColorButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && m_panel && m_panel->isVisible()) {
        m_panel->hide();
        event->accept();
        return;
    }
    SkinButtonBase::keyPressEvent(event);
}

void CVixCbnColorButton::Activate() {
    if (isEnabled()) {
        TogglePanel();
    }
}

void CVixCbnColorButton::TogglePanel() {
    if (!m_panel) {
        return;
    }
    if (m_panel->isVisible()) {
        m_panel->hide();
    } else {
        m_panel->ShowAt(mapToGlobal(QPoint(0, height())));
    }
}

}  // namespace solune
