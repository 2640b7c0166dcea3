#pragma once
// Finding and opening the mouse's vendor interface, the one search that both
// the configuration link and the updater's link use.

#include <cstdint>
#include <memory>

#include "platform/HidBackend.h"

namespace solune {

// Opens the first present interface with `vendorId`, `productId` and the
// vendor usage page and usage (MouseIdentity.h). An interface that matches but
// cannot be opened is passed over. Null when none opens.
std::unique_ptr<HidDevice> OpenVendorInterface(HidBackend& backend, std::uint16_t vendorId,
                                               std::uint16_t productId);

}  // namespace solune
