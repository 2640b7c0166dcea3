#pragma once
// The connection to the mouse's vendor interface in normal mode: finding and
// opening it, feature reports with the retry rule, polling for a command's reply
// with the busy and status rules, and following the mouse's arrival and removal.
//
// One link per process, used from one thread. Every operation blocks, its waits
// included; every wait goes through the Clock.

#include <array>
#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "platform/Clock.h"
#include "platform/HidBackend.h"
#include "platform/MouseIdentity.h"

namespace solune {

inline constexpr std::uint8_t kCommandReportId = 0x60;
inline constexpr std::size_t kCommandReportSize = 64;
inline constexpr std::uint8_t kImageReportId = 0x61;
inline constexpr std::size_t kImageReportSize = 1041;

// Reply status (byte 1 of a reply).
inline constexpr std::uint8_t kReplyDone = 1;
inline constexpr std::uint8_t kReplyBusy = 4;

// The wait between two polls of a busy mouse.
inline constexpr std::chrono::milliseconds kBusyPollWait{20};

using CommandReport = std::array<std::uint8_t, kCommandReportSize>;

class HidLink {
  public:
    // Borrows `backend` and `clock` for the link's lifetime.
    HidLink(HidBackend& backend, Clock& clock);
    ~HidLink();
    HidLink(const HidLink&) = delete;
    HidLink& operator=(const HidLink&) = delete;

    // Closes a device still open, then opens the first present interface with the
    // mouse's vendor, product, usage page and usage. True when one is open
    // afterwards (and deviceConnected() is then 1); false with no device open.
    // An interface that matches but cannot be opened is passed over.
    bool FindDevice();
    // The same search for any vendor and product, on usage page 0xFF01, usage 2.
    bool FindDevice(std::uint16_t vendorId, std::uint16_t productId);

    // One set-feature transfer of `report` (byte 0 the report id). A transient
    // error is retried once at once, without waiting, and the retry's outcome
    // counts; any other error gives false. False when no device is open.
    bool SendFeature(std::span<const std::uint8_t> report);

    // Polls for a command's reply. The caller passes a 64-byte buffer whose byte 0
    // is 0x60 and whose other bytes are 0. Up to five get-feature reads:
    //   status 1 (done): the reply is copied into `reply`; returns 1.
    //   status 4 (busy): returns 0 when it is the third read; else waits 20 ms.
    //   any other status: reads again at once.
    // A failed read, or no open device, returns 0. After five reads without a done
    // or a busy reply at the third read the result is 1 with `reply` untouched: the caller's buffer
    // still holds its report id and zeros (status byte 0).
    int PollReply(CommandReport& reply);

    // Closes the open device, if any.
    void CloseDevice();

    // Starts following the arrival and removal of HID interfaces. False when the
    // system refuses; the program then goes on without notices.
    bool RegisterArrivalNotification();
    // The descriptor to watch for notices (-1 before registration).
    int NoticeDescriptor() const;

    // True when `path` contains "22D4" or "22d4" and also "1308".
    static bool IsOurDevicePath(std::string_view path);

    // The backend's pending notices, oldest first. The caller picks those of
    // the mouse (IsOurDevicePath) and answers each: a removal with
    // DeviceRemoved, an arrival, after letting the mouse settle for a moment
    // without blocking its event loop, with DeviceArrived.
    std::vector<HidNotice> TakeNotices();
    // The removal of the mouse: deviceConnected() becomes 0 and the device is
    // closed.
    void DeviceRemoved();
    // What follows the settle time after the mouse's arrival: FindDevice when
    // deviceConnected() is 0. True when the mouse is connected afterwards.
    bool DeviceArrived();

    // 1 after a successful FindDevice, 0 again after the mouse's removal notice.
    // Stays 1 after an unnoticed unplugging, until the removal notice arrives.
    std::uint16_t deviceConnected() const { return m_deviceConnected; }
    bool IsOpen() const { return m_device != nullptr; }

    Clock& clock() { return m_clock; }

  private:
    HidBackend& m_backend;
    Clock& m_clock;
    std::unique_ptr<HidDevice> m_device;
    std::uint16_t m_deviceConnected = 0;
};

}  // namespace solune
