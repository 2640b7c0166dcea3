// Finding the device and the two reading rules of the link.
#include "updater/bootloader/BootLoaderLink.h"

#include "updater/bootloader/StatusCodes.h"

namespace solune {

namespace {

constexpr std::uint16_t kVendorUsagePage = 0xFF01;
constexpr std::uint16_t kVendorUsage = 2;
constexpr int kReadyReads = 10;

}  // namespace

int BootLoaderLink::FindHidDevice(std::uint16_t vendorId, std::uint16_t productId) {
    CloseDevice();
    for (const HidDeviceInfo& info : m_backend.Enumerate(vendorId, productId)) {
        if (info.vendorId != vendorId || info.productId != productId ||
            info.usagePage != kVendorUsagePage || info.usage != kVendorUsage) {
            continue;
        }
        m_device = m_backend.Open(info.path);
        if (m_device) {
            return 1;
        }
    }
    return 0;
}

bool BootLoaderLink::send(std::span<const std::uint8_t> report) {
    return m_device && noteResult(m_device->SetFeature(report));
}

bool BootLoaderLink::get(std::span<std::uint8_t> report) {
    return m_device && noteResult(m_device->GetFeature(report));
}

bool BootLoaderLink::noteResult(const HidResult& result) {
    m_lastSystemError = result.Ok() ? 0 : result.systemError;
    return result.Ok();
}

int BootLoaderLink::GetFeatureWithRetry(std::span<std::uint8_t> buffer) {
    if (!get(buffer)) {
        return 0;
    }
    if (buffer[1] != kHcNotReady) {
        return 1;
    }
    for (int reread = 0; reread < 3; ++reread) {
        if (get(buffer) && buffer[1] == kHcOk) {
            return 1;
        }
        wait(50);
    }
    return 0;
}

bool BootLoaderLink::WaitReady() {
    static constexpr int kWaits[] = {10, 20, 40};
    for (int read = 0; read < kReadyReads; ++read) {
        std::array<std::uint8_t, 9> poll{0x20};
        const bool ready = get(poll) && poll[1] == 1;
        wait(read < 3 ? kWaits[read] : 80);
        if (ready) {
            return true;
        }
    }
    return false;
}

int BootLoaderLink::exchange(std::span<const std::uint8_t> request, int waitMs,
                             std::span<std::uint8_t> reply, bool& gotReply) {
    gotReply = false;
    if (!send(request)) {
        return kStatusNotSent;
    }
    wait(waitMs);
    const std::uint8_t id = reply[0];
    std::fill(reply.begin(), reply.end(), 0);
    reply[0] = id;
    gotReply = GetFeatureWithRetry(reply) == 1;
    return reply[1];
}

}  // namespace solune
