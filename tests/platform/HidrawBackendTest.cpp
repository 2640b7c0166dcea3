// The hidraw backend (hidapi and the libudev monitor) against a fake hidraw device
// made by umockdev; the device's feature-report ioctls are answered by the virtual
// mouse. Runs under umockdev-wrapper; without it the program exits with 77 (skip).
#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <umockdev.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "config/device/DeviceCommands.h"
#include "config/device/HidLink.h"
#include "config/device/WriteProfileImage.h"
#include "platform/Clock.h"
#include "platform/HidErrorClass.h"
#include "platform/HidrawBackend.h"
#include "simulator/SimulatedHidBackend.h"

namespace solune {
namespace {

UMockdevTestbed* g_testbed = nullptr;

// The vendor collection: usage page 0xFF01, usage 2, feature reports 0x60 (63
// data bytes) and 0x61 (1040 data bytes).
constexpr std::uint8_t kReportDescriptor[] = {
    0x06, 0x01, 0xFF, 0x09, 0x02, 0xA1, 0x01,                    // page, usage, collection
    0x85, 0x60, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08,        // id 0x60, 0..255, 8 bits
    0x95, 0x3F, 0x09, 0x01, 0xB1, 0x02,                          // 63 bytes, feature
    0x85, 0x61, 0x96, 0x10, 0x04, 0x09, 0x01, 0xB1, 0x02, 0xC0,  // id 0x61, 1040 bytes
};

// The mouse behind the fake node: a virtual mouse in memory, its vendor
// interface open. The ioctl handler runs on umockdev's thread.
struct FakeMouse {
    simulator::SimulatedMouse sim;
    std::unique_ptr<HidDevice> vendor;
    int ioctls = 0;

