#include "config/pages/ReportRateGroup.h"

#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/SkinAccessibility.h"

namespace solune {

ReportRateGroup::ReportRateGroup(std::array<CVixCheckBox*, 4> boxes) : m_boxes(boxes) {
    // One of the four is on: to a screen reader they are radio buttons.
    for (CVixCheckBox* box : m_boxes) {
        SetSpokenRole(*box, QAccessible::RadioButton);
    }
}

bool ReportRateGroup::IsBox(int id) {
    for (const Box& box : kBoxes) {
        if (box.id == id) {
            return true;
        }
    }
    return false;
}

void ReportRateGroup::SetTick(CVixCheckBox& box, bool ticked) {
    if (box.isChecked() != ticked) {
        box.setChecked(ticked);
    }
}

void ReportRateGroup::Clicked(int id) {
    for (CVixCheckBox* box : m_boxes) {
        SetTick(*box, false);
    }
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        if (kBoxes[i].id == id) {
            SetTick(*m_boxes[i], true);
        }
    }
}

void ReportRateGroup::Show(std::int16_t interval) {
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        SetTick(*m_boxes[i], kBoxes[i].interval == interval);
    }
}

void ReportRateGroup::Store(std::int16_t& interval) const {
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        if (m_boxes[i]->isChecked()) {
            interval = kBoxes[i].interval;
            return;
        }
    }
}

}  // namespace solune
