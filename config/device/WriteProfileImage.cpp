#include "config/device/WriteProfileImage.h"

#include <algorithm>

namespace solune {

ImageReport BuildImageReport(std::uint8_t slot, int half, const SettingsImage& image) {
    constexpr std::size_t kHalfBytes = 1024;
    ImageReport report{};
    report[0] = kImageReportId;
    report[1] = 0x08;
    report[5] = slot;
    report[6] = static_cast<std::uint8_t>(half);
    std::copy_n(image.begin() + kHalfBytes * half, kHalfBytes, report.begin() + 16);
    return report;
}

CommandResult WriteSettingsImage(HidLink& link, std::uint8_t slot, const SettingsImage& image) {
    for (int half = 0; half < 2; ++half) {
        const ImageReport report = BuildImageReport(slot, half, image);
        const bool sent = link.SendFeature(report);
        // The mouse stores the half into flash before it answers.
        link.clock().Sleep(kImageHalfWait);
        if (!sent) {
            return CommandResult::Failed;
        }
        CommandReport reply{};
        reply[0] = kCommandReportId;
        if (link.PollReply(reply) != 1 || reply[1] != kReplyDone) {
            return CommandResult::Failed;
        }
    }
    return CommandResult::Done;
}

CommandResult WriteProfileImage(HidLink& link, const Profile& profile) {
    SettingsImage image{};
    if (BuildSettingsImage(profile, image) == CommandResult::Limit) {
        return CommandResult::Limit;
    }
    return WriteSettingsImage(link, profile.slot, image);
}

}  // namespace solune
