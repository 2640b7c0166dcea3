#include "config/pages/PointerSliders.h"

#include "config/profiles/Profile.h"
#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/CVixSliderCtrl.h"

namespace solune {
namespace {

enum { kDoubleClick = 0, kScrollSpeed = 1, kAcceleration = 2 };

}  // namespace

PointerSliders::PointerSliders(CVixCheckBox& enable, std::array<CVixSliderCtrl*, 3> sliders)
    : m_enable(enable), m_sliders(sliders) {}

void PointerSliders::Start() {
    for (std::size_t i = 0; i < kRanges.size(); ++i) {
        CVixSliderCtrl& slider = *m_sliders[i];
        slider.setMinValue(kRanges[i].minValue);
        slider.setMaxValue(kRanges[i].maxValue);
        slider.setStep(kRanges[i].step);
        slider.SetPos(kRanges[i].startValue);
    }
    m_sliders[kAcceleration]->setState(CVixSliderCtrl::kDisabled);
}

void PointerSliders::FollowEnable() {
    // setState repaints the slider.
    m_sliders[kAcceleration]->setState(m_enable.isChecked() ? CVixSliderCtrl::kNormal
                                                        : CVixSliderCtrl::kDisabled);
}

void PointerSliders::Load(const Profile& profile) {
    m_sliders[kDoubleClick]->SetPos(profile.doubleClickSetting);
    m_sliders[kScrollSpeed]->SetPos(profile.scrollLines);
    const bool enabled = profile.accelerationEnabled != 0;
    if (m_enable.isChecked() != enabled) {
        m_enable.setChecked(enabled);
    }
    FollowEnable();
    m_sliders[kAcceleration]->SetPos(profile.accelerationLevel);
}

void PointerSliders::Store(Profile& profile) const {
    profile.doubleClickSetting = static_cast<std::int16_t>(m_sliders[kDoubleClick]->value());
    profile.scrollLines = static_cast<std::int16_t>(m_sliders[kScrollSpeed]->value());
    profile.accelerationEnabled = m_enable.isChecked() ? 1 : 0;
    profile.accelerationLevel = static_cast<std::int16_t>(m_sliders[kAcceleration]->value());
}

}  // namespace solune
