#include "shared/skin/AccessibleSliderThumb.h"

#include <QWidget>

#include "shared/skin/AccessibleSkinSlider.h"
#include "shared/skin/CVixSliderCtrl3D.h"

namespace solune {

AccessibleSliderThumb::AccessibleSliderThumb(CVixSliderCtrl3D* slider, int thumb)
    : m_slider(slider), m_thumb(thumb) {}

bool AccessibleSliderThumb::isValid() const {
    return !m_slider.isNull();
}

QWindow* AccessibleSliderThumb::window() const {
    return m_slider ? m_slider->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleSliderThumb::parent() const {
    return m_slider ? QAccessible::queryAccessibleInterface(m_slider.data()) : nullptr;
}

QString AccessibleSliderThumb::text(QAccessible::Text t) const {
    if (!m_slider) {
        return {};
    }
    if (t == QAccessible::Name) {
        return m_slider->SpokenThumbName(m_thumb);
    }
    if (t == QAccessible::Value) {
        return QString::number(m_slider->thumbValue(m_thumb));
    }
    return {};
}

QRect AccessibleSliderThumb::rect() const {
    if (!m_slider) {
        return {};
    }
    const QRect local = m_slider->thumbRect(m_thumb);
    return QRect(m_slider->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State AccessibleSliderThumb::state() const {
    QAccessible::State s;
    if (!m_slider) {
        s.invalid = true;
        return s;
    }
    s.invisible = !m_slider->isVisible();
    s.disabled = !m_slider->isEnabled();
    AddSliderStates(*m_slider, s);
    return s;
}

void* AccessibleSliderThumb::interface_cast(QAccessible::InterfaceType t) {
    return t == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                            : nullptr;
}

QVariant AccessibleSliderThumb::currentValue() const {
    return m_slider ? m_slider->thumbValue(m_thumb) : 0;
}

void AccessibleSliderThumb::setCurrentValue(const QVariant& value) {
    if (m_slider) {
        m_slider->SetThumbByUser(m_thumb, value.toInt());
    }
}

QVariant AccessibleSliderThumb::maximumValue() const {
    return m_slider ? m_slider->maxValue() : 0;
}

QVariant AccessibleSliderThumb::minimumValue() const {
    return m_slider ? m_slider->minValue() : 0;
}

QVariant AccessibleSliderThumb::minimumStepSize() const {
    return m_slider ? m_slider->step() : 0;
}

}  // namespace solune
