#pragma once
// The screen reader's view of the four-picture buttons (CVixButton,
// CVixCheckBox, the combo buttons, the colour buttons).
//
// Role: check box for CVixCheckBox, combo box for the combo buttons (their
// open menu is their one child), push button otherwise; SetSpokenRole
// overrides it. Name: the drawn caption of a CVixButton, else the widget's
// accessible name. Value: a combo button's caption (the chosen row).
// States besides the widget's own: pressed while held down, checked for a
// checked box or a selected button or combo, expanded while a combo's menu is
// open. Actions: toggle (check boxes and radio buttons), open menu (combo
// buttons) or press (the rest); each does what a click does (Activate).

#include <QAccessibleWidget>

namespace solune {

class SkinButtonBase;

class AccessibleSkinButton : public QAccessibleWidget {
  public:
    explicit AccessibleSkinButton(SkinButtonBase* button);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

  private:
    SkinButtonBase* button() const;
    // The interface of a combo button's menu, nullptr for other buttons.
    QAccessibleInterface* menuInterface() const;
};

}  // namespace solune
