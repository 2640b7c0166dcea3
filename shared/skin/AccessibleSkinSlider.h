#pragma once
// The screen reader's view of the sliders.
//
// CVixSliderCtrl: role slider, the widget's accessible name, its value with
// the bounds and step; setting the value moves the thumb as a drag to that
// value does (SetValueByUser: clamped, snapped, told to the page).
// CVixSliderCtrl3D: role grouping, with one slider child per thumb, named
// after the slider's thumb pattern (SpokenThumbName) and settable the same
// way.

#include <QAccessibleWidget>
#include <array>

namespace solune {

class CVixSliderCtrl;
class CVixSliderCtrl3D;
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

class AccessibleSkinSlider3D : public QAccessibleWidget {
  public:
    explicit AccessibleSkinSlider3D(CVixSliderCtrl3D* slider);
    ~AccessibleSkinSlider3D() override;

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

  private:
    mutable std::array<QAccessible::Id, 3> m_thumbIds{};
};

// The disabled state of a slider (state 3) as the screen reader's.
void AddSliderStates(const SkinSliderBase& slider, QAccessible::State& state);

}  // namespace solune
