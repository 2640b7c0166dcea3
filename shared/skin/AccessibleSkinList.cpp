#include "shared/skin/AccessibleSkinList.h"

#include "shared/skin/AccessibleListRow.h"
#include "shared/skin/SpokenRows.h"

namespace solune {

AccessibleSkinList::AccessibleSkinList(QWidget* widget, SpokenRows* rows)
    : QAccessibleWidget(widget, QAccessible::List), m_rows(rows) {}

AccessibleSkinList::~AccessibleSkinList() {
    for (const auto& [index, id] : m_rowIds) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

int AccessibleSkinList::childCount() const {
    return m_rows->spokenRowCount() + QAccessibleWidget::childCount();
}

QAccessibleInterface* AccessibleSkinList::child(int index) const {
    const int rows = m_rows->spokenRowCount();
    if (index < 0) {
        return nullptr;
    }
    if (index >= rows) {
        return QAccessibleWidget::child(index - rows);
    }
    auto found = m_rowIds.find(index);
    if (found == m_rowIds.end()) {
        found = m_rowIds
                    .emplace(index, QAccessible::registerAccessibleInterface(
                                        new AccessibleListRow(widget(), m_rows, index)))
                    .first;
    }
    return QAccessible::accessibleInterface(found->second);
}

int AccessibleSkinList::indexOfChild(const QAccessibleInterface* child) const {
    for (const auto& [index, id] : m_rowIds) {
        if (QAccessible::accessibleInterface(id) == child) {
            return index < m_rows->spokenRowCount() ? index : -1;
        }
    }
    const int widgetIndex = QAccessibleWidget::indexOfChild(child);
    return widgetIndex >= 0 ? m_rows->spokenRowCount() + widgetIndex : -1;
}

}  // namespace solune
