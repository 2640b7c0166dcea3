#pragma once
// The screen reader's view of any other widget of the skinned windows (the
// pages, the lists, the scroll controls): the role SetSpokenRole gave it
// (else client), named by its accessible name.

#include <QAccessibleWidget>

namespace solune {

class AccessibleSpokenWidget : public QAccessibleWidget {
  public:
    explicit AccessibleSpokenWidget(QWidget* widget);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
};

}  // namespace solune
