#pragma once
// Everything that can be set for one of the mouse's five on-board profiles.
//
// Some fields go to the mouse (the settings image), some to the desktop's
// pointer settings, some are only remembered in the profile file; the comment
// of each field says which ("file", "image", "desktop").

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "config/profiles/ButtonAssignment.h"
#include "config/profiles/ButtonFunction.h"
#include "config/profiles/ButtonMacro.h"

namespace solune {

inline constexpr int kButtonCount = 9;
inline constexpr int kDpiStageCount = 3;
inline constexpr int kLightingZoneCount = 4;

// Values of Profile::pollingInterval (milliseconds between USB reports).
inline constexpr std::int16_t kPolling1000Hz = 1;
inline constexpr std::int16_t kPolling500Hz = 2;
inline constexpr std::int16_t kPolling250Hz = 4;
inline constexpr std::int16_t kPolling125Hz = 8;

// Bits of Profile::lightingZones.
inline constexpr std::int32_t kZoneWheel = 0x01;
inline constexpr std::int32_t kZoneSecond = 0x02;
inline constexpr std::int32_t kZoneThird = 0x04;
inline constexpr std::int32_t kZoneLogo = 0x08;
inline constexpr std::int32_t kZonesOneByOne = 0x10;
inline constexpr std::int32_t kLightingOn = 15;
inline constexpr std::int32_t kLightingOff = 0;

// Values of Profile::lightingEffect (low bits) and its colour-shift flag.
inline constexpr std::int32_t kEffectSolid = 1;
inline constexpr std::int32_t kEffectBlinking = 2;
inline constexpr std::int32_t kEffectPulsating = 3;
inline constexpr std::int32_t kEffectBreathing = 4;
inline constexpr std::int32_t kEffectColorShift = 0x10;

// A colour as 0x00BBGGRR: red in the low byte.
using ColorRef = std::uint32_t;

struct DpiLevel {
    std::int16_t x = 0;
    std::int16_t y = 0;

    bool operator==(const DpiLevel&) const = default;
};

// The factory-default function of each button.
inline constexpr std::array<std::uint8_t, kButtonCount> kDefaultButtonFunctions{
    kLeftClick, kRightClick, kScrollClick,   kForward,      kBack,
    kDpiUp,     kDpiDown,    kDisableButton, kDisableButton};

struct Profile {
    Profile() { SetFactoryDefaults(); }

    std::filesystem::path filePath;    // the file this profile is loaded from and saved to
    std::int32_t enabled;              // file, image: 1 enabled, 0 disabled
    std::u16string name;               // file, image (first 15 bytes)
    std::uint8_t slot;                 // image: the mouse's slot 0 ... 4
    std::int16_t reserved;             // file only; nothing reads it
    std::int16_t pollingInterval;      // file, image: 1, 2, 4 or 8 ms
    std::int16_t doubleClickSetting;   // file, desktop: double-click time is 1600 - value ms
    std::int16_t scrollLines;          // file, desktop: wheel lines per notch
    std::int32_t scrollByLines;        // file, desktop
    std::int32_t scrollByPage;         // file, desktop
    std::int32_t accelerationEnabled;  // file, desktop
    std::int16_t accelerationLevel;    // desktop only (1 ... 3)
    std::uint8_t dpiStageIndex;        // file, image
    std::int32_t separateXY;           // file, image
    std::int32_t definedMode;          // file, image
    std::array<DpiLevel, kDpiStageCount> dpiLevels;  // file, image
    std::uint8_t pointerSpeed;                       // file, desktop: pointer speed is 2 x value
    std::uint8_t liftOffDistance;                    // file, image (the image clamps it to 31)
    std::int16_t surfaceQuality;                     // file: surface class 0 ... 10
    std::uint8_t angleSnap;                          // file, image: 0 ... 15
    std::uint8_t definedValue;                       // file, image
    std::int32_t lightingZones;                      // file, image: kZone* bits
    std::int32_t lightingEffect;                     // file, image: kEffect* values
    std::array<ColorRef, kLightingZoneCount> zoneColors;  // file, image: zone of bit 0 ... 3
    std::array<ButtonAssignment, kButtonCount> buttons;   // file, image: entry k is button k
    std::array<ButtonMacro, kButtonCount> macros;         // file, image: macro of button k

    // Every field to its factory default: name "profile", slot 0, no file path,
    // nine empty macro copies.
    void SetFactoryDefaults();

    // Every setting back to its default, except the file path, name, slot,
    // macro copies and the buttons' fallback functions; enabled becomes 1 and
    // every button takes its default function with parameter 0.
    void ResetToDefaults();

    // The name of the macro copy of entry.button, or empty when that index is
    // not a button (0 ... 8).
    std::u16string MacroNameOf(const ButtonAssignment& entry) const;

    // Stores the macro of a button whose function is 14. `macro` is the one the
    // macro library holds for entry.parameter, or nullptr when it holds none
    // (borrowed for the call). With a macro, the copy at entry.button becomes a
    // copy of it; without one, the entry takes its fallback function and
    // parameter 0. `entry` may be one of this profile's own buttons.
    void AssignMacro(ButtonAssignment& entry, const ButtonMacro* macro);

    bool operator==(const Profile&) const = default;

  private:
    void setDefaultSettings();
};

}  // namespace solune
