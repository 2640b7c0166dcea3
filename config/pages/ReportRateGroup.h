#pragma once
// The report-rate boxes of the button page, "125", "250", "500" and "1000",
// as one group: exactly one box is ticked after every click on any of them
// (also on the box that was ticked already); a profile whose report interval
// is none of 8, 4, 2 and 1 ms ticks none, and storing then leaves the
// interval as it was.

#include <array>
#include <cstdint>

#include "shared/layout/ButtonPageLayout.h"

namespace solune {

class CVixCheckBox;

class ReportRateGroup {
  public:
    struct Box {
        int id;                 // control id of the box
        std::int16_t interval;  // report interval in ms that the box stands for
    };
    // In the order the page stores them: "125" (8 ms), "250" (4), "500" (2),
    // "1000" (1).
    static constexpr std::array<Box, 4> kBoxes = {{{layout::kRate125Id, 8},
                                                   {layout::kRate250Id, 4},
                                                   {layout::kRate500Id, 2},
                                                   {layout::kRate1000Id, 1}}};

    // The boxes, in kBoxes order (borrowed; owned by the page).
    explicit ReportRateGroup(std::array<CVixCheckBox*, 4> boxes);

    // True when `id` is one of the boxes.
    static bool IsBox(int id);

    // The box `id` was clicked (it has toggled itself already): all four
    // unticked, then `id` ticked.
    void Clicked(int id);
    // Ticks the box of `interval` and unticks the others; an interval
    // without a box unticks all four.
    void Show(std::int16_t interval);
    // The interval of the first ticked box in kBoxes order; `interval` is
    // left as it is when none is ticked.
    void Store(std::int16_t& interval) const;

  private:
    // Sets one box, repainting it only when its tick changes.
    static void SetTick(CVixCheckBox& box, bool ticked);

    std::array<CVixCheckBox*, 4> m_boxes;
};

}  // namespace solune
