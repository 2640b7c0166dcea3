#include "tests/platform/pointer/XServerAcceleration.h"

#include <X11/Xlib.h>

namespace solune::test {

std::array<int, 3> ServerAcceleration() {
    std::array<int, 3> values{-1, -1, -1};
    if (Display* display = XOpenDisplay(nullptr)) {
        XGetPointerControl(display, &values[0], &values[1], &values[2]);
        XCloseDisplay(display);
    }
    return values;
}

bool SetServerAcceleration(int numerator, int denominator, int threshold) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    XChangePointerControl(display, True, True, numerator, denominator, threshold);
    XCloseDisplay(display);  // flushes the request
    return true;
}

}  // namespace solune::test
