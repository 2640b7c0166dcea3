#pragma once
// The desktop's pointer settings that go with a profile: double-click time,
// pointer speed, wheel lines and acceleration.
//
// The calls carry the values of the classic desktop settings they stand for;
// each backend (GSettings on GNOME-like desktops, the X server's pointer
// control elsewhere, nothing where neither exists) turns them into what its
// desktop offers and leaves alone what it cannot express. Tests use a recorder.

#include <array>
#include <cstdint>
#include <string_view>

namespace solune {

// The wheel-lines value that means "one page per notch".
inline constexpr std::uint32_t kWheelPageScroll = 0xFFFFFFFF;

// The acceleration triple (first threshold, second threshold, acceleration)
// for acceleration levels 1 ... 3: the low, medium and high presets of the
// classic desktop pointer-acceleration setting. (0, 0, 0) means off.
inline constexpr std::array<std::array<int, 3>, 3> kAccelerationTriples{{
    {10, 0, 1},
    {6, 10, 1},
    {4, 6, 1},
}};

// The acceleration level a triple stands for: 0 for (0, 0, 0), 1 ... 3 for the
// presets above, -1 for any other triple (no level of ours).
constexpr int AccelerationLevelOfTriple(int threshold1, int threshold2, int acceleration) {
    if (threshold1 == 0 && threshold2 == 0 && acceleration == 0) {
        return 0;
    }
    for (std::size_t i = 0; i < kAccelerationTriples.size(); ++i) {
        const auto& t = kAccelerationTriples[i];
        if (t[0] == threshold1 && t[1] == threshold2 && t[2] == acceleration) {
            return static_cast<int>(i) + 1;
        }
    }
    return -1;
}

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
