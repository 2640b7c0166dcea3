#pragma once
// The screen reader's view of the progress bar (CVixProgressCtrl): role
// progress bar (or what SetSpokenRole gave), named by the widget's accessible
// name, with the bar's value and bounds (read only).

#include <QAccessibleWidget>

namespace solune {

class CVixProgressCtrl;

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

}  // namespace solune
