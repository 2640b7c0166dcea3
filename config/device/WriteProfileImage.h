#pragma once
// Writing one profile's settings image into its slot of the mouse: two image
// reports 0x61 of 1041 bytes, one per half of the 2048-byte image.
//
// Image report (every byte not named 0):
//     0  0x61        5  slot 0 ... 4       6  half: 0 image bytes 0 ... 1023,
//     1  0x08                                       1 image bytes 1024 ... 2047
//    16 ... 1039  the 1024 image bytes of that half        1040  0
//
// Each half: SendFeature, wait 60 ms (always, also after a failed send), a failed
// send ends with Failed; then PollReply with a fresh 64-byte 0x60 buffer, which
// must end with a done reply (status 1 copied in), else Failed.

#include <array>
#include <cstdint>

#include "config/device/CommandResult.h"
#include "config/device/HidLink.h"
#include "config/device/SettingsImage.h"
#include "config/profiles/Profile.h"

namespace solune {

inline constexpr std::chrono::milliseconds kImageHalfWait{60};

using ImageReport = std::array<std::uint8_t, kImageReportSize>;

// The image report of half `half` (0 or 1) of `image` for `slot`.
ImageReport BuildImageReport(std::uint8_t slot, int half, const SettingsImage& image);

// Builds the image of `profile` (BuildSettingsImage) and writes it into the slot
// named by profile.slot. Limit, with nothing sent, when its macros hold more than
// 164 events; Failed when a half could not be sent or was not acknowledged.
CommandResult WriteProfileImage(HidLink& link, const Profile& profile);

// Writes a ready image into `slot`: the two halves as above.
CommandResult WriteSettingsImage(HidLink& link, std::uint8_t slot, const SettingsImage& image);

}  // namespace solune
