#include "platform/VendorInterface.h"

#include "platform/MouseIdentity.h"

namespace solune {

std::unique_ptr<HidDevice> OpenVendorInterface(HidBackend& backend, std::uint16_t vendorId,
                                               std::uint16_t productId) {
    for (const HidDeviceInfo& info : backend.Enumerate(vendorId, productId)) {
        // A backend may list more than was asked for; only the exact interface counts.
        if (info.vendorId != vendorId || info.productId != productId ||
            info.usagePage != kMouseUsagePage || info.usage != kMouseUsage) {
            continue;
        }
        if (auto device = backend.Open(info.path)) {
            return device;
        }
    }
    return nullptr;
}

}  // namespace solune