    FakeMouse() {
        for (const auto& info : sim.backend().Enumerate()) {
            if (info.usagePage == 0xFF01) {
                vendor = sim.backend().Open(info.path);
            }
        }
    }
};

void completeWith(UMockdevIoctlClient* client, const HidResult& result) {
    if (result.Ok()) {
        umockdev_ioctl_client_complete(client, static_cast<glong>(result.bytes), 0);
    } else {
        umockdev_ioctl_client_complete(client, -1, result.systemError);
    }
}

gboolean handleIoctl(UMockdevIoctlBase*, UMockdevIoctlClient* client, gpointer user) {
    auto* mouse = static_cast<FakeMouse*>(user);
    const gulong request = umockdev_ioctl_client_get_request(client);
    if (_IOC_TYPE(request) != 'H') {
        return FALSE;
    }
    ++mouse->ioctls;
    UMockdevIoctlData* arg = umockdev_ioctl_client_get_arg(client);
    GError* error = nullptr;
    UMockdevIoctlData* data = umockdev_ioctl_data_resolve(arg, 0, _IOC_SIZE(request), &error);
    if (data == nullptr) {
        g_clear_error(&error);
        umockdev_ioctl_client_complete(client, -1, EFAULT);
        return TRUE;
    }
    std::span<std::uint8_t> buffer(data->data, static_cast<std::size_t>(data->data_len));
    switch (_IOC_NR(request)) {
        case _IOC_NR(HIDIOCGRDESCSIZE): {
            const int size = sizeof kReportDescriptor;
            std::memcpy(buffer.data(), &size, sizeof size);
            umockdev_ioctl_client_complete(client, 0, 0);
            break;
        }
        case _IOC_NR(HIDIOCGRDESC): {
            auto* descriptor = reinterpret_cast<hidraw_report_descriptor*>(buffer.data());
            descriptor->size = sizeof kReportDescriptor;
            std::memcpy(descriptor->value, kReportDescriptor, sizeof kReportDescriptor);
            umockdev_ioctl_client_complete(client, 0, 0);
            break;
        }
        case 0x06:  // HIDIOCSFEATURE(len)
            completeWith(client, mouse->vendor->SetFeature(buffer));
            break;
        case 0x07:  // HIDIOCGFEATURE(len)
            completeWith(client, mouse->vendor->GetFeature(buffer));
            break;
        default:
            umockdev_ioctl_client_complete(client, -1, ENOTTY);
            break;
    }
    umockdev_ioctl_data_unref(data);
    return TRUE;
}

// Adds the mouse's USB device, interface, HID device and hidraw node to the
// testbed, the node's ioctls answered by `mouse`. Returns the hidraw sysfs path.
std::string plugIn(FakeMouse& mouse) {
    UMockdevTestbed* tb = g_testbed;
    gchar* usb = umockdev_testbed_add_device(tb, "usb", "usb1-2", nullptr, "idVendor", "22d4",
                                             "idProduct", "1308", "manufacturer", "SOLUNE",
                                             "product", "SOLUNE 300 Gaming Mouse", "bcdDevice",
                                             "0105", nullptr, "DEVTYPE", "usb_device", nullptr);
    gchar* iface = umockdev_testbed_add_device(tb, "usb", "1-2:1.2", usb, "bInterfaceNumber", "02",
                                               nullptr, "DEVTYPE", "usb_interface", nullptr);
    gchar* hid = umockdev_testbed_add_device(tb, "hid", "0003:22D4:1308.0001", iface, nullptr,
                                             "HID_ID", "0003:000022D4:00001308", "HID_NAME",
                                             "SOLUNE 300 Gaming Mouse", "HID_UNIQ", "", nullptr);
    std::uint8_t descriptor[sizeof kReportDescriptor];
    std::memcpy(descriptor, kReportDescriptor, sizeof descriptor);
    umockdev_testbed_set_attribute_binary(tb, hid, "report_descriptor", descriptor,
                                          sizeof descriptor);
    gchar* root = umockdev_testbed_get_root_dir(tb);
    const std::string node = std::string(root) + "/dev/hidraw0";
    std::filesystem::create_directories(std::string(root) + "/dev");
    std::ofstream(node).close();
    g_free(root);
    gchar* raw = umockdev_testbed_add_device(tb, "hidraw", "hidraw0", hid, "dev", "241:0", nullptr,
                                             "DEVNAME", "/dev/hidraw0", nullptr);
    umockdev_testbed_set_attribute_link(tb, raw, "device", "..");
    UMockdevIoctlBase* handler = umockdev_ioctl_base_new();
    g_signal_connect(handler, "handle-ioctl", G_CALLBACK(handleIoctl), &mouse);
    GError* error = nullptr;
    EXPECT_TRUE(umockdev_testbed_attach_ioctl(tb, "/dev/hidraw0", handler, &error));
    g_clear_error(&error);
    g_object_unref(handler);
    const std::string path = raw;
    g_free(usb);
    g_free(iface);
    g_free(hid);
    g_free(raw);
    return path;
}

void unplug(const std::string& rawPath) {
    GError* error = nullptr;
    umockdev_testbed_detach_ioctl(g_testbed, "/dev/hidraw0", &error);
    g_clear_error(&error);
    umockdev_testbed_uevent(g_testbed, rawPath.c_str(), "remove");
    umockdev_testbed_remove_device(g_testbed, rawPath.c_str());
    umockdev_testbed_clear(g_testbed);
}

// Waits (bounded; returns as soon as something is readable) for notices.
std::vector<HidNotice> takeNotices(HidBackend& backend) {
    std::vector<HidNotice> all;
    for (int round = 0; round < 50 && all.empty(); ++round) {
        pollfd fd{backend.NoticeDescriptor(), POLLIN, 0};
        ::poll(&fd, 1, 100);
        for (auto& n : backend.TakeNotices()) {
            all.push_back(std::move(n));
        }
    }
    return all;
}

TEST(HidrawBackend, EnumeratesOpensAndTalksToTheMouseThroughHidraw) {
    FakeMouse mouse;
    mouse.sim.Change([](simulator::MouseState& s) { s.firmwareVersion = 212; });
    const std::string rawPath = plugIn(mouse);
    HidrawBackend backend;

    const auto devices = backend.Enumerate(0x22D4, 0x1308);
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0].path, "/dev/hidraw0");
    EXPECT_EQ(devices[0].usagePage, 0xFF01);
    EXPECT_EQ(devices[0].usage, 0x0002);
    EXPECT_EQ(devices[0].interfaceNumber, 2);
    EXPECT_NE(devices[0].sysfsPath.find("0003:22D4:1308.0001"), std::string::npos);
    EXPECT_TRUE(HidLink::IsOurDevicePath(devices[0].sysfsPath));
    EXPECT_TRUE(backend.Enumerate(0x22D4, 0x1307).empty());

    VirtualClock clock;
    HidLink link(backend, clock);
    ASSERT_TRUE(link.FindDevice());
    DeviceInfo info;
    ASSERT_EQ(GetDeviceInfo(link, info), CommandResult::Done);
    EXPECT_EQ(info.firmwareVersion, 212);

