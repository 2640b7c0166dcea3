#pragma once
// Another program's window on an X display, for the desktop-wide key capture
// test: a plain X window of a connection of its own that takes the keyboard
// focus and records the keys it receives. Kept apart from Qt and GoogleTest,
// whose names the X headers' macros would clash with.

#include <string>
#include <vector>

struct _XDisplay;

namespace solune::test {

class XClientWindow {
  public:
    XClientWindow() = default;
    ~XClientWindow();
    XClientWindow(const XClientWindow&) = delete;
    XClientWindow& operator=(const XClientWindow&) = delete;

    // Connects to $DISPLAY, maps a window and gives it the keyboard focus.
    // False when any step fails within `timeoutMs`.
    bool Open(int timeoutMs);

    // The keysym names ("a", "Shift_R", ...) of the key presses the window
    // has received so far (reads what has arrived, without waiting).
    std::vector<std::string> ReceivedPresses();

  private:
    _XDisplay* m_display = nullptr;
    unsigned long m_window = 0;
    std::vector<std::string> m_presses;
};

}  // namespace solune::test
