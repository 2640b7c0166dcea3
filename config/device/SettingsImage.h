#pragma once
// The 2048-byte settings image: one profile as the mouse stores it in a slot.
//
// Byte layout (little-endian; every byte not named is 0):
//     0  slot                      70  liftOffDistance, at most 31
//     1  name, Windows-1252, at    72  angleSnap (16 bits)
//        most 15 bytes, then 0     81  DPI stage 3: separateXY, x, y
//    17  00 08 00 00 (2048)        86  number of DPI stages: 3
//    21  pollingInterval           87  definedMode
//    22  enabled                   88  definedValue
//    23  zone bit 0 (wheel):      101  twelve button actions of 7 bytes
//        red, green, blue, effect      (positions 0 ... 6 buttons 0 ... 6,
//    27  zone bit 3 (logo)              7 ... 9 zero, 10 and 11 buttons 7, 8)
//    33  zone bit 1               800  macro area: per macro button, its
//    37  zone bit 2, three times        events of 7 bytes, then 7 zero bytes
//    50  dpiStageIndex
//    51  DPI stage 1: separateXY, x, y (1 + 2 + 2 bytes)
//    60  DPI stage 2
//
// A button action: type, value, first-event offset (16 bits), event count
// (16 bits), 0x0F. A macro event: kind, usage of its code (16 bits), edge,
// delay (24 bits).

#include <array>
#include <cstdint>

#include "config/device/CommandResult.h"
#include "config/profiles/Profile.h"

namespace solune {

using SettingsImage = std::array<std::uint8_t, 2048>;

// At most this many macro events per profile, counted over every macro button.
inline constexpr int kMaxMacroEventsPerProfile = 164;
// At most this many events of one macro are placed in the image.
inline constexpr int kMaxPlacedEventsPerMacro = 128;

inline constexpr int kImageNameOffset = 1;
inline constexpr int kImageNameBytes = 15;
inline constexpr int kImageButtonOffset = 101;
inline constexpr int kImageButtonActionSize = 7;
inline constexpr int kImageMacroOffset = 800;
inline constexpr int kImageMacroEventSize = 7;

// Builds the image of `profile`: CommandResult::Done with `image` filled, or
// CommandResult::Limit, with `image` untouched, when the macro buttons hold more
// than kMaxMacroEventsPerProfile events. A button's macro copy counts only when
// its id equals the button's parameter.
CommandResult BuildSettingsImage(const Profile& profile, SettingsImage& image);

}  // namespace solune
