#pragma once
// The screen reader's view of the sliders.
//
// CVixSliderCtrl: role slider, the widget's accessible name, its value with
// the bounds and step; setting the value moves the thumb as a drag to that
// value does (SetValueByUser: clamped, snapped, told to the page).
// The three-thumb slider's view is AccessibleSkinSlider3D.

#include <QAccessibleWidget>

namespace solune {

class CVixSliderCtrl;
class SkinSliderBase;

class AccessibleSkinSlider : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit AccessibleSkinSlider(CVixSliderCtrl* slider);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

  private:
    CVixSliderCtrl* slider() const;
};

// The disabled state of a slider (state 3) as the screen reader's.
void AddSliderStates(const SkinSliderBase& slider, QAccessible::State& state);

}  // namespace solune
