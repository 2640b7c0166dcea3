#include "shared/skin/AccessibleSkinSlider.h"

#include "shared/skin/CVixSliderCtrl.h"
#include "shared/skin/SkinAccessibility.h"

namespace solune {

void AddSliderStates(const SkinSliderBase& slider, QAccessible::State& state) {
    if (slider.state() == SkinSliderBase::kDisabled) {
        state.disabled = true;
    }
}

AccessibleSkinSlider::AccessibleSkinSlider(CVixSliderCtrl* slider)
    : QAccessibleWidget(slider, QAccessible::Slider) {}

QAccessible::Role AccessibleSkinSlider::role() const {
    return SpokenRole(*widget(), QAccessible::Slider);
}

CVixSliderCtrl* AccessibleSkinSlider::slider() const {
    return static_cast<CVixSliderCtrl*>(widget());
}

QString AccessibleSkinSlider::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        return widget()->accessibleName();
    }
    if (t == QAccessible::Value) {
        return QString::number(slider()->value());
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleSkinSlider::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    AddSliderStates(*slider(), s);
    return s;
}

void* AccessibleSkinSlider::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::ValueInterface) {
        return static_cast<QAccessibleValueInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(t);
}

QVariant AccessibleSkinSlider::currentValue() const {
    return slider()->value();
}

void AccessibleSkinSlider::setCurrentValue(const QVariant& value) {
    slider()->SetValueByUser(value.toInt());
}

QVariant AccessibleSkinSlider::maximumValue() const {
    return slider()->maxValue();
}

QVariant AccessibleSkinSlider::minimumValue() const {
    return slider()->minValue();
}

QVariant AccessibleSkinSlider::minimumStepSize() const {
    return slider()->step();
}

}  // namespace solune
