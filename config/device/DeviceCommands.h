#pragma once
// The mouse's command set over report 0x60. Each command sends one 64-byte request
// through HidLink::SendFeature, waits a fixed time, and fetches the reply with
// HidLink::PollReply.
//
// Request (64 bytes, every byte not named 0):
//     0  0x60    1  command    2  sub-command    5  argument
// Reply: byte 1 status (1 done, 4 busy), the answer from byte 16 on.
//
// Waits: "only when sent" is skipped when the send fails (the command then returns
// Failed at once); "always" is taken before a failed send is noticed.
//
//   command               bytes 1, 2, 5   wait                    answer
//   GetDeviceInfo         02 00 00        50 ms, only when sent   16..17 version × 100, 22..33
//   GetActiveProfile      03 00 00        10 ms, only when sent   16 slot (above 4: Failed)
//   SetActiveProfile      04 00 slot      1500 ms, only when sent
//   StartSurfaceAnalysis  05 01 00        10 ms, always
//   GetSurfaceAnalysis    05 02 00        10 ms, always           16 measure 0 ... 255
//   TestLiftOff           06 01 value     20 ms, always
//   SaveLiftOff           06 02 value     200 ms, always
//
// Result: Done, or Failed when the send failed, the poll failed, or the mouse did
// not answer "done": a poll that ends with the caller's buffer untouched (status
// byte 0) counts as no reply, so no command reports success on zeros it never got.

#include <array>
#include <chrono>
#include <cstdint>

#include "config/device/CommandResult.h"
#include "config/device/HidLink.h"

namespace solune {

struct CommandEntry {
    std::uint8_t command;
    std::uint8_t subCommand;
    std::chrono::milliseconds wait;
    bool waitAlways;  // false: only when the send succeeded
};

inline constexpr CommandEntry kGetDeviceInfo{0x02, 0x00, std::chrono::milliseconds{50}, false};
inline constexpr CommandEntry kGetActiveProfile{0x03, 0x00, std::chrono::milliseconds{10}, false};
inline constexpr CommandEntry kSetActiveProfile{0x04, 0x00, std::chrono::milliseconds{1500}, false};
inline constexpr CommandEntry kStartSurfaceAnalysis{0x05, 0x01, std::chrono::milliseconds{10},
                                                    true};
inline constexpr CommandEntry kGetSurfaceAnalysis{0x05, 0x02, std::chrono::milliseconds{10}, true};
inline constexpr CommandEntry kTestLiftOff{0x06, 0x01, std::chrono::milliseconds{20}, true};
inline constexpr CommandEntry kSaveLiftOff{0x06, 0x02, std::chrono::milliseconds{200}, true};

// Lift-off values the sensor accepts.
inline constexpr int kMinLiftOff = 6;
inline constexpr int kMaxLiftOff = 31;
// `value` clamped to kMinLiftOff ... kMaxLiftOff, as the sensor page sends it.
int ClampLiftOff(int value);

// Builds the 64-byte request of `entry` with `argument` in byte 5.
CommandReport BuildCommandRequest(const CommandEntry& entry, std::uint8_t argument = 0);

// Sends `entry` with `argument`, waits, polls. On Done, `reply` holds the mouse's
// reply; otherwise it holds whatever the poll left (never read it then).
CommandResult RunCommand(HidLink& link, const CommandEntry& entry, std::uint8_t argument,
                         CommandReport& reply);

struct DeviceInfo {
    std::uint16_t firmwareVersion = 0;       // hundredths: 105 is "1.05"
    std::array<std::uint8_t, 12> further{};  // reply bytes 22..33, not interpreted
};

// Outputs are written only on Done.
CommandResult GetDeviceInfo(HidLink& link, DeviceInfo& info);
CommandResult GetActiveProfile(HidLink& link, int& slot);
CommandResult SetActiveProfile(HidLink& link, std::uint8_t slot);
CommandResult StartSurfaceAnalysis(HidLink& link);
CommandResult GetSurfaceAnalysis(HidLink& link, std::uint8_t& measure);
// The value is sent as given; callers clamp it with ClampLiftOff.
CommandResult TestLiftOff(HidLink& link, std::uint8_t value);
CommandResult SaveLiftOff(HidLink& link, std::uint8_t value);

}  // namespace solune
