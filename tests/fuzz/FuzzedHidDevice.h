#pragma once
// A HID device whose every transfer is decided by fuzz bytes: whether it works,
// fails or fails for a moment, and for a read how many bytes come back and what
// they hold. A read may also answer like a device that keeps what it was sent:
// the last report sent with the same id comes back, with a fuzzed status byte
// (so that checks of echoed data, such as the boot loader's echo, can pass).
// Once the bytes run out every transfer fails, so a run always ends.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "platform/HidBackend.h"

namespace solune::fuzz {

// What the fuzzed devices of one run did, for the fuzzers' checks.
struct FuzzedHidRecord {
    int reads = 0;                         // get-feature transfers that worked
    std::uint8_t lastReplyStatus = 0;      // byte 1 of the last read that worked
    std::vector<std::uint8_t> sentBlocks;  // block numbers of block writes that worked
};

class FuzzedHidDevice final : public HidDevice {
  public:
    // Borrows both for the device's life.
    FuzzedHidDevice(FuzzedDataProvider& data, FuzzedHidRecord& record)
        : m_data(data), m_record(record) {}

    HidResult SetFeature(std::span<const std::uint8_t> report) override;
    // Byte 0 (the report id) stays as the caller set it; the reply fills bytes
    // 1 ... n - 1 for a fuzzed length n, and the rest stays as it was.
    HidResult GetFeature(std::span<std::uint8_t> report) override;

  private:
    enum class Answer { Failed, Transient, Fuzzed, Echoed };
    // Taken from one fuzz byte; Failed without bytes.
    Answer nextAnswer();
    // The last report sent with the id of `report` copied into it from byte 2
    // on; false when none was sent.
    bool echo(std::span<std::uint8_t> report) const;

    FuzzedDataProvider& m_data;
    FuzzedHidRecord& m_record;
    std::vector<std::uint8_t> m_lastSent;  // the last report sent, id first
};

}  // namespace solune::fuzz
