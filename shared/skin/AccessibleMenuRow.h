#pragma once
// One row of a pop-up menu as a screen reader sees it: a menu item without a
// widget, named by its text, disabled when the row is, focused while walked
// to. Its action (press, or open menu for a row with a sub-menu, whose menu
// is then its one child) does what a click on the row does
// (SkinMenu::ChooseRow), from the event loop.

#include <QAccessible>
#include <QPointer>

namespace solune {

class SkinMenu;

class AccessibleMenuRow : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    AccessibleMenuRow(SkinMenu* menu, int rowId);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    // The row's index in its menu, -1 when the row is gone.
    int index() const;
    // The interface of the row's sub-menu, nullptr when it opens none.
    QAccessibleInterface* subMenuInterface() const;

    QPointer<SkinMenu> m_menu;
    int m_rowId;
};

}  // namespace solune
