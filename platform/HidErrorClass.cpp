#include "platform/HidErrorClass.h"

#include <array>
#include <cerrno>

namespace solune {

namespace {

constexpr std::array kTransientErrors{EIO,    EPIPE, EPROTO, EILSEQ, ETIMEDOUT,
                                      EAGAIN, EINTR, EBUSY,  EINVAL, EOVERFLOW};

}  // namespace

HidStatus ClassifyHidError(int error) {
    for (int transient : kTransientErrors) {
        if (error == transient) {
            return HidStatus::Transient;
        }
    }
    return HidStatus::Failed;
}

}  // namespace solune
