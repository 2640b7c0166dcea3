#pragma once
// A HID backend for fuzzers: which interfaces are present, whether one opens and
// which arrival and removal notices are pending are all decided by fuzz bytes,
// and every device it opens is a FuzzedHidDevice on the same bytes. With the
// bytes used up nothing is present any more.
//
// Interfaces it can list: the mouse in normal mode (22D4:1308), in its boot
// loader (22D4:1307), both on usage page 0xFF01 usage 2, and a decoy of the
// normal mode on another usage that callers must pass over.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "platform/HidBackend.h"
#include "tests/fuzz/FuzzedHidDevice.h"

namespace solune::fuzz {

class FuzzedHidBackend final : public HidBackend {
  public:
    explicit FuzzedHidBackend(FuzzedDataProvider& data) : m_data(data) {}

    std::vector<HidDeviceInfo> Enumerate(std::uint16_t vendorId, std::uint16_t productId) override;
    std::unique_ptr<HidDevice> Open(const std::string& path) override;
    bool StartNotices() override { return false; }
    int NoticeDescriptor() const override { return -1; }
    std::vector<HidNotice> TakeNotices() override;

    const FuzzedHidRecord& record() const { return m_record; }

  private:
    FuzzedDataProvider& m_data;
    FuzzedHidRecord m_record;
};

}  // namespace solune::fuzz
