#pragma once
// The mouse in its boot loader (product 0x1307): short report 0x80 (64 bytes)
// and block report 0x81 (1041 bytes), each set to send a command in byte 1 and
// read back for its reply, status in byte 1 (1 HC_OK, 2 HC_CS_ERROR, 3
// HC_NOT_READY, 4 HC_ERROR).
//
//   0x01 echo      (0x81) the reply 0x81 carries the same bytes 16..1039
//   0x02 info      (0x80) reply 0x80: [16..63] information, [20..21] vendor id
//                  0x22D4, [22..23] product id 0x1307
//   0x03 start     (0x80) [16] block count 1 ... 120, [17..20] checksum; clears
//                  the block store
//   0x06 write     (0x81) [2] block number 20 ..., [3..4] 16-bit sum of the data,
//                  [16..1039] data: stored when the sum matches (else 2)
//   0x07 read      (0x80) [2] block number: reply 0x81 with [6..7] the 16-bit sum
//                  of the stored block
//   0x09 complete  (0x80) 1 when the byte sum of the stored blocks equals the
//                  start's checksum; reading that reply installs the image and
//                  the mouse returns to normal mode as a new device (else 2)
// Commands out of order (a block before start, a number out of range) give 4.
//
// Faults (solune300-sim fault NAME [--count N] [--value V]):
//   bl-echo-byte           the echo comes back with one byte changed
//   bl-identity            the information names product VALUE
//   bl-status-echo, -info, -start, -write, -read, -complete
//                          that command's reply carries status VALUE
//   bl-not-ready           the next N replies read carry status 3 (HC_NOT_READY)
//   bl-read-sum            the next N read-back sums are off by one
//   bl-unplug-after-block  the mouse is unplugged right after storing block
//                          index VALUE (0 = the first); it stays in its boot loader

#include "simulator/ReportHandler.h"

namespace solune::simulator {

class BootLoaderReports final : public ReportHandler {
  public:
    std::optional<HidResult> SetFeature(MouseState& state,
                                        std::span<const std::uint8_t> report) override;
    std::optional<HidResult> GetFeature(MouseState& state, std::span<std::uint8_t> report) override;
    std::span<const FaultKind> Faults() const override;
};

}  // namespace solune::simulator
