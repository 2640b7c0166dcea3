#pragma once
// Any other X11 session: the X server's core pointer control
// (XChangePointerControl), which knows acceleration only: pointer motion
// beyond `threshold` pixels at once is multiplied by numerator / denominator.
//
//   call                               X server
//   SetDoubleClickTime, SetMouseSpeed,
//   SetWheelScrollLines                left alone: the X server has no such setting
//   SetMouseAcceleration(0, 0, 0)      acceleration 1/1 (none); threshold unchanged
//   SetMouseAcceleration(level 1 ... 3 triple)
//                                      2/1 beyond the triple's first threshold:
//                                      level 1 beyond 10, 2 beyond 6, 3 beyond 4
//                                      pixels (the classic setting doubles the
//                                      speed beyond its first threshold)
//   SetMouseAcceleration(any other)    left alone

#include <memory>
#include <optional>

#include "platform/pointer/DesktopPointerSettings.h"

struct _XDisplay;

namespace solune {

struct X11Acceleration {
    int numerator;
    int denominator;
    std::optional<int> threshold;  // empty: keep the server's threshold
};

// The X server's acceleration for a triple; empty for a triple of no level.
std::optional<X11Acceleration> X11AccelerationFor(int threshold1, int threshold2, int acceleration);

class X11PointerSettings final : public DesktopPointerSettings {
  public:
    // A connection to the display named by DISPLAY; null when there is none.
    static std::unique_ptr<X11PointerSettings> Open();
    ~X11PointerSettings() override;
    X11PointerSettings(const X11PointerSettings&) = delete;
    X11PointerSettings& operator=(const X11PointerSettings&) = delete;

    std::string_view Name() const override { return "x11"; }
    void SetDoubleClickTime(int milliseconds) override;
    void SetMouseSpeed(int speed) override;
    void SetWheelScrollLines(std::uint32_t lines) override;
    void SetMouseAcceleration(int threshold1, int threshold2, int acceleration) override;
    // "acceleration-numerator", "acceleration-denominator", "threshold" (ints).
    std::vector<DesktopPointerValue> CurrentValues() const override;

  private:
    explicit X11PointerSettings(_XDisplay* display) : m_display(display) {}

    _XDisplay* m_display;  // owned: closed by the destructor
};

}  // namespace solune
