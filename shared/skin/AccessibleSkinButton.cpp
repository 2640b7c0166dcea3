#include "shared/skin/AccessibleSkinButton.h"

#include <QPointer>
#include <QTimer>

#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/SkinAccessibility.h"
#include "shared/skin/SkinComboButton.h"
#include "shared/skin/SkinMenu.h"

namespace solune {
namespace {

QAccessible::Role ClassRole(const SkinButtonBase* button) {
    if (dynamic_cast<const CVixCheckBox*>(button)) {
        return QAccessible::CheckBox;
    }
    if (dynamic_cast<const SkinComboButton*>(button)) {
        return QAccessible::ComboBox;
    }
    return QAccessible::Button;
}

bool IsChecked(const SkinButtonBase* button) {
    if (const auto* box = dynamic_cast<const CVixCheckBox*>(button)) {
        return box->isChecked();
    }
    if (const auto* plain = dynamic_cast<const CVixButton*>(button)) {
        return plain->isSelected();
    }
    if (const auto* combo = dynamic_cast<const SkinComboButton*>(button)) {
        return combo->isSelected();
    }
    return false;
}

}  // namespace

AccessibleSkinButton::AccessibleSkinButton(SkinButtonBase* button)
    : QAccessibleWidget(button, ClassRole(button)) {}

SkinButtonBase* AccessibleSkinButton::button() const {
    return static_cast<SkinButtonBase*>(widget());
}

QAccessible::Role AccessibleSkinButton::role() const {
    return SpokenRole(*widget(), ClassRole(button()));
}

QString AccessibleSkinButton::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        const auto* plain = dynamic_cast<const CVixButton*>(button());
        if (plain != nullptr && !plain->caption().isEmpty()) {
            return plain->caption();
        }
        return widget()->accessibleName();
    }
    if (t == QAccessible::Value) {
        if (const auto* combo = dynamic_cast<const SkinComboButton*>(button())) {
            return combo->caption();
        }
        return {};
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleSkinButton::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.pressed = button()->visualState() == SkinButtonBase::kDown;
    const QAccessible::Role r = role();
    if (r == QAccessible::CheckBox || r == QAccessible::RadioButton) {
        s.checkable = true;
    }
    s.checked = IsChecked(button());
    if (const auto* combo = dynamic_cast<const SkinComboButton*>(button())) {
        s.hasPopup = combo->menu() != nullptr;
        s.expandable = s.hasPopup;
        s.expanded = combo->menuShown();
        s.collapsed = s.hasPopup && !s.expanded;
    }
    return s;
}

QAccessibleInterface* AccessibleSkinButton::menuInterface() const {
    const auto* combo = dynamic_cast<const SkinComboButton*>(button());
    if (combo == nullptr || combo->menu() == nullptr) {
        return nullptr;
    }
    return QAccessible::queryAccessibleInterface(combo->menu());
}

int AccessibleSkinButton::childCount() const {
    return menuInterface() != nullptr ? 1 : 0;
}

QAccessibleInterface* AccessibleSkinButton::child(int index) const {
    return index == 0 ? menuInterface() : nullptr;
}

int AccessibleSkinButton::indexOfChild(const QAccessibleInterface* child) const {
    return child != nullptr && child == menuInterface() ? 0 : -1;
}

QStringList AccessibleSkinButton::actionNames() const {
    if (!widget()->isEnabled()) {
        return {};
    }
    switch (role()) {
        case QAccessible::CheckBox:
        case QAccessible::RadioButton:
            return {toggleAction()};
        case QAccessible::ComboBox:
            return {showMenuAction(), pressAction()};
        default:
            return {pressAction()};
    }
}

void AccessibleSkinButton::doAction(const QString& actionName) {
    if (!actionNames().contains(actionName)) {
        return;
    }
    // From the event loop: a click may open a modal dialog, and the screen
    // reader's call must return first.
    QPointer<SkinButtonBase> target(button());
    QTimer::singleShot(0, target, [target] {
        if (target) {
            target->Activate();
        }
    });
}

}  // namespace solune
