#include "shared/skin/AccessibleSkinSlider3D.h"

#include "shared/skin/AccessibleSkinSlider.h"
#include "shared/skin/AccessibleSliderThumb.h"
#include "shared/skin/CVixSliderCtrl3D.h"
#include "shared/skin/SkinAccessibility.h"

namespace solune {

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
