#include "shared/skin/AccessibleSkinStatic.h"

#include "shared/skin/CVixProgressCtrl.h"
#include "shared/skin/CVixStatic.h"
#include "shared/skin/SkinAccessibility.h"
#include "shared/skin/SpokenText.h"

namespace solune {

AccessibleSkinStatic::AccessibleSkinStatic(QWidget* widget)
    : QAccessibleWidget(widget, QAccessible::StaticText) {}

QAccessible::Role AccessibleSkinStatic::role() const {
    return SpokenRole(*widget(), QAccessible::StaticText);
}

QString AccessibleSkinStatic::text(QAccessible::Text t) const {
    if (t != QAccessible::Name) {
        return QAccessibleWidget::text(t);
    }
    if (const auto* spoken = dynamic_cast<const SpokenText*>(widget())) {
        return spoken->text();
    }
    const QString name = widget()->accessibleName();
    const auto* label = dynamic_cast<const CVixStatic*>(widget());
    const QString shown = label != nullptr ? label->GetText() : QString();
    if (shown.isEmpty() || shown == name) {
        return name;
    }
    return name.isEmpty() ? shown : name + QStringLiteral(": ") + shown;
}

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

AccessibleSpokenWidget::AccessibleSpokenWidget(QWidget* widget)
    : QAccessibleWidget(widget, QAccessible::Client) {}

QAccessible::Role AccessibleSpokenWidget::role() const {
    return SpokenRole(*widget(), QAccessible::Client);
}

QString AccessibleSpokenWidget::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? widget()->accessibleName() : QAccessibleWidget::text(t);
}

}  // namespace solune
