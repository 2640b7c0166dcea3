#pragma once
// The backend for a desktop that offers no interface we can use (a Wayland
// desktop other than GNOME's family, or no desktop at all): every call leaves
// the desktop as it is.

#include "platform/pointer/DesktopPointerSettings.h"

namespace solune {

class NoDesktopPointerSettings final : public DesktopPointerSettings {
  public:
    std::string_view Name() const override { return "none"; }
    void SetDoubleClickTime(int) override {}
    void SetMouseSpeed(int) override {}
    void SetWheelScrollLines(std::uint32_t) override {}
    void SetMouseAcceleration(int, int, int) override {}
    std::vector<DesktopPointerValue> CurrentValues() const override { return {}; }
};

}  // namespace solune
