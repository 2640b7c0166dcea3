#include "shared/skin/AccessibleSpokenWidget.h"

#include <QWidget>

#include "shared/skin/SkinAccessibility.h"

namespace solune {

AccessibleSpokenWidget::AccessibleSpokenWidget(QWidget* widget)
    : QAccessibleWidget(widget, QAccessible::Client) {}

QAccessible::Role AccessibleSpokenWidget::role() const {
    return SpokenRole(*widget(), QAccessible::Client);
}

QString AccessibleSpokenWidget::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? widget()->accessibleName() : QAccessibleWidget::text(t);
}

}  // namespace solune
