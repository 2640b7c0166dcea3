// Drives the mouse's normal-mode commands against a device that answers with
// fuzz bytes: short replies, busy and unknown statuses, failed and stalled
// transfers, the mouse coming and going. No command may read outside its
// buffers, and none may report success without a "done" reply that it read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <fuzzer/FuzzedDataProvider.h>

#include "config/device/DeviceCommands.h"
#include "config/device/HidLink.h"
#include "config/device/WriteProfileImage.h"
#include "platform/Clock.h"
#include "tests/fuzz/FuzzedHidBackend.h"

namespace {

using solune::CommandResult;
using solune::HidLink;

// A command that reports Done must have read a reply whose status is "done".
void checkDone(CommandResult result, const solune::fuzz::FuzzedHidBackend& backend,
               int readsBefore) {
    if (result == CommandResult::Done && (backend.record().reads == readsBefore ||
                                          backend.record().lastReplyStatus != solune::kReplyDone)) {
        std::abort();
    }
}

// The mouse coming and going, answered as the configuration window answers it.
void answerNotices(HidLink& link) {
    for (const solune::HidNotice& notice : link.TakeNotices()) {
        if (!HidLink::IsOurDevicePath(notice.devicePath)) {
            continue;
        }
        if (notice.kind == solune::HidNotice::Kind::Removal) {
            link.DeviceRemoved();
        } else {
            link.DeviceArrived();
        }
    }
}

CommandResult runOne(int which, HidLink& link, FuzzedDataProvider& data) {
    const auto argument = data.ConsumeIntegral<std::uint8_t>();
    switch (which) {
        case 0: {
            solune::DeviceInfo info;
            return solune::GetDeviceInfo(link, info);
        }
        case 1: {
            int slot = -1;
            const CommandResult result = solune::GetActiveProfile(link, slot);
            if (result == CommandResult::Done && (slot < 0 || slot > 4)) {
                std::abort();
            }
            return result;
        }
        case 2:
            return solune::SetActiveProfile(link, argument);
        case 3:
            return solune::StartSurfaceAnalysis(link);
        case 4: {
            std::uint8_t measure = 0;
            return solune::GetSurfaceAnalysis(link, measure);
        }
        case 5:
            return solune::TestLiftOff(link,
                                       static_cast<std::uint8_t>(solune::ClampLiftOff(argument)));
        case 6:
            return solune::SaveLiftOff(link,
                                       static_cast<std::uint8_t>(solune::ClampLiftOff(argument)));
        case 7: {
            solune::SettingsImage image{};
            image.fill(argument);
            return solune::WriteSettingsImage(link, argument % 5, image);
        }
        default:
            if (argument & 1) {
                answerNotices(link);
            } else {
                link.FindDevice();
            }
            return CommandResult::Failed;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    solune::VirtualClock clock;
    solune::fuzz::FuzzedHidBackend backend(data);
    HidLink link(backend, clock);
    link.FindDevice();
    while (data.remaining_bytes() > 0) {
        const int which = data.ConsumeIntegralInRange<int>(0, 8);
        const int readsBefore = backend.record().reads;
        checkDone(runOne(which, link, data), backend, readsBefore);
    }
    return 0;
}
