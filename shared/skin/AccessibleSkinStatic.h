#pragma once
// The screen reader's view of the labels and pictures.
//
// CVixStatic, CVixMouseStatic and SpokenText: role static text, or what
// SetSpokenRole gave (a picture is a graphic). Name: for a SpokenText its
// text; else the accessible name and the shown text, as
// "name: text" when both are there and differ, else whichever is there.

#include <QAccessibleWidget>

namespace solune {

class AccessibleSkinStatic : public QAccessibleWidget {
  public:
    explicit AccessibleSkinStatic(QWidget* widget);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
};

}  // namespace solune
