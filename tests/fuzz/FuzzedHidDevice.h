#pragma once
// A HID device whose every transfer is decided by fuzz bytes: whether it works,
// fails or fails for a moment, and for a read how many bytes come back and what
// they hold. Once the bytes run out every transfer fails, so a run always ends.

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
    // Ok, Transient or Failed, taken from one fuzz byte; Failed without bytes.
    HidStatus nextStatus();

    FuzzedDataProvider& m_data;
    FuzzedHidRecord& m_record;
};

}  // namespace solune::fuzz
