#pragma once
// The pointer settings of the button page: the sliders "Double Click",
// "Scroll Speed" and "Point Acceleration" and the box "Enable" that switches
// the acceleration slider on and off.
//
// The sliders' bounds, steps and values after building:
//   "Double Click"        200 … 1400, step 200, 800  → doubleClickSetting
//   "Scroll Speed"          1 … 6,    step 1,   1    → scrollLines
//   "Point Acceleration"    1 … 3,    step 1,   2    → accelerationLevel
// The acceleration slider starts disabled (state 3). While "Enable" is
// unticked it is greyed but keeps its value, and that value is still stored.

#include <array>

#include "shared/layout/ButtonPageLayout.h"

namespace solune {

class CVixCheckBox;
class CVixSliderCtrl;
struct Profile;

class PointerSliders {
  public:
    using Range = layout::SliderRange;
    static constexpr int kEnableId = layout::kAccelerationEnableId;
    static constexpr auto kRanges = layout::kButtonPageSliderRanges;

    // Borrowed controls, owned by the page; sliders in kRanges order.
    PointerSliders(CVixCheckBox& enable, std::array<CVixSliderCtrl*, 3> sliders);

    // Bounds, steps and start values; the acceleration slider disabled.
    void Start();
    // The acceleration slider follows the tick of "Enable": enabled (state 0)
    // or greyed (state 3). The page calls it after a click on "Enable" (the
    // box has toggled itself by then).
    void FollowEnable();
    void Load(const Profile& profile);
    void Store(Profile& profile) const;

  private:
    CVixCheckBox& m_enable;
    std::array<CVixSliderCtrl*, 3> m_sliders;
};

}  // namespace solune
