#include "shared/skin/AccessibleSkinSlider.h"

#include "shared/skin/AccessibleSliderThumb.h"
#include "shared/skin/CVixSliderCtrl.h"
#include "shared/skin/CVixSliderCtrl3D.h"
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

AccessibleSkinSlider3D::AccessibleSkinSlider3D(CVixSliderCtrl3D* slider)
    : QAccessibleWidget(slider, QAccessible::Grouping) {}

QAccessible::Role AccessibleSkinSlider3D::role() const {
    return SpokenRole(*widget(), QAccessible::Grouping);
}

AccessibleSkinSlider3D::~AccessibleSkinSlider3D() {
    for (QAccessible::Id id : m_thumbIds) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

QString AccessibleSkinSlider3D::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) {
        return widget()->accessibleName();
    }
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleSkinSlider3D::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    AddSliderStates(*static_cast<CVixSliderCtrl3D*>(widget()), s);
    return s;
}

int AccessibleSkinSlider3D::childCount() const {
    return static_cast<int>(m_thumbIds.size());
}

QAccessibleInterface* AccessibleSkinSlider3D::child(int index) const {
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    QAccessible::Id& id = m_thumbIds[static_cast<std::size_t>(index)];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(
            new AccessibleSliderThumb(static_cast<CVixSliderCtrl3D*>(widget()), index + 1));
    }
    return QAccessible::accessibleInterface(id);
}

int AccessibleSkinSlider3D::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i) {
        const QAccessible::Id id = m_thumbIds[static_cast<std::size_t>(i)];
        if (id != 0 && QAccessible::accessibleInterface(id) == child) {
            return i;
        }
    }
    return -1;
}

}  // namespace solune
