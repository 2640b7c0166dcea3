#include "shared/skin/AccessibleSkinMenu.h"

#include "shared/skin/AccessibleMenuRow.h"
#include "shared/skin/SkinMenu.h"

namespace solune {

AccessibleSkinMenu::AccessibleSkinMenu(SkinMenu* menu)
    : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

AccessibleSkinMenu::~AccessibleSkinMenu() {
    for (const auto& [rowId, id] : m_rowIds) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

SkinMenu* AccessibleSkinMenu::menu() const {
    return static_cast<SkinMenu*>(widget());
}

QString AccessibleSkinMenu::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        // A menu is named after what opens it: its combo button, or the row
        // of its parent menu.
        if (SkinMenu* parentMenu = menu()->parentMenu()) {
            for (int i = 0; i < parentMenu->rowCount(); ++i) {
                if (parentMenu->row(i).id == menu()->controlId()) {
                    return parentMenu->row(i).text;
                }
            }
        }
        QWidget* owner = menu()->owner();
        QAccessibleInterface* ownerInterface =
            owner != nullptr ? QAccessible::queryAccessibleInterface(owner) : nullptr;
        return ownerInterface != nullptr ? ownerInterface->text(QAccessible::Name) : QString();
    }
    return QAccessibleWidget::text(t);
}

int AccessibleSkinMenu::childCount() const {
    return menu()->rowCount();
}

QAccessibleInterface* AccessibleSkinMenu::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    const int rowId = menu()->row(index).id;
    auto found = m_rowIds.find(rowId);
    if (found == m_rowIds.end()) {
        found = m_rowIds
                    .emplace(rowId, QAccessible::registerAccessibleInterface(
                                        new AccessibleMenuRow(menu(), rowId)))
                    .first;
    }
    return QAccessible::accessibleInterface(found->second);
}

int AccessibleSkinMenu::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i) {
        const auto found = m_rowIds.find(menu()->row(i).id);
        if (found != m_rowIds.end() && QAccessible::accessibleInterface(found->second) == child) {
            return i;
        }
    }
    return -1;
}

QAccessibleInterface* AccessibleSkinMenu::focusChild() const {
    const int hover = menu()->hoverIndex();
    return hover >= 0 ? child(hover) : nullptr;
}

}  // namespace solune
