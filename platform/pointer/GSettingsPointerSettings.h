#pragma once
// GNOME and the desktops built on its settings: the GSettings schema
// "org.gnome.desktop.peripherals.mouse", through gio.
//
//   call                          key              value
//   SetDoubleClickTime(ms)        "double-click"   ms (a time below 1 ms is left alone)
//   SetMouseSpeed(speed 1 ... 20) "speed"          (speed - 10) / 10, clamped to -1 ... 1,
//                                                  so pointer speed 5 -> 0.0, 10 -> 1.0
//   SetWheelScrollLines           -                left alone: GNOME has no such setting
//   SetMouseAcceleration(0,0,0)   "accel-profile"  "flat"
//   SetMouseAcceleration(other)   "accel-profile"  "adaptive"
//
// Every change is synced at once, so a short-lived process (solune300ctl)
// leaves it written. Which settings store is used is gio's choice (dconf on a
// desktop; GSETTINGS_BACKEND=memory in tests).

#include <memory>

#include "platform/pointer/DesktopPointerSettings.h"

struct _GSettings;

namespace solune {

inline constexpr const char* kGnomeMouseSchema = "org.gnome.desktop.peripherals.mouse";

// GNOME's "speed" for a pointer speed on the 1 ... 20 scale.
double GnomeSpeedFromMouseSpeed(int speed);
// GNOME's "accel-profile" for an acceleration triple.
const char* GnomeAccelProfile(int threshold1, int threshold2, int acceleration);

class GSettingsPointerSettings final : public DesktopPointerSettings {
  public:
    // The backend on the installed schema; null when the schema is not installed.
    static std::unique_ptr<GSettingsPointerSettings> Create();
    ~GSettingsPointerSettings() override;
    GSettingsPointerSettings(const GSettingsPointerSettings&) = delete;
    GSettingsPointerSettings& operator=(const GSettingsPointerSettings&) = delete;

    std::string_view Name() const override { return "gsettings"; }
    void SetDoubleClickTime(int milliseconds) override;
    void SetMouseSpeed(int speed) override;
    void SetWheelScrollLines(std::uint32_t lines) override;
    void SetMouseAcceleration(int threshold1, int threshold2, int acceleration) override;
    // "double-click" (int), "speed" (double), "accel-profile" (string).
    std::vector<DesktopPointerValue> CurrentValues() const override;

  private:
    explicit GSettingsPointerSettings(_GSettings* settings) : m_settings(settings) {}

    _GSettings* m_settings;  // owned: one reference
};

}  // namespace solune
