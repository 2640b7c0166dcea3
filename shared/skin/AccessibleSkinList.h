#pragma once
// A list that draws its own rows (SpokenRows) as a screen reader sees it: a
// list whose first children are its rows (list items, AccessibleListRow),
// followed by its child widgets (the scroll control).

#include <QAccessibleWidget>
#include <map>

namespace solune {

class SpokenRows;

class AccessibleSkinList : public QAccessibleWidget {
  public:
    AccessibleSkinList(QWidget* widget, SpokenRows* rows);
    ~AccessibleSkinList() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

  private:
    SpokenRows* m_rows;
    // The row interfaces made so far, by row index.
    mutable std::map<int, QAccessible::Id> m_rowIds;
};

}  // namespace solune
