#include "simulator/VirtualMouse.h"

#include <array>
#include <cerrno>
#include <cstdio>

namespace solune::simulator {

namespace {

// The normal mode presents the pointer, the keyboard that plays macros and the
// vendor interface; the boot loader only its vendor interface.
constexpr std::array<MouseInterface, 3> kNormalInterfaces{{
    {0x0001, 0x0002, 0, "SOLUNE 300 Gaming Mouse"},
    {0x0001, 0x0006, 1, "SOLUNE 300 Gaming Mouse"},
    {kMouseUsagePage, kMouseUsage, 2, "SOLUNE 300 Gaming Mouse"},
}};
constexpr std::array<MouseInterface, 1> kBootLoaderInterfaces{{
    {kMouseUsagePage, kMouseUsage, 0, "SOLUNE 300 Boot Loader"},
}};

constexpr std::array<FaultKind, 4> kTransferFaultTable{{
    {"set-fail", "the next N set-feature calls fail (a lasting error)", false},
    {"set-fail-transient", "the next N set-feature calls fail with a transient error", false},
    {"get-fail", "the next N get-feature calls fail", false},
    {"unplug", "the mouse is unplugged at the Nth transfer from now, which fails", false},
}};

std::string sysfsPathOf(const MouseState& state, std::size_t index) {
    // Each interface of each plugging has its own HID instance number, as in sysfs.
    const unsigned number = ((state.instance - 1) * 4 + static_cast<unsigned>(index) + 1) & 0xFFFF;
    char text[128];
    std::snprintf(text, sizeof text,
                  "/sys/devices/virtual/solune300-sim/0003:%04X:%04X.%04X/hidraw/hidraw%u",
                  kMouseVendorId, ProductIdOf(state), number, number);
    return text;
}

}  // namespace

const std::span<const FaultKind> kTransferFaults{kTransferFaultTable};

std::span<const MouseInterface> InterfacesOf(MouseMode mode) {
    if (mode == MouseMode::BootLoader) {
        return kBootLoaderInterfaces;
    }
    return kNormalInterfaces;
}

void Replug(MouseState& state) {
    state.instance = state.instance >= 0xFFFF ? 1 : state.instance + 1;
    state.plugged = true;
}

VirtualMouse::VirtualMouse() = default;
VirtualMouse::~VirtualMouse() = default;

void VirtualMouse::AddHandler(MouseMode mode, std::unique_ptr<ReportHandler> handler) {
    m_handlers.push_back(Registered{mode, std::move(handler)});
}

std::vector<HidDeviceInfo> VirtualMouse::Enumerate(const MouseState& state) const {
    std::vector<HidDeviceInfo> devices;
    if (!state.plugged) {
        return devices;
    }
    const auto interfaces = InterfacesOf(state.mode);
    for (std::size_t i = 0; i < interfaces.size(); ++i) {
        HidDeviceInfo info;
        info.sysfsPath = sysfsPathOf(state, i);
        info.path = info.sysfsPath;
        info.vendorId = kMouseVendorId;
        info.productId = ProductIdOf(state);
        info.usagePage = interfaces[i].usagePage;
        info.usage = interfaces[i].usage;
        info.interfaceNumber = interfaces[i].interfaceNumber;
        info.manufacturer = "SOLUNE";
        info.product = interfaces[i].product;
        devices.push_back(std::move(info));
    }
    return devices;
}

int VirtualMouse::presentInterface(const MouseState& state, const std::string& path) const {
    if (!state.plugged) {
        return -1;
    }
    const auto interfaces = InterfacesOf(state.mode);
    for (std::size_t i = 0; i < interfaces.size(); ++i) {
        if (sysfsPathOf(state, i) == path) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool VirtualMouse::transferFault(MouseState& state, bool isSet, HidResult& result) const {
    if (ConsumeFault(state, "unplug") && state.faults.count("unplug") == 0) {
        state.plugged = false;
        result = HidResult{HidStatus::Failed, 0, ENODEV};
        return true;
    }
    if (isSet && ConsumeFault(state, "set-fail")) {
        result = HidResult{HidStatus::Failed, 0, EACCES};
        return true;
    }
    if (isSet && ConsumeFault(state, "set-fail-transient")) {
        result = HidResult{HidStatus::Transient, 0, EPIPE};
        return true;
    }
    if (!isSet && ConsumeFault(state, "get-fail")) {
        result = HidResult{HidStatus::Failed, 0, EIO};
        return true;
    }
    return false;
}

HidResult VirtualMouse::transfer(MouseState& state, const std::string& path, bool isSet,
                                 const HandlerCall& call) const {
    const int index = presentInterface(state, path);
    if (index < 0) {
        return HidResult{HidStatus::Failed, 0, ENODEV};
    }
    HidResult result;
    if (transferFault(state, isSet, result)) {
        return result;
    }
    const MouseInterface& face = InterfacesOf(state.mode)[index];
    if (face.usagePage == kMouseUsagePage && face.usage == kMouseUsage) {
        const MouseMode mode = state.mode;
        for (const Registered& r : m_handlers) {
            if (r.mode == mode) {
                if (auto answer = call(*r.handler)) {
                    return *answer;
                }
            }
        }
    }
    return HidResult{HidStatus::Failed, 0, EPIPE};
}

HidResult VirtualMouse::SetFeature(MouseState& state, const std::string& path,
                                   std::span<const std::uint8_t> report) const {
    return transfer(state, path, true,
                    [&](ReportHandler& handler) { return handler.SetFeature(state, report); });
}

HidResult VirtualMouse::GetFeature(MouseState& state, const std::string& path,
                                   std::span<std::uint8_t> report) const {
    return transfer(state, path, false,
                    [&](ReportHandler& handler) { return handler.GetFeature(state, report); });
}

std::vector<FaultKind> VirtualMouse::Faults() const {
    std::vector<FaultKind> faults(kTransferFaults.begin(), kTransferFaults.end());
    for (const Registered& r : m_handlers) {
        for (const FaultKind& fault : r.handler->Faults()) {
            faults.push_back(fault);
        }
    }
    return faults;
}

}  // namespace solune::simulator
