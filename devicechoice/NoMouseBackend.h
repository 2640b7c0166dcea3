#pragma once
// A HidBackend without devices: enumeration finds nothing, opening fails and no
// notices come. What a test program gets when it names no virtual mouse.

#include "platform/HidBackend.h"

namespace solune {

class NoMouseBackend final : public HidBackend {
  public:
    std::vector<HidDeviceInfo> Enumerate(std::uint16_t, std::uint16_t) override { return {}; }
    std::unique_ptr<HidDevice> Open(const std::string&) override { return nullptr; }
    bool StartNotices() override { return false; }
    int NoticeDescriptor() const override { return -1; }
    std::vector<HidNotice> TakeNotices() override { return {}; }
};

}  // namespace solune
