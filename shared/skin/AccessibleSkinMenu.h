#pragma once
// The screen reader's view of a pop-up menu (both families): role pop-up
// menu, one menu-item child per row (AccessibleMenuRow), invisible while the
// menu is hidden. Its parent is its owner's interface (a combo button lists
// its menu as its child).

#include <QAccessibleWidget>
#include <map>

namespace solune {

class SkinMenu;

class AccessibleSkinMenu : public QAccessibleWidget {
  public:
    explicit AccessibleSkinMenu(SkinMenu* menu);
    ~AccessibleSkinMenu() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;

  private:
    SkinMenu* menu() const;

    // The row interfaces made so far, by row id; registered with QAccessible
    // and deleted with this interface.
    mutable std::map<int, QAccessible::Id> m_rowIds;
};

}  // namespace solune
