#include "shared/skin/AnnounceChange.h"

#include <QAccessible>
#include <QWidget>

namespace solune {

void AnnounceChange(QWidget& widget, Spoken what) {
    if (what == Spoken::Look || !QAccessible::isActive()) {
        return;
    }
    switch (what) {
        case Spoken::Name: {
            QAccessibleEvent event(&widget, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
            return;
        }
        case Spoken::Value: {
            // A control without a number (a combo button) tells its shown text.
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&widget);
            if (iface == nullptr) {
                return;
            }
            QAccessibleValueInterface* value = iface->valueInterface();
            QAccessibleValueChangeEvent event(
                &widget, value ? value->currentValue() : QVariant(iface->text(QAccessible::Value)));
            QAccessible::updateAccessibility(&event);
            return;
        }
        case Spoken::Checked: {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(&widget, changed);
            QAccessible::updateAccessibility(&event);
            return;
        }
        case Spoken::Look:
            return;
    }
}

}  // namespace solune
