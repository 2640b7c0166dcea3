#pragma once
// The normal-mode reports that only the firmware updater uses:
//   get 0x20 (9 bytes)   ready poll: [1] = 1 when ready
//   set 0x03 (8 bytes)   [1] = 0x04: the older version request
//   get 0x04 (64 bytes)  [1..2] firmware version in hundredths
//   set 0x20 (8 bytes)   older boot request, step 1: [1..5] = 06 09 00 00 08
//   set 0x21 (9 bytes)   older boot request, step 2: [1..3] = unlock 6B 96 2E,
//                        then 10 03 CB 00 01; the ready poll that follows it
//                        moves the mouse into its boot loader
//   set 0x60 (64 bytes)  [1] = 0x3A, [5..7] = unlock 6B 96 2E: the newer boot
//                        request; reading its reply (report 0x60, status 1)
//                        moves the mouse into its boot loader
// Other 0x60 commands are left to the configuration program's command set.
//
// Faults: "not-ready" (the next N ready polls read 0), "bl-never-appears" (after
// the next boot request the mouse leaves normal mode and its boot loader never
// shows up until it is plugged again).

#include "simulator/ReportHandler.h"

namespace solune::simulator {

class UpdaterNormalReports final : public ReportHandler {
  public:
    std::optional<HidResult> SetFeature(MouseState& state,
                                        std::span<const std::uint8_t> report) override;
    std::optional<HidResult> GetFeature(MouseState& state, std::span<std::uint8_t> report) override;
    std::span<const FaultKind> Faults() const override;
};

}  // namespace solune::simulator
