#pragma once
// The desktop's pointer settings that go with a profile: double-click time,
// pointer speed, wheel lines and acceleration.
//
// The calls carry the values of the classic desktop settings they stand for;
// each backend (GSettings on GNOME-like desktops, the X server's pointer
// control elsewhere, nothing where neither exists) turns them into what its
// desktop offers and leaves alone what it cannot express. Tests use a recorder.

#include <cstdint>
#include <string_view>

namespace solune {

// The wheel-lines value that means "one page per notch".
inline constexpr std::uint32_t kWheelPageScroll = 0xFFFFFFFF;

class PointerSettings {
  public:
    virtual ~PointerSettings() = default;

    // A short name of the backend ("gsettings", "x11", "none", ...).
    virtual std::string_view Name() const = 0;

    // The double-click time in milliseconds.
    virtual void SetDoubleClickTime(int milliseconds) = 0;
    // The pointer speed on the scale 1 ... 20 (10 is the neutral middle).
    virtual void SetMouseSpeed(int speed) = 0;
    // Lines scrolled per wheel notch, or kWheelPageScroll for a page.
    virtual void SetWheelScrollLines(std::uint32_t lines) = 0;
    // Acceleration as two thresholds and a level: (0, 0, 0) is off.
    virtual void SetMouseAcceleration(int threshold1, int threshold2, int acceleration) = 0;
};

}  // namespace solune
