#include "shared/skin/AccessibleListRow.h"

#include <QTimer>

#include "shared/skin/SpokenRows.h"

namespace solune {

AccessibleListRow::AccessibleListRow(QWidget* list, SpokenRows* rows, int index)
    : m_list(list), m_rows(rows), m_index(index) {}

bool AccessibleListRow::isValid() const {
    return m_list && m_index < m_rows->spokenRowCount();
}

QWindow* AccessibleListRow::window() const {
    return m_list ? m_list->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleListRow::parent() const {
    return m_list ? QAccessible::queryAccessibleInterface(m_list.data()) : nullptr;
}

QString AccessibleListRow::text(QAccessible::Text t) const {
    return t == QAccessible::Name && isValid() ? m_rows->spokenRowText(m_index) : QString();
}

QRect AccessibleListRow::rect() const {
    if (!isValid()) {
        return {};
    }
    const QRect r = m_rows->spokenRowRect(m_index);
    return QRect(m_list->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State AccessibleListRow::state() const {
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    // A row scrolled out of the list's view is not on the screen.
    s.invisible = !m_list->isVisible() || !m_list->rect().intersects(m_rows->spokenRowRect(m_index));
    s.selectable = true;
    s.selected = m_rows->spokenRowSelected(m_index);
    return s;
}

void* AccessibleListRow::interface_cast(QAccessible::InterfaceType t) {
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                             : nullptr;
}

QStringList AccessibleListRow::actionNames() const {
    return isValid() && m_list->isEnabled() ? QStringList{pressAction()} : QStringList{};
}

void AccessibleListRow::doAction(const QString& actionName) {
    if (!actionNames().contains(actionName)) {
        return;
    }
    // From the event loop, as a click arrives.
    QPointer<QWidget> list = m_list;
    SpokenRows* rows = m_rows;
    const int index = m_index;
    QTimer::singleShot(0, list, [list, rows, index] {
        if (list && index < rows->spokenRowCount()) {
            rows->ChooseSpokenRow(index);
        }
    });
}

}  // namespace solune
