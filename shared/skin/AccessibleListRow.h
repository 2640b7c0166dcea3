#pragma once
// One row of a list that draws its own rows, as a screen reader sees it: a
// list item without a widget, named by the row's words, selected when the
// row is. Its action (press) does what a click on the row does, from the
// event loop.

#include <QAccessible>
#include <QPointer>
#include <QWidget>

namespace solune {

class SpokenRows;

class AccessibleListRow : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    AccessibleListRow(QWidget* list, SpokenRows* rows, int index);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPointer<QWidget> m_list;
    SpokenRows* m_rows;
    int m_index;
};

}  // namespace solune
