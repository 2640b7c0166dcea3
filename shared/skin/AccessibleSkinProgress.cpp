#include "shared/skin/AccessibleSkinProgress.h"

#include "shared/skin/CVixProgressCtrl.h"
#include "shared/skin/SkinAccessibility.h"

namespace solune {

AccessibleSkinProgress::AccessibleSkinProgress(CVixProgressCtrl* bar)
    : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

QAccessible::Role AccessibleSkinProgress::role() const {
    return SpokenRole(*widget(), QAccessible::ProgressBar);
}

CVixProgressCtrl* AccessibleSkinProgress::bar() const {
    return static_cast<CVixProgressCtrl*>(widget());
}

QString AccessibleSkinProgress::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        return widget()->accessibleName();
    }
    if (t == QAccessible::Value) {
        return QString::number(bar()->value());
    }
    return QAccessibleWidget::text(t);
}

void* AccessibleSkinProgress::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(t);
}

QVariant AccessibleSkinProgress::currentValue() const {
    return bar()->value();
}

QVariant AccessibleSkinProgress::maximumValue() const {
    return bar()->maxValue();
}

QVariant AccessibleSkinProgress::minimumValue() const {
    return bar()->minValue();
}

}  // namespace solune