    Profile profile;
    profile.slot = 2;
    profile.name = u"hidraw";
    SettingsImage image{};
    ASSERT_EQ(BuildSettingsImage(profile, image), CommandResult::Done);
    ASSERT_EQ(WriteProfileImage(link, profile), CommandResult::Done);
    EXPECT_EQ(mouse.sim.State().profileSlots[2], image);
    ASSERT_EQ(SetActiveProfile(link, 2), CommandResult::Done);
    EXPECT_EQ(mouse.sim.State().activeSlot, 2);
    EXPECT_EQ(clock.Waits(), (std::vector<std::int64_t>{50, 60, 60, 1500}));

    link.CloseDevice();
    unplug(rawPath);
}

TEST(HidrawBackend, SortsTheDevicesErrorsIntoTransientAndFailed) {
    FakeMouse mouse;
    const std::string rawPath = plugIn(mouse);
    HidrawBackend backend;
    auto device = backend.Open("/dev/hidraw0");
    ASSERT_NE(device, nullptr);
    std::vector<std::uint8_t> request(64, 0);
    request[0] = 0x60;
    request[1] = 0x03;

    mouse.sim.Change([](simulator::MouseState& s) { SetFault(s, "set-fail-transient", 1); });
    const HidResult transient = device->SetFeature(request);
    EXPECT_EQ(transient.status, HidStatus::Transient);
    EXPECT_EQ(transient.systemError, EPIPE);

    mouse.sim.Change([](simulator::MouseState& s) { SetFault(s, "set-fail", 1); });
    const HidResult failed = device->SetFeature(request);
    EXPECT_EQ(failed.status, HidStatus::Failed);
    EXPECT_EQ(failed.systemError, EACCES);

    EXPECT_TRUE(device->SetFeature(request).Ok());
    std::vector<std::uint8_t> reply(64, 0);
    reply[0] = 0x60;
    mouse.sim.Change([](simulator::MouseState& s) { SetFault(s, "get-fail", 1); });
    std::vector<std::uint8_t> before = reply;
    EXPECT_EQ(device->GetFeature(reply).status, HidStatus::Transient);  // EIO
    EXPECT_EQ(reply, before);
    const HidResult ok = device->GetFeature(reply);
    ASSERT_TRUE(ok.Ok());
    EXPECT_EQ(ok.bytes, 64u);
    EXPECT_EQ(reply[1], 1);

    device.reset();
    unplug(rawPath);
}

TEST(HidrawBackend, ArrivalAndRemovalComeFromTheUdevMonitor) {
    HidrawBackend backend;
    ASSERT_TRUE(backend.StartNotices());
    ASSERT_GE(backend.NoticeDescriptor(), 0);
    VirtualClock clock;
    HidLink link(backend, clock);

    FakeMouse mouse;
    const std::string rawPath = plugIn(mouse);
    const auto arrived = takeNotices(backend);
    ASSERT_FALSE(arrived.empty());
    EXPECT_EQ(arrived.back().kind, HidNotice::Kind::Arrival);
    EXPECT_EQ(arrived.back().devicePath, rawPath);
    EXPECT_NE(rawPath.find("0003:22D4:1308.0001/"), std::string::npos);
    for (const auto& notice : arrived) {
        if (notice.kind == HidNotice::Kind::Arrival && HidLink::IsOurDevicePath(notice.devicePath)) {
            link.DeviceArrived();
        }
    }
    EXPECT_EQ(link.deviceConnected(), 1);

    unplug(rawPath);
    const auto removed = takeNotices(backend);
    ASSERT_FALSE(removed.empty());
    EXPECT_EQ(removed.back().kind, HidNotice::Kind::Removal);
    EXPECT_TRUE(HidLink::IsOurDevicePath(removed.back().devicePath));
    link.DeviceRemoved();
    EXPECT_EQ(link.deviceConnected(), 0);
}

TEST(HidErrorClass, TransientErrorsAreTheRetryableOnes) {
    for (int e : {EIO, EPIPE, EPROTO, ETIMEDOUT, EAGAIN, EINTR, EBUSY, EINVAL}) {
        EXPECT_EQ(ClassifyHidError(e), HidStatus::Transient) << e;
    }
    for (int e : {ENODEV, ENOENT, EACCES, EPERM, EBADF, ESHUTDOWN, 0}) {
        EXPECT_EQ(ClassifyHidError(e), HidStatus::Failed) << e;
    }
}

}  // namespace
}  // namespace solune

int main(int argc, char** argv) {
    // The testbed must exist before asking whether the mock environment is on.
    solune::g_testbed = umockdev_testbed_new();
    if (!umockdev_in_mock_environment()) {
        std::fprintf(stderr, "not under umockdev-wrapper: skipped\n");
        return 77;
    }
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    g_object_unref(solune::g_testbed);
    return result;
}
