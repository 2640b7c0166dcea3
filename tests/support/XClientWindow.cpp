#include "tests/support/XClientWindow.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <thread>

namespace solune::test {

XClientWindow::~XClientWindow() {
    if (m_display != nullptr) {
        XCloseDisplay(m_display);
    }
}

bool XClientWindow::Open(int timeoutMs) {
    m_display = XOpenDisplay(nullptr);
    if (m_display == nullptr) {
        return false;
    }
    const int screen = DefaultScreen(m_display);
    m_window = XCreateSimpleWindow(m_display, RootWindow(m_display, screen), 10, 10, 200, 100, 1,
                                   BlackPixel(m_display, screen), WhitePixel(m_display, screen));
    XSelectInput(m_display, m_window, KeyPressMask | KeyReleaseMask | StructureNotifyMask);
    XMapWindow(m_display, m_window);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        XEvent event;
        if (XCheckTypedWindowEvent(m_display, m_window, MapNotify, &event)) {
            break;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    XSetInputFocus(m_display, m_window, RevertToParent, CurrentTime);
    XSync(m_display, False);
    return true;
}

std::vector<std::string> XClientWindow::ReceivedPresses() {
    while (m_display != nullptr && XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        if (event.type == KeyPress) {
            const KeySym keysym = XLookupKeysym(&event.xkey, 0);
            const char* name = XKeysymToString(keysym);
            m_presses.emplace_back(name != nullptr ? name : "?");
        }
    }
    return m_presses;
}

}  // namespace solune::test
