#pragma once
// Sorting the system's errors of a HID transfer into the two classes callers act
// on: transient (retry once at once) and failed.

#include "platform/HidBackend.h"

namespace solune {

// The class of errno `error` after a failed hidraw feature-report transfer:
// Transient for a stall, a protocol or I/O error, a timeout, an interrupted or
// momentarily busy call, or a report the device refused as invalid (EIO, EPIPE,
// EPROTO, EILSEQ, ETIMEDOUT, EAGAIN, EINTR, EBUSY, EINVAL, EOVERFLOW); Failed for
// everything else (the device is gone, access was denied, the handle is bad).
HidStatus ClassifyHidError(int error);

}  // namespace solune
