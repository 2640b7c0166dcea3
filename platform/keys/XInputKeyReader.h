#pragma once
// Desktop-wide key events on X11: the raw key presses and releases of the X
// Input extension 2 (XI2), selected on the root window over a connection of
// its own, so that keys typed into any window of the display are seen. Raw
// events are copies: the key still goes to the window that has the focus.
//
// Each raw event's key code becomes a keysym of the keyboard's first group
// and level (the keypad's second level while Num Lock is on), and that keysym
// a virtual-key code through KeysymToVirtualKey; keys without a code are
// dropped. Auto-repeat, when the server reports it in raw events, arrives as
// repeated presses.
//
// No event loop of its own: the owner watches Descriptor() for input and calls
// ReadPending() on its thread. Not thread-safe; one thread uses a reader.

#include <cstdint>
#include <functional>
#include <string>

struct _XDisplay;

namespace solune {

class XInputKeyReader {
  public:
    // (virtual-key code 1 ... 255, released).
    using Sink = std::function<void(std::uint32_t virtualKey, bool released)>;

    XInputKeyReader() = default;
    ~XInputKeyReader();
    XInputKeyReader(const XInputKeyReader&) = delete;
    XInputKeyReader& operator=(const XInputKeyReader&) = delete;

    // Connects to `displayName` (empty: $DISPLAY) and checks for XI 2.0 or
    // later. False, with nothing open, when either fails; `why` then says which.
    bool Open(const std::string& displayName = {}, std::string* why = nullptr);
    bool IsOpen() const { return m_display != nullptr; }
    // Starts (true) or stops (false) the raw key events; the server has taken
    // the change when this returns. False when not open.
    bool Select(bool on);
    // The connection's file descriptor, -1 when not open.
    int Descriptor() const;
    // Handles every event that has arrived, without blocking, handing each
    // key with a code to `sink` in order.
    void ReadPending(const Sink& sink);
    void Close();

  private:
    std::uint32_t VirtualKeyOf(unsigned keycode);
    bool NumLockOn();

    _XDisplay* m_display = nullptr;
    int m_xiOpcode = 0;
    int m_xkbEventBase = 0;
};

}  // namespace solune
