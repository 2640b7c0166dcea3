#pragma once
// Every exchange with a HID device goes through this interface: enumeration, open,
// feature reports, and arrival/removal notices. Implementations: the hidraw backend
// (hidapi and a libudev monitor, platform/HidrawBackend.h) and the virtual mouse
// (simulator/). Nothing above the interface knows which one it talks to.
//
// Buffers: byte 0 of every report buffer is the report id and the buffer's length
// is the whole report, id included ("a 64-byte report 0x60 is a 64-byte buffer
// whose byte 0 is 0x60"). Errors are values, never exceptions.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace solune {

// One present HID interface (a top-level collection).
struct HidDeviceInfo {
    std::string path;       // what HidBackend::Open takes (hidraw: "/dev/hidraw3")
    std::string sysfsPath;  // the same path that notices carry; contains the HID id
                            // "0003:22D4:1308.000N" (bus, vendor, product, instance)
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t usagePage = 0;  // of the first top-level collection
    std::uint16_t usage = 0;
    int interfaceNumber = -1;  // USB interface number, -1 when not known
    std::string manufacturer;  // UTF-8, empty when not known
    std::string product;
    std::string serialNumber;
};

// How a transfer ended. Transient errors are the class that a caller may retry once
// at once (the device stalled, timed out or was momentarily not ready); Failed is
// everything else (the device is gone, access denied, the handle is closed).
enum class HidStatus : int {
    Ok = 0,
    Transient = 1,
    Failed = 2,
};

struct HidResult {
    HidStatus status = HidStatus::Failed;
    std::size_t bytes = 0;  // on Ok: bytes transferred, report id included
    int systemError = 0;    // on error: errno of the real backend, the simulator's
                            // own code otherwise; 0 on Ok

    bool Ok() const { return status == HidStatus::Ok; }
};

// An open HID interface. Destroying it closes it. Used by one thread at a time.
class HidDevice {
  public:
    virtual ~HidDevice() = default;

    // Sends the feature report `report` (byte 0 the report id, length the whole
    // report). On Ok, bytes == report.size().
    virtual HidResult SetFeature(std::span<const std::uint8_t> report) = 0;

    // Reads the feature report whose id the caller put in byte 0 of `report`, at
    // most report.size() bytes. On Ok, report[0, bytes) holds the reply, report id
    // first, and bytes beyond it are left as the caller set them. On an error the
    // buffer is left as the caller set it.
    virtual HidResult GetFeature(std::span<std::uint8_t> report) = 0;
};

struct HidNotice {
    enum class Kind { Arrival, Removal };
    Kind kind = Kind::Arrival;
    std::string devicePath;  // sysfs path of the interface, as in HidDeviceInfo::sysfsPath
};

class HidBackend {
  public:
    virtual ~HidBackend() = default;

    // Present HID interfaces, in the system's order. A vendor or product id of 0
    // matches any. Interfaces that cannot be examined are left out.
    virtual std::vector<HidDeviceInfo> Enumerate(std::uint16_t vendorId = 0,
                                                 std::uint16_t productId = 0) = 0;

    // Opens the interface at `path` (HidDeviceInfo::path) for reading and writing.
    // Null when it cannot be opened. The caller owns the device; it does not outlive
    // the backend.
    virtual std::unique_ptr<HidDevice> Open(const std::string& path) = 0;

    // Starts watching for arrival and removal of HID interfaces. False when the
    // system refuses; true again on later calls once started. Notices are collected
    // only from the moment of the first successful call.
    virtual bool StartNotices() = 0;

    // A file descriptor that becomes readable when notices may be pending, for an
    // event loop (QSocketNotifier, poll). -1 before StartNotices succeeded. Owned
    // by the backend.
    virtual int NoticeDescriptor() const = 0;

    // The notices that arrived since the last call, oldest first, without blocking;
    // drains the descriptor. Empty when none are pending or notices are not started.
    virtual std::vector<HidNotice> TakeNotices() = 0;
};

}  // namespace solune
