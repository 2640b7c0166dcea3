#include "shared/skin/MenuHook.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "shared/skin/SkinMenu.h"

namespace solune {

void MenuHook::setTarget(SkinMenu* menu) {
    m_target = menu;
    if (!m_installed && QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
        m_installed = true;
    }
}

SkinMenu* MenuHook::target() const {
    return m_target.data();
}

void MenuHook::remove() {
    if (m_installed && QCoreApplication::instance()) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
    m_installed = false;
    m_target = nullptr;
}

bool MenuHook::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            // A press reaches the window first and then its widget; the
            // widget's copy is enough (closing twice would do no harm).
            if (watched->isWidgetType() && m_target) {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                m_target->OutsideClick(event->type(), mouse->button(),
                                       mouse->globalPosition().toPoint());
            }
            break;
        case QEvent::KeyPress:
            // The menus never take the keyboard: Escape typed into any
            // window of the program closes the open chain, the walking keys
            // walk it.
            if (m_target && m_target->isVisible()) {
                const int key = static_cast<QKeyEvent*>(event)->key();
                if (key == Qt::Key_Escape) {
                    m_target->Close();
                    return true;
                }
                return WalkKey(key);
            }
            break;
        case QEvent::ApplicationDeactivate:
            if (m_target) {
                m_target->Close();
            }
            break;
        default:
            break;
    }
    return false;
}

bool MenuHook::WalkKey(int key) {
    SkinMenu* menu = m_target->InnermostOpenMenu();
    switch (key) {
        case Qt::Key_Down:
            menu->WalkRows(1);
            return true;
        case Qt::Key_Up:
            menu->WalkRows(-1);
            return true;
        case Qt::Key_Right:
            menu->EnterSubMenu();
            return true;
        case Qt::Key_Left:
            if (SkinMenu* parent = menu->parentMenu()) {
                parent->HideSubMenus();
            }
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (!menu->EnterSubMenu()) {
                menu->ChooseRow(menu->hoverIndex());
            }
            return true;
        default:
            return false;
    }
}

}  // namespace solune
