#pragma once
// The macro recorder's logic: turns the keystrokes it is fed into rows of the
// library's current macro. The window side (buttons, check boxes, the
// keyboard source) calls it; it never waits and reads no clock of its own.
//
// Keystrokes arrive as (virtual-key code, released) pairs with the tick count
// of their arrival: milliseconds, unsigned 32 bits, wrapping after 49.7 days.

#include <cstdint>

#include "config/macros/MacroLibrary.h"

namespace solune {

// Results of HandleKeyCapture.
inline constexpr int kKeyRepeatDropped = 0;  // same pair as the last one: nothing done
inline constexpr int kKeyHandled = 1;
inline constexpr int kKeyMacroFull = 2;  // the macro's file has no room for another row

class MacroRecorder {
  public:
    // `library` is borrowed for the recorder's life; its current macro receives
    // the rows.
    explicit MacroRecorder(MacroLibrary& library) : m_library(library) {}

    // "Start Record": recording starts at `tick` and the current macro's rows
    // are removed.
    void StartRecord(std::uint32_t tick);
    // "Start record after event": recorded rows go after the selected row
    // (at the top when none is selected); the rows stay.
    void StartRecordAfterEvent(std::uint32_t tick);
    // "Start record before event": the selection moves one row up (off the
    // list when the first row was selected), so the rows go before the row
    // that was selected; the rows stay.
    void StartRecordBeforeEvent(std::uint32_t tick);
    // "Stop Record".
    void StopRecord() { m_recording = false; }

    // One keystroke. Not recording: returns kKeyHandled and does nothing.
    // Otherwise the time since the last keystroke (or the start) is measured
    // with unsigned wrap (0 without the delay option, at most INT32_MAX), the
    // last tick becomes `tick`, and then: the same pair as the last one is a
    // repeat (kKeyRepeatDropped); a release in hold mode is not recorded; any
    // other keystroke becomes a key row of the current macro (when there is
    // one) placed by insertMode(). The last pair is kept across recordings.
    int HandleKeyCapture(std::int32_t virtualKey, bool released, std::uint32_t tick);

    // The "Record Delay" and "Record Hold" options, as the page's check boxes
    // show them (the page keeps at most one ticked).
    void SetDelayOption(bool on) { m_delayOption = on; }
    void SetHoldOption(bool on) { m_holdOption = on; }
    bool delayOption() const { return m_delayOption; }
    bool holdOption() const { return m_holdOption; }

    bool recording() const { return m_recording; }
    // kInsertAppend until a context-menu start sets kInsertAfterSelected; it
    // is never set back.
    std::int32_t insertMode() const { return m_insertMode; }
    std::uint32_t lastTick() const { return m_lastTick; }

  private:
    void start(std::uint32_t tick);

    MacroLibrary& m_library;
    bool m_recording = false;
    std::int32_t m_insertMode = kInsertAppend;
    std::uint32_t m_lastTick = 0;
    std::int32_t m_lastKey = 0;
    std::int32_t m_lastReleased = 0;
    bool m_delayOption = false;
    bool m_holdOption = false;
};

}  // namespace solune
