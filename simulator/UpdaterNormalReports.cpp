#include "simulator/UpdaterNormalReports.h"

#include <algorithm>
#include <array>
#include <cerrno>

#include "simulator/VirtualFirmware.h"

namespace solune::simulator {

namespace {

constexpr std::array<FaultKind, 2> kFaults{{
    {"not-ready", "the next N ready polls (report 0x20) read not ready", false},
    {"bl-never-appears", "after the next boot request the boot loader never appears", false},
}};

constexpr std::uint8_t kUnlock[3] = {0x6B, 0x96, 0x2E};
constexpr std::uint8_t kStep1[5] = {0x06, 0x09, 0x00, 0x00, 0x08};
constexpr std::uint8_t kStep2Tail[5] = {0x10, 0x03, 0xCB, 0x00, 0x01};

HidResult ok(std::size_t bytes) {
    return HidResult{HidStatus::Ok, bytes, 0};
}
HidResult wrongLength() {
    return HidResult{HidStatus::Failed, 0, EINVAL};
}

nlohmann::json& updaterData(MouseState& state) {
    nlohmann::json& data = state.extra["updater"];
    if (!data.is_object()) {
        data = nlohmann::json::object();
    }
    return data;
}

bool matches(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> expected) {
    return std::equal(expected.begin(), expected.end(), bytes.begin());
}

// The mouse restarts into its boot loader, or (fault) vanishes on the way.
void leaveNormalMode(MouseState& state) {
    const bool vanish = ConsumeFault(state, "bl-never-appears");
    EnterBootLoaderMode(state);
    if (vanish) {
        state.plugged = false;
    }
}

}  // namespace

std::optional<HidResult> UpdaterNormalReports::SetFeature(MouseState& state,
                                                          std::span<const std::uint8_t> report) {
    if (report.size() < 2) {
        return std::nullopt;
    }
    switch (report[0]) {
        case 0x03:
            return report.size() == 8 ? ok(8) : wrongLength();
        case 0x20:
            if (report.size() != 8) {
                return wrongLength();
            }
            updaterData(state)["step1"] = matches(report.subspan(1), kStep1);
            return ok(8);
        case 0x21: {
            if (report.size() != 9) {
                return wrongLength();
            }
            nlohmann::json& data = updaterData(state);
            if (data.value("step1", false) && matches(report.subspan(1), kUnlock) &&
                matches(report.subspan(4), kStep2Tail)) {
                data["bootOnReady"] = true;
            }
            data["step1"] = false;
            return ok(9);
        }
        case 0x60:
            if (report.size() == 64 && report[1] == 0x3A && matches(report.subspan(5), kUnlock)) {
                updaterData(state)["bootOnRead"] = true;
                return ok(64);
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

std::optional<HidResult> UpdaterNormalReports::GetFeature(MouseState& state,
                                                          std::span<std::uint8_t> report) {
    if (report.empty()) {
        return std::nullopt;
    }
    std::array<std::uint8_t, 64> reply{report[0]};
    bool leave = false;
    switch (report[0]) {
        case 0x20: {
            const bool ready = !ConsumeFault(state, "not-ready");
            reply[1] = ready ? 1 : 0;
            leave = ready && updaterData(state).value("bootOnReady", false);
            break;
        }
        case 0x04:
            reply[1] = static_cast<std::uint8_t>(state.firmwareVersion);
            reply[2] = static_cast<std::uint8_t>(state.firmwareVersion >> 8);
            break;
        case 0x60:
            if (!updaterData(state).value("bootOnRead", false)) {
                return std::nullopt;
            }
            reply[1] = 1;
            leave = true;
            break;
        default:
            return std::nullopt;
    }
    const std::size_t bytes = std::min(report.size(), reply.size());
    std::copy_n(reply.begin(), bytes, report.begin());
    if (leave) {
        leaveNormalMode(state);
    }
    return ok(bytes);
}

std::span<const FaultKind> UpdaterNormalReports::Faults() const {
    return kFaults;
}

}  // namespace solune::simulator
