#include "platform/pointer/X11PointerSettings.h"

#include <X11/Xlib.h>

namespace solune {

std::optional<X11Acceleration> X11AccelerationFor(int threshold1, int threshold2,
                                                  int acceleration) {
    const int level = AccelerationLevelOfTriple(threshold1, threshold2, acceleration);
    if (level == 0) {
        return X11Acceleration{1, 1, std::nullopt};
    }
    if (level < 0) {
        return std::nullopt;
    }
    return X11Acceleration{2, 1, threshold1};
}

std::unique_ptr<X11PointerSettings> X11PointerSettings::Open() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<X11PointerSettings>(new X11PointerSettings(display));
}

X11PointerSettings::~X11PointerSettings() {
    XCloseDisplay(m_display);
}

void X11PointerSettings::SetDoubleClickTime(int) {}

void X11PointerSettings::SetMouseSpeed(int) {}

void X11PointerSettings::SetWheelScrollLines(std::uint32_t) {}

void X11PointerSettings::SetMouseAcceleration(int threshold1, int threshold2, int acceleration) {
    const std::optional<X11Acceleration> x =
        X11AccelerationFor(threshold1, threshold2, acceleration);
    if (!x) {
        return;
    }
    XChangePointerControl(m_display, True, x->threshold ? True : False, x->numerator,
                          x->denominator, x->threshold.value_or(0));
    // Waits for the server, so the change is made before the caller goes on.
    XSync(m_display, False);
}

std::vector<DesktopPointerValue> X11PointerSettings::CurrentValues() const {
    int numerator = 0;
    int denominator = 0;
    int threshold = 0;
    XGetPointerControl(m_display, &numerator, &denominator, &threshold);
    return {
        {"acceleration-numerator", numerator},
        {"acceleration-denominator", denominator},
        {"threshold", threshold},
    };
}

}  // namespace solune
