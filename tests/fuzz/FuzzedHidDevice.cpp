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

FuzzedHidDevice::Answer FuzzedHidDevice::nextAnswer() {
    if (m_data.remaining_bytes() == 0) {
        return Answer::Failed;
    }
    // Mostly transfers that work, so that long exchanges stay reachable.
    switch (m_data.ConsumeIntegral<std::uint8_t>() % 16) {
        case 0:
            return Answer::Failed;
        case 1:
            return Answer::Transient;
        case 2:
            return Answer::Echoed;
        default:
            return Answer::Fuzzed;
    }
}

bool FuzzedHidDevice::echo(std::span<std::uint8_t> report) const {
    if (m_lastSent.empty() || m_lastSent[0] != report[0]) {
        return false;
    }
    const std::size_t n = std::min(report.size(), m_lastSent.size());
    std::copy(m_lastSent.begin() + std::min<std::size_t>(2, n), m_lastSent.begin() + n,
              report.begin() + std::min<std::size_t>(2, n));
    return true;
}

HidResult FuzzedHidDevice::SetFeature(std::span<const std::uint8_t> report) {
    const Answer answer = nextAnswer();
    if (answer == Answer::Failed || answer == Answer::Transient) {
        return failed(answer == Answer::Failed ? HidStatus::Failed : HidStatus::Transient);
    }
    m_lastSent.assign(report.begin(), report.end());
    if (report.size() > 2 && report[0] == kBlockReportId && report[1] == kWriteBlockCommand) {
        m_record.sentBlocks.push_back(report[2]);
    }
    return HidResult{HidStatus::Ok, report.size(), 0};
}

HidResult FuzzedHidDevice::GetFeature(std::span<std::uint8_t> report) {
    const Answer answer = nextAnswer();
    if (answer == Answer::Failed || answer == Answer::Transient || report.size() < 2) {
        return failed(answer == Answer::Transient ? HidStatus::Transient : HidStatus::Failed);
    }
    if (answer == Answer::Echoed && echo(report)) {
        report[1] = m_data.ConsumeIntegral<std::uint8_t>();
        ++m_record.reads;
        m_record.lastReplyStatus = report[1];
        return HidResult{HidStatus::Ok, report.size(), 0};
    }
    const std::size_t wanted = m_data.ConsumeIntegralInRange<std::size_t>(1, report.size());
    const std::vector<std::uint8_t> bytes = m_data.ConsumeBytes<std::uint8_t>(wanted - 1);
    std::copy(bytes.begin(), bytes.end(), report.begin() + 1);
    ++m_record.reads;
    m_record.lastReplyStatus = report[1];
    return HidResult{HidStatus::Ok, bytes.size() + 1, 0};
}

}  // namespace solune::fuzz
