#include "shared/skin/AccessibleMenuRow.h"

#include <QTimer>
#include <QWidget>

#include "shared/skin/SkinMenu.h"

namespace solune {

AccessibleMenuRow::AccessibleMenuRow(SkinMenu* menu, int rowId) : m_menu(menu), m_rowId(rowId) {}

int AccessibleMenuRow::index() const {
    if (!m_menu) {
        return -1;
    }
    for (int i = 0; i < m_menu->rowCount(); ++i) {
        if (m_menu->row(i).id == m_rowId) {
            return i;
        }
    }
    return -1;
}

bool AccessibleMenuRow::isValid() const {
    return index() >= 0;
}

QWindow* AccessibleMenuRow::window() const {
    return m_menu ? m_menu->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleMenuRow::parent() const {
    return m_menu ? QAccessible::queryAccessibleInterface(m_menu.data()) : nullptr;
}

QAccessibleInterface* AccessibleMenuRow::subMenuInterface() const {
    const int i = index();
    if (i < 0 || !m_menu->RowOpensSubMenu(i)) {
        return nullptr;
    }
    return QAccessible::queryAccessibleInterface(m_menu->GetSubMenu(m_rowId));
}

QAccessibleInterface* AccessibleMenuRow::child(int index) const {
    return index == 0 ? subMenuInterface() : nullptr;
}

int AccessibleMenuRow::childCount() const {
    return subMenuInterface() != nullptr ? 1 : 0;
}

int AccessibleMenuRow::indexOfChild(const QAccessibleInterface* child) const {
    return child != nullptr && child == subMenuInterface() ? 0 : -1;
}

QString AccessibleMenuRow::text(QAccessible::Text t) const {
    const int i = index();
    return t == QAccessible::Name && i >= 0 ? m_menu->row(i).text : QString();
}

QRect AccessibleMenuRow::rect() const {
    const int i = index();
    if (i < 0) {
        return {};
    }
    const MenuRect& r = m_menu->row(i).rect;
    return QRect(m_menu->mapToGlobal(QPoint(r.left, r.top)),
                 QSize(r.right - r.left, r.bottom - r.top));
}

QAccessible::State AccessibleMenuRow::state() const {
    QAccessible::State s;
    const int i = index();
    if (i < 0) {
        s.invalid = true;
        return s;
    }
    s.invisible = !m_menu->isVisible();
    s.disabled = !m_menu->row(i).enabled;
    s.focusable = true;
    s.focused = m_menu->hoverIndex() == i;
    s.hasPopup = m_menu->RowOpensSubMenu(i);
    return s;
}

void* AccessibleMenuRow::interface_cast(QAccessible::InterfaceType t) {
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                             : nullptr;
}

QStringList AccessibleMenuRow::actionNames() const {
    const int i = index();
    if (i < 0 || !m_menu->row(i).enabled) {
        return {};
    }
    return {m_menu->RowOpensSubMenu(i) ? showMenuAction() : pressAction()};
}

void AccessibleMenuRow::doAction(const QString& actionName) {
    if (!actionNames().contains(actionName)) {
        return;
    }
    // From the event loop: the owner may open a modal dialog for the row.
    QPointer<SkinMenu> menu = m_menu;
    const int rowId = m_rowId;
    QTimer::singleShot(0, menu, [menu, rowId] {
        if (!menu) {
            return;
        }
        for (int i = 0; i < menu->rowCount(); ++i) {
            if (menu->row(i).id == rowId) {
                menu->ChooseRow(i);
                return;
            }
        }
    });
}

}  // namespace solune
