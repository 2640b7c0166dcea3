#include "config/macros/CMacro.h"

#include <algorithm>

namespace solune {

std::uint32_t CMacro::NextSerial() const {
    std::uint32_t largest = 0;
    for (const CEventItem& row : events) {
        largest = std::max(largest, row.serial);
    }
    return largest + 1;
}

int CMacro::FirstSelectedRow() const {
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (events[i].selected != 0) {
            return static_cast<int>(i);
        }
    }
    return kNoRow;
}

void CMacro::DeselectAll() {
    for (CEventItem& row : events) {
        row.selected = 0;
    }
}

void CMacro::AddEvent(std::uint8_t kind, std::int16_t code, std::uint8_t edge, std::int32_t delay,
                      std::int32_t mode) {
    CEventItem row;
    row.serial = NextSerial();
    row.kind = kind;
    row.code = code;
    row.edge = edge;
    row.delay = delay;
    row.selected = 1;

    std::size_t at = events.size();
    if (mode == kInsertAfterSelected) {
        const int selected = FirstSelectedRow();
        at = selected == kNoRow ? 0 : static_cast<std::size_t>(selected) + 1;
    }
    DeselectAll();
    events.insert(events.begin() + static_cast<std::ptrdiff_t>(at), row);

    LayOutRows();
    if (owner != nullptr) {
        if (events.back().rect.bottom > rect.bottom) {
            owner->controlNotify(kNotifyRowsOverflow, static_cast<std::int32_t>(events.size()) - 1);
        }
        owner->controlNotify(kNotifyShowRow, static_cast<std::int32_t>(at));
    }
}

void CMacro::LayOutRows() {
    for (std::size_t i = 0; i < events.size(); ++i) {
        const auto top = kRowTop + kRowHeight * static_cast<std::int32_t>(i);
        events[i].rect = MacroRect{kRowLeft, top, rect.right - kRowRightInset, top + kRowHeight};
    }
}

bool CMacro::DeleteSelectedRow() {
    const int selected = FirstSelectedRow();
    if (selected == kNoRow) {
        return false;
    }
    const auto index = static_cast<std::size_t>(selected);
    events.erase(events.begin() + selected);
    if (owner != nullptr) {
        owner->controlNotify(kNotifyRowDeleted, static_cast<std::int32_t>(events.size()));
    }
    for (std::size_t i = index; i < events.size(); ++i) {
        events[i].rect.top -= kRowHeight;
        events[i].rect.bottom -= kRowHeight;
    }
    DeselectAll();
    if (index < events.size()) {
        events[index].selected = 1;
    } else if (!events.empty()) {
        events.front().selected = 1;
        if (owner != nullptr) {
            owner->controlNotify(kNotifyShowRow, 0);
        }
    }
    return true;
}

bool CMacro::IsHoldMacro() const {
    return !events.empty() && std::none_of(events.begin(), events.end(), [](const CEventItem& row) {
        return row.edge == kEdgeRelease;
    });
}

ButtonMacro CMacro::ToButtonMacro() const {
    ButtonMacro copy;
    copy.name = name;
    copy.id = id;
    copy.events.reserve(events.size());
    for (const CEventItem& row : events) {
        copy.events.push_back(CMacroEvent{row.kind, row.code, row.edge, row.delay});
    }
    return copy;
}

}  // namespace solune
