#include "config/macros/MacroRecorder.h"

#include "config/macros/MacroFile.h"

#include <algorithm>
#include <limits>

namespace solune {

void MacroRecorder::start(std::uint32_t tick) {
    m_recording = true;
    m_lastTick = tick;
}

void MacroRecorder::StartRecord(std::uint32_t tick) {
    start(tick);
    if (CMacro* macro = m_library.currentMacro()) {
        macro->events.clear();
    }
}

void MacroRecorder::StartRecordAfterEvent(std::uint32_t tick) {
    m_insertMode = kInsertAfterSelected;
    start(tick);
}

void MacroRecorder::StartRecordBeforeEvent(std::uint32_t tick) {
    m_insertMode = kInsertAfterSelected;
    if (CMacro* macro = m_library.currentMacro()) {
        const int selected = macro->FirstSelectedRow();
        if (selected != kNoRow) {
            macro->events[static_cast<std::size_t>(selected)].selected = 0;
            if (selected > 0) {
                macro->events[static_cast<std::size_t>(selected) - 1].selected = 1;
            }
        }
    }
    start(tick);
}

int MacroRecorder::HandleKeyCapture(std::int32_t virtualKey, bool released, std::uint32_t tick) {
    if (!m_recording) {
        return kKeyHandled;
    }
    // Unsigned subtraction gives the right span across the tick count's wrap.
    std::uint32_t elapsed = m_delayOption ? tick - m_lastTick : 0;
    m_lastTick = tick;
    const std::int32_t up = released ? 1 : 0;
    if (virtualKey == m_lastKey && up == m_lastReleased) {
        return kKeyRepeatDropped;  // keyboard auto-repeat
    }
    m_lastKey = virtualKey;
    m_lastReleased = up;
    if (released && m_holdOption) {
        return kKeyHandled;
    }
    if (CMacro* macro = m_library.currentMacro()) {
        if (!MacroHasRoomFor(*macro, 1)) {
            return kKeyMacroFull;
        }
        // A span beyond the row's signed delay field is kept as the longest one.
        elapsed = std::min<std::uint32_t>(elapsed, std::numeric_limits<std::int32_t>::max());
        macro->AddEvent(kMacroKey, static_cast<std::int16_t>(virtualKey),
                        released ? kEdgeRelease : kEdgePress, static_cast<std::int32_t>(elapsed),
                        m_insertMode);
    }
    return kKeyHandled;
}

}  // namespace solune
