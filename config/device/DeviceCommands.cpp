#include "config/device/DeviceCommands.h"

#include <algorithm>

namespace solune {

int ClampLiftOff(int value) {
    return std::clamp(value, kMinLiftOff, kMaxLiftOff);
}

CommandReport BuildCommandRequest(const CommandEntry& entry, std::uint8_t argument) {
    CommandReport request{};
    request[0] = kCommandReportId;
    request[1] = entry.command;
    request[2] = entry.subCommand;
    request[5] = argument;
    return request;
}

CommandResult RunCommand(HidLink& link, const CommandEntry& entry, std::uint8_t argument,
                         CommandReport& reply) {
    const CommandReport request = BuildCommandRequest(entry, argument);
    const bool sent = link.SendFeature(request);
    if (sent || entry.waitAlways) {
        link.clock().Sleep(entry.wait);
    }
    if (!sent) {
        return CommandResult::Failed;
    }
    reply.fill(0);
    reply[0] = kCommandReportId;
    if (link.PollReply(reply) != 1 || reply[1] != kReplyDone) {
        return CommandResult::Failed;
    }
    return CommandResult::Done;
}

CommandResult GetDeviceInfo(HidLink& link, DeviceInfo& info) {
    CommandReport reply;
    const CommandResult result = RunCommand(link, kGetDeviceInfo, 0, reply);
    if (result == CommandResult::Done) {
        info.firmwareVersion = static_cast<std::uint16_t>(reply[16] | reply[17] << 8);
        std::copy_n(reply.begin() + 22, info.further.size(), info.further.begin());
    }
    return result;
}

CommandResult GetActiveProfile(HidLink& link, int& slot) {
    constexpr int kHighestSlot = 4;
    CommandReport reply;
    const CommandResult result = RunCommand(link, kGetActiveProfile, 0, reply);
    if (result != CommandResult::Done || reply[16] > kHighestSlot) {
        return CommandResult::Failed;
    }
    slot = reply[16];
    return result;
}

CommandResult SetActiveProfile(HidLink& link, std::uint8_t slot) {
    CommandReport reply;
    return RunCommand(link, kSetActiveProfile, slot, reply);
}

CommandResult StartSurfaceAnalysis(HidLink& link) {
    CommandReport reply;
    return RunCommand(link, kStartSurfaceAnalysis, 0, reply);
}

CommandResult GetSurfaceAnalysis(HidLink& link, std::uint8_t& measure) {
    CommandReport reply;
    const CommandResult result = RunCommand(link, kGetSurfaceAnalysis, 0, reply);
    if (result == CommandResult::Done) {
        measure = reply[16];
    }
    return result;
}

CommandResult TestLiftOff(HidLink& link, std::uint8_t value) {
    CommandReport reply;
    return RunCommand(link, kTestLiftOff, value, reply);
}

CommandResult SaveLiftOff(HidLink& link, std::uint8_t value) {
    CommandReport reply;
    return RunCommand(link, kSaveLiftOff, value, reply);
}

}  // namespace solune
