#include "platform/HidrawBackend.h"

#include <hidapi.h>
#include <libudev.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <vector>

#include "platform/HidErrorClass.h"

namespace solune {

namespace {

void initialiseHidapi() {
    static std::once_flag once;
    std::call_once(once, [] { hid_init(); });
}

// hidapi's strings are wchar_t (UTF-32 on Linux); the interface carries UTF-8.
std::string toUtf8(const wchar_t* text) {
    std::string out;
    if (text == nullptr) {
        return out;
    }
    for (; *text != 0; ++text) {
        auto c = static_cast<char32_t>(*text);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

HidResult failure(int error) {
    return HidResult{ClassifyHidError(error), 0, error};
}

class HidrawDevice final : public HidDevice {
  public:
    explicit HidrawDevice(hid_device* handle) : m_handle(handle) {}
    ~HidrawDevice() override { hid_close(m_handle); }
    HidrawDevice(const HidrawDevice&) = delete;
    HidrawDevice& operator=(const HidrawDevice&) = delete;

    HidResult SetFeature(std::span<const std::uint8_t> report) override {
        if (report.empty()) {
            return HidResult{HidStatus::Failed, 0, EINVAL};
        }
        errno = 0;
        const int written = hid_send_feature_report(m_handle, report.data(), report.size());
        if (written < 0) {
            return failure(errno != 0 ? errno : EIO);
        }
        return HidResult{HidStatus::Ok, static_cast<std::size_t>(written), 0};
    }

    HidResult GetFeature(std::span<std::uint8_t> report) override {
        if (report.empty()) {
            return HidResult{HidStatus::Failed, 0, EINVAL};
        }
        // A work copy: the caller's buffer changes only when a reply came.
        std::vector<std::uint8_t> work(report.begin(), report.end());
        errno = 0;
        const int read = hid_get_feature_report(m_handle, work.data(), work.size());
        if (read < 0) {
            return failure(errno != 0 ? errno : EIO);
        }
        const auto bytes = std::min(static_cast<std::size_t>(read), report.size());
        std::copy_n(work.begin(), bytes, report.begin());
        return HidResult{HidStatus::Ok, bytes, 0};
    }

  private:
    hid_device* m_handle;
};

}  // namespace

struct HidrawBackend::Udev {
    udev* context = nullptr;
    udev_monitor* monitor = nullptr;

    ~Udev() {
        if (monitor != nullptr) {
            udev_monitor_unref(monitor);
        }
        if (context != nullptr) {
            udev_unref(context);
        }
    }

    // The sysfs path of hidraw node `node` ("/dev/hidraw3"), or empty.
    std::string sysfsPathOf(const std::string& node) const {
        const auto slash = node.rfind('/');
        const std::string name = slash == std::string::npos ? node : node.substr(slash + 1);
        udev_device* device =
            udev_device_new_from_subsystem_sysname(context, "hidraw", name.c_str());
        if (device == nullptr) {
            return {};
        }
        const char* path = udev_device_get_syspath(device);
        std::string result = path != nullptr ? path : "";
        udev_device_unref(device);
        return result;
    }
};

HidrawBackend::HidrawBackend() : m_udev(std::make_unique<Udev>()) {
    initialiseHidapi();
    m_udev->context = udev_new();
}

HidrawBackend::~HidrawBackend() = default;

std::vector<HidDeviceInfo> HidrawBackend::Enumerate(std::uint16_t vendorId,
                                                    std::uint16_t productId) {
    std::vector<HidDeviceInfo> devices;
    hid_device_info* list = hid_enumerate(vendorId, productId);
    for (const hid_device_info* d = list; d != nullptr; d = d->next) {
        if (d->path == nullptr) {
            continue;
        }
        HidDeviceInfo info;
        info.path = d->path;
        info.sysfsPath = m_udev->context != nullptr ? m_udev->sysfsPathOf(info.path) : "";
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.usagePage = d->usage_page;
        info.usage = d->usage;
        info.interfaceNumber = d->interface_number;
        info.manufacturer = toUtf8(d->manufacturer_string);
        info.product = toUtf8(d->product_string);
        info.serialNumber = toUtf8(d->serial_number);
        devices.push_back(std::move(info));
    }
    hid_free_enumeration(list);
    return devices;
}

std::unique_ptr<HidDevice> HidrawBackend::Open(const std::string& path) {
    hid_device* handle = hid_open_path(path.c_str());
    if (handle == nullptr) {
        return nullptr;
    }
    return std::make_unique<HidrawDevice>(handle);
}

bool HidrawBackend::StartNotices() {
    if (m_udev->monitor != nullptr) {
        return true;
    }
    if (m_udev->context == nullptr) {
        return false;
    }
    udev_monitor* monitor = udev_monitor_new_from_netlink(m_udev->context, "udev");
    if (monitor == nullptr) {
        return false;
    }
    if (udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        udev_monitor_unref(monitor);
        return false;
    }
    m_udev->monitor = monitor;
    return true;
}

int HidrawBackend::NoticeDescriptor() const {
    return m_udev->monitor != nullptr ? udev_monitor_get_fd(m_udev->monitor) : -1;
}

std::vector<HidNotice> HidrawBackend::TakeNotices() {
    std::vector<HidNotice> notices;
    if (m_udev->monitor == nullptr) {
        return notices;
    }
    // The monitor's socket does not block: receiving ends when nothing is pending.
    while (udev_device* device = udev_monitor_receive_device(m_udev->monitor)) {
        const char* action = udev_device_get_action(device);
        const char* path = udev_device_get_syspath(device);
        if (action != nullptr && path != nullptr) {
            if (std::strcmp(action, "add") == 0) {
                notices.push_back(HidNotice{HidNotice::Kind::Arrival, path});
            } else if (std::strcmp(action, "remove") == 0) {
                notices.push_back(HidNotice{HidNotice::Kind::Removal, path});
            }
        }
        udev_device_unref(device);
    }
    return notices;
}

}  // namespace solune
