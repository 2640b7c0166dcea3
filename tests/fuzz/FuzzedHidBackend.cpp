#include "tests/fuzz/FuzzedHidBackend.h"

namespace solune::fuzz {

namespace {

HidDeviceInfo makeInfo(const char* name, std::uint16_t product, std::uint16_t usage) {
    HidDeviceInfo info;
    info.path = std::string("/dev/") + name;
    info.sysfsPath = std::string("/sys/class/hidraw/") + name +
                     "/0003:22D4:" + (product == 0x1307 ? "1307" : "1308") + ".0001";
    info.vendorId = 0x22D4;
    info.productId = product;
    info.usagePage = 0xFF01;
    info.usage = usage;
    return info;
}

bool matches(const HidDeviceInfo& info, std::uint16_t vendorId, std::uint16_t productId) {
    return (vendorId == 0 || info.vendorId == vendorId) &&
           (productId == 0 || info.productId == productId);
}

}  // namespace

std::vector<HidDeviceInfo> FuzzedHidBackend::Enumerate(std::uint16_t vendorId,
                                                       std::uint16_t productId) {
    if (m_data.remaining_bytes() == 0) {
        return {};
    }
    const auto present = m_data.ConsumeIntegral<std::uint8_t>();
    std::vector<HidDeviceInfo> all;
    if (present & 4) {
        all.push_back(makeInfo("hidraw0", 0x1308, 1));
    }
    if (present & 1) {
        all.push_back(makeInfo("hidraw1", 0x1308, 2));
    }
    if (present & 2) {
        all.push_back(makeInfo("hidraw2", 0x1307, 2));
    }
    std::vector<HidDeviceInfo> listed;
    for (const HidDeviceInfo& info : all) {
        if (matches(info, vendorId, productId)) {
            listed.push_back(info);
        }
    }
    return listed;
}

std::unique_ptr<HidDevice> FuzzedHidBackend::Open(const std::string&) {
    if (m_data.remaining_bytes() == 0 || m_data.ConsumeIntegral<std::uint8_t>() % 8 == 0) {
        return nullptr;
    }
    return std::make_unique<FuzzedHidDevice>(m_data, m_record);
}

std::vector<HidNotice> FuzzedHidBackend::TakeNotices() {
    std::vector<HidNotice> notices;
    if (m_data.remaining_bytes() == 0) {
        return notices;
    }
    const auto count = m_data.ConsumeIntegralInRange<int>(0, 3);
    for (int i = 0; i < count; ++i) {
        const auto which = m_data.ConsumeIntegral<std::uint8_t>();
        HidNotice notice;
        notice.kind = (which & 1) ? HidNotice::Kind::Removal : HidNotice::Kind::Arrival;
        notice.devicePath = (which & 2) ? "/sys/devices/usb1/0003:046D:C077.0002"
                                        : "/sys/devices/usb1/0003:22D4:1308.0003";
        notices.push_back(notice);
    }
    return notices;
}

}  // namespace solune::fuzz
