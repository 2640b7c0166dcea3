#include "config/device/HidLink.h"

#include <algorithm>

#include "platform/VendorInterface.h"

namespace solune {

HidLink::HidLink(HidBackend& backend, Clock& clock) : m_backend(backend), m_clock(clock) {}

HidLink::~HidLink() = default;

bool HidLink::FindDevice() {
    return FindDevice(kMouseVendorId, kMouseProductId);
}

bool HidLink::FindDevice(std::uint16_t vendorId, std::uint16_t productId) {
    CloseDevice();
    m_device = OpenVendorInterface(m_backend, vendorId, productId);
    if (!m_device) {
        return false;
    }
    m_deviceConnected = 1;
    return true;
}

bool HidLink::SendFeature(std::span<const std::uint8_t> report) {
    if (!m_device) {
        return false;
    }
    const HidResult first = m_device->SetFeature(report);
    if (first.Ok()) {
        return true;
    }
    if (first.status != HidStatus::Transient) {
        return false;
    }
    // A stalled or momentarily unready device usually takes the same report at
    // once; one retry, no wait.
    return m_device->SetFeature(report).Ok();
}

int HidLink::PollReply(CommandReport& reply) {
    constexpr int kMaxPolls = 5;
    constexpr int kLastBusyPoll = 2;  // a busy reply at the third read ends the poll
    int result = 0;
    for (int n = 0; n < kMaxPolls; ++n) {
        CommandReport work = reply;
        if (!m_device) {
            return 0;
        }
        if (!m_device->GetFeature(work).Ok()) {
            return 0;
        }
        result = 1;
        const std::uint8_t status = work[1];
        if (status == kReplyDone) {
            reply = work;
            return 1;
        }
        if (status == kReplyBusy) {
            if (n == kLastBusyPoll) {
                return 0;
            }
            m_clock.Sleep(kBusyPollWait);
        }
    }
    // Five replies that were neither done nor busy at the third read: the last read itself
    // succeeded, so the result is 1, but nothing was copied to the caller.
    return result;
}

void HidLink::CloseDevice() {
    m_device.reset();
}

bool HidLink::RegisterArrivalNotification() {
    return m_backend.StartNotices();
}

int HidLink::NoticeDescriptor() const {
    return m_backend.NoticeDescriptor();
}

bool HidLink::IsOurDevicePath(std::string_view path) {
    const bool vendor =
        path.find("22D4") != std::string_view::npos || path.find("22d4") != std::string_view::npos;
    return vendor && path.find("1308") != std::string_view::npos;
}

std::vector<HidNotice> HidLink::TakeNotices() {
    return m_backend.TakeNotices();
}

void HidLink::DeviceRemoved() {
    m_deviceConnected = 0;
    CloseDevice();
}

bool HidLink::DeviceArrived() {
    if (m_deviceConnected == 0) {
        FindDevice();
    }
    return m_deviceConnected != 0;
}

}  // namespace solune
