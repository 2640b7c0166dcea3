#pragma once
// The screen reader's view of the controls that only show something.
//
// AccessibleSkinStatic (CVixStatic, CVixMouseStatic, SpokenText): role static
// text, or what SetSpokenRole gave (a picture is a graphic). Name: for a
// SpokenText its text; else the accessible name and the shown text, as
// "name: text" when both are there and differ, else whichever is there.
// AccessibleSkinProgress (CVixProgressCtrl): role progress bar with the bar's
// value and bounds (read only).
// AccessibleSpokenWidget: any other widget of the skinned windows (the
// pages, the lists), with the role SetSpokenRole gave it (else client) and
// named by its accessible name.

#include <QAccessibleWidget>

namespace solune {

class CVixProgressCtrl;

class AccessibleSkinStatic : public QAccessibleWidget {
  public:
    explicit AccessibleSkinStatic(QWidget* widget);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
};

class AccessibleSkinProgress : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit AccessibleSkinProgress(CVixProgressCtrl* bar);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 0; }

  private:
    CVixProgressCtrl* bar() const;
};

class AccessibleSpokenWidget : public QAccessibleWidget {
  public:
    explicit AccessibleSpokenWidget(QWidget* widget);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
};

}  // namespace solune
