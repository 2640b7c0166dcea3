#pragma once
// The real HidBackend: hidapi on Linux hidraw for enumeration and feature reports,
// and a libudev monitor on subsystem "hidraw" for arrival and removal notices.
//
// Paths: HidDeviceInfo::path is the hidraw node ("/dev/hidraw3");
// HidDeviceInfo::sysfsPath and notices carry the hidraw device's sysfs path
// (".../0003:22D4:1308.0005/hidraw/hidraw3"), which holds vendor and product.
// Access to the node needs the udev rule of platform/udev (or root).

#include <memory>

#include "platform/HidBackend.h"

namespace solune {

class HidrawBackend final : public HidBackend {
  public:
    HidrawBackend();
    ~HidrawBackend() override;
    HidrawBackend(const HidrawBackend&) = delete;
    HidrawBackend& operator=(const HidrawBackend&) = delete;

    std::vector<HidDeviceInfo> Enumerate(std::uint16_t vendorId = 0,
                                         std::uint16_t productId = 0) override;
    std::unique_ptr<HidDevice> Open(const std::string& path) override;
    bool StartNotices() override;
    int NoticeDescriptor() const override;
    std::vector<HidNotice> TakeNotices() override;

  private:
    struct Udev;
    std::unique_ptr<Udev> m_udev;
};

}  // namespace solune
