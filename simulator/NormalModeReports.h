#pragma once
// The mouse in normal mode as the configuration program sees it: the command
// report 0x60 (64 bytes, set to send a command, get to read its reply) and the
// image report 0x61 (1041 bytes, one half of a slot's 2048-byte settings image).
//
// Commands (request byte 1, sub-command byte 2, argument byte 5); the reply has
// the status in byte 1 (1 done, 2 refused) and the answer from byte 16 on:
//   0x01          protocol generation in reply byte 16
//   0x02          firmware version × 100 in reply bytes 16..17, twelve identity
//                 bytes in 22..33
//   0x03          active slot in reply byte 16
//   0x04 slot     makes `slot` active (0 ... 4; other values are refused)
//   0x05 01 / 02  starts the surface analysis / its measure in reply byte 16
//   0x06 01 / 02  lift-off test / save with the value in byte 5
// Image report: byte 1 0x08, slot in byte 5, half in byte 6, 1024 image bytes at
// 16 ... 1039; it stores the half and leaves a done reply in report 0x60. Unknown
// commands, slots above 4 and halves above 1 are refused with status 2.
//
// Faults: "busy" (replies with status 4), "reply-status" (replies with the value
// as status), "active-slot" (command 0x03 answers the value).

#include "simulator/ReportHandler.h"

namespace solune::simulator {

inline constexpr std::uint8_t kCommandReportId = 0x60;
inline constexpr std::uint8_t kImageReportId = 0x61;
inline constexpr std::size_t kImageReportBytes = 1041;
inline constexpr std::uint8_t kStatusDone = 1;
inline constexpr std::uint8_t kStatusRefused = 2;
inline constexpr std::uint8_t kStatusBusy = 4;

class NormalModeReports final : public ReportHandler {
  public:
    std::optional<HidResult> SetFeature(MouseState& state,
                                        std::span<const std::uint8_t> report) override;
    std::optional<HidResult> GetFeature(MouseState& state, std::span<std::uint8_t> report) override;
    std::span<const FaultKind> Faults() const override;

  private:
    void runCommand(MouseState& state, std::span<const std::uint8_t> request);
    void storeImageHalf(MouseState& state, std::span<const std::uint8_t> report);
};

}  // namespace solune::simulator
