#include "tests/fuzz/FuzzedHidDevice.h"

#include <algorithm>
#include <cerrno>

namespace solune::fuzz {

namespace {

constexpr std::uint8_t kBlockReportId = 0x81;
constexpr std::uint8_t kWriteBlockCommand = 0x06;

HidResult failed(HidStatus status) {
    HidResult result;
    result.status = status;
    result.systemError = status == HidStatus::Transient ? EAGAIN : EIO;
    return result;
}

}  // namespace

HidStatus FuzzedHidDevice::nextStatus() {
    if (m_data.remaining_bytes() == 0) {
        return HidStatus::Failed;
    }
    // Mostly transfers that work, so that long exchanges stay reachable.
    switch (m_data.ConsumeIntegral<std::uint8_t>() % 16) {
        case 0:
            return HidStatus::Failed;
        case 1:
            return HidStatus::Transient;
        default:
            return HidStatus::Ok;
    }
}

HidResult FuzzedHidDevice::SetFeature(std::span<const std::uint8_t> report) {
    const HidStatus status = nextStatus();
    if (status != HidStatus::Ok) {
        return failed(status);
    }
    if (report.size() > 2 && report[0] == kBlockReportId && report[1] == kWriteBlockCommand) {
        m_record.sentBlocks.push_back(report[2]);
    }
    return HidResult{HidStatus::Ok, report.size(), 0};
}

HidResult FuzzedHidDevice::GetFeature(std::span<std::uint8_t> report) {
    const HidStatus status = nextStatus();
    if (status != HidStatus::Ok || report.empty()) {
        return failed(status == HidStatus::Ok ? HidStatus::Failed : status);
    }
    const std::size_t wanted = m_data.ConsumeIntegralInRange<std::size_t>(1, report.size());
    const std::vector<std::uint8_t> bytes = m_data.ConsumeBytes<std::uint8_t>(wanted - 1);
    std::copy(bytes.begin(), bytes.end(), report.begin() + 1);
    ++m_record.reads;
    m_record.lastReplyStatus = report.size() > 1 ? report[1] : 0;
    return HidResult{HidStatus::Ok, bytes.size() + 1, 0};
}

}  // namespace solune::fuzz
