#pragma once
// The backend of a process that must never reach real hardware (a test program
// and what it starts) and names no virtual mouse. Asking it for a device
// (Enumerate, Open) is a fault of the test: it writes what happened to stderr
// and aborts. Starting notices fails quietly, so a window may still come up
// and a test that never asks for the mouse runs as before.

#include "platform/HidBackend.h"

namespace solune {

class HardwareForbiddenBackend final : public HidBackend {
  public:
    // The line written to stderr before the abort.
    static constexpr const char* kMessage =
        "SOLUNE300_NO_HARDWARE: asked for a HID device, but no virtual mouse is named "
        "(SOLUNE300_SIMULATOR) and real hardware is forbidden; give the test a virtual "
        "mouse, or a NoMouseBackend when it means \"no mouse\"";

    std::vector<HidDeviceInfo> Enumerate(std::uint16_t vendorId, std::uint16_t productId) override;
    std::unique_ptr<HidDevice> Open(const std::string& path) override;
    bool StartNotices() override { return false; }
    int NoticeDescriptor() const override { return -1; }
    std::vector<HidNotice> TakeNotices() override { return {}; }
};

}  // namespace solune
