#include "simulator/NormalModeReports.h"

#include <algorithm>
#include <array>
#include <cerrno>

namespace solune::simulator {

namespace {

constexpr std::array<FaultKind, 3> kFaults{{
    {"busy", "the next N replies of report 0x60 carry status 4 (busy)", false},
    {"reply-status", "the next N replies of report 0x60 carry status VALUE", true},
    {"active-slot", "the next N active-slot replies report slot VALUE", true},
}};

// Identity bytes 22..33 of the device-information reply: vendor and product id,
// then the model name.
constexpr std::array<std::uint8_t, 12> kIdentity{0xD4, 0x22, 0x08, 0x13, 'S', 'O',
                                                 'L',  'U',  'N',  'E',  '3', '0'};

HidResult done(std::size_t bytes) {
    return HidResult{HidStatus::Ok, bytes, 0};
}
HidResult wrongLength() {
    return HidResult{HidStatus::Failed, 0, EINVAL};
}

void setReply(MouseState& state, std::uint8_t status) {
    state.reply.fill(0);
    state.reply[0] = kCommandReportId;
    state.reply[1] = status;
}

}  // namespace

std::optional<HidResult> NormalModeReports::SetFeature(MouseState& state,
                                                       std::span<const std::uint8_t> report) {
    if (report.empty()) {
        return std::nullopt;
    }
    if (report[0] == kCommandReportId) {
        if (report.size() != kCommandReportBytes) {
            return wrongLength();
        }
        runCommand(state, report);
        return done(report.size());
    }
    if (report[0] == kImageReportId) {
        if (report.size() != kImageReportBytes) {
            return wrongLength();
        }
        storeImageHalf(state, report);
        return done(report.size());
    }
    return std::nullopt;
}

std::optional<HidResult> NormalModeReports::GetFeature(MouseState& state,
                                                       std::span<std::uint8_t> report) {
    if (report.empty() || report[0] != kCommandReportId) {
        return std::nullopt;
    }
    std::array<std::uint8_t, kCommandReportBytes> reply = state.reply;
    reply[0] = kCommandReportId;
    int status = 0;
    // Armed together, the other-status replies come first, then the busy ones.
    if (ConsumeFault(state, "reply-status", &status)) {
        reply[1] = static_cast<std::uint8_t>(status);
    } else if (ConsumeFault(state, "busy")) {
        reply.fill(0);
        reply[0] = kCommandReportId;
        reply[1] = kStatusBusy;
    }
    const std::size_t bytes = std::min(report.size(), reply.size());
    std::copy_n(reply.begin(), bytes, report.begin());
    return done(bytes);
}

std::span<const FaultKind> NormalModeReports::Faults() const {
    return kFaults;
}

void NormalModeReports::runCommand(MouseState& state, std::span<const std::uint8_t> request) {
    const std::uint8_t command = request[1];
    const std::uint8_t sub = request[2];
    const std::uint8_t argument = request[5];
    setReply(state, kStatusDone);
    auto& reply = state.reply;
    switch (command) {
        case 0x01:
            reply[16] = state.protocolGeneration;
            return;
        case 0x02:
            reply[16] = static_cast<std::uint8_t>(state.firmwareVersion & 0xFF);
            reply[17] = static_cast<std::uint8_t>(state.firmwareVersion >> 8);
            std::copy(kIdentity.begin(), kIdentity.end(), reply.begin() + 22);
            return;
        case 0x03: {
            int slot = state.activeSlot;
            ConsumeFault(state, "active-slot", &slot);
            reply[16] = static_cast<std::uint8_t>(slot);
            return;
        }
        case 0x04:
            if (argument < kSlotCount) {
                state.activeSlot = argument;
                return;
            }
            break;
        case 0x05:
            if (sub == 0x01) {
                state.surfaceStarted = true;
                return;
            }
            if (sub == 0x02) {
                reply[16] = state.surfaceMeasure;
                return;
            }
            break;
        case 0x06:
            if (sub == 0x01) {
                state.liftOffTest = argument;
                return;
            }
            if (sub == 0x02) {
                state.liftOffSaved = argument;
                return;
            }
            break;
        default:
            break;
    }
    setReply(state, kStatusRefused);
}

void NormalModeReports::storeImageHalf(MouseState& state, std::span<const std::uint8_t> report) {
    const std::uint8_t slot = report[5];
    const std::uint8_t half = report[6];
    if (report[1] != 0x08 || slot >= kSlotCount || half > 1) {
        setReply(state, kStatusRefused);
        return;
    }
    std::copy_n(report.begin() + 16, 1024, state.profileSlots[slot].begin() + 1024 * half);
    setReply(state, kStatusDone);
}

}  // namespace solune::simulator
