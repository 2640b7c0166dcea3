#include "shared/skin/AccessibleSkinStatic.h"

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

}  // namespace solune
