// The updater's link: finding the device, the two reading rules, the requests
// to the mouse in normal mode, and the commands of the boot loader with the
// block check built on them.
#include "updater/bootloader/BootLoaderLink.h"

#include <algorithm>
#include <array>

#include "platform/VendorInterface.h"
#include "updater/bootloader/FirmwareFormat.h"
#include "updater/bootloader/StatusCodes.h"

namespace solune {

namespace {

constexpr int kReadyReads = 10;

constexpr std::uint8_t kUnlock[3] = {0x6B, 0x96, 0x2E};

std::array<std::uint8_t, 64> commandReport(std::uint8_t command) {
    std::array<std::uint8_t, 64> report{0x60, command};
    return report;
}

constexpr std::uint8_t kShortId = 0x80;
constexpr std::uint8_t kBlockId = 0x81;

using ShortReport = std::array<std::uint8_t, kShortReportSize>;
using BlockReport = std::array<std::uint8_t, kBlockReportSize>;

ShortReport shortRequest(std::uint8_t command) {
    ShortReport r{kShortId, command};
    return r;
}

BlockReport blockRequest(std::uint8_t command, std::uint8_t second, BlockSpan block) {
    BlockReport r{kBlockId, command, second};
    std::copy(block.begin(), block.end(), r.begin() + 16);
    return r;
}

}  // namespace

int BootLoaderLink::FindHidDevice(std::uint16_t vendorId, std::uint16_t productId) {
    CloseDevice();
    m_device = OpenVendorInterface(m_backend, vendorId, productId);
    return m_device ? 1 : 0;
}

bool BootLoaderLink::send(std::span<const std::uint8_t> report) {
    return m_device && noteResult(m_device->SetFeature(report));
}

bool BootLoaderLink::get(std::span<std::uint8_t> report) {
    return m_device && noteResult(m_device->GetFeature(report));
}

bool BootLoaderLink::noteResult(const HidResult& result) {
    m_lastSystemError = result.Ok() ? 0 : result.systemError;
    return result.Ok();
}

int BootLoaderLink::GetFeatureWithRetry(std::span<std::uint8_t> buffer) {
    if (!get(buffer)) {
        return 0;
    }
    if (buffer[1] != kHcNotReady) {
        return 1;
    }
    for (int reread = 0; reread < 3; ++reread) {
        if (get(buffer) && buffer[1] == kHcOk) {
            return 1;
        }
        wait(50);
    }
    return 0;
}

bool BootLoaderLink::WaitReady() {
    static constexpr int kWaits[] = {10, 20, 40};
    for (int read = 0; read < kReadyReads; ++read) {
        std::array<std::uint8_t, 9> poll{0x20};
        const bool ready = get(poll) && poll[1] == 1;
        wait(read < 3 ? kWaits[read] : 80);
        if (ready) {
            return true;
        }
    }
    return false;
}

int BootLoaderLink::exchange(std::span<const std::uint8_t> request, int waitMs,
                             std::span<std::uint8_t> reply, bool& gotReply) {
    gotReply = false;
    if (!send(request)) {
        return kStatusNotSent;
    }
    wait(waitMs);
    const std::uint8_t id = reply[0];
    std::fill(reply.begin(), reply.end(), 0);
    reply[0] = id;
    gotReply = GetFeatureWithRetry(reply) == 1;
    return reply[1];
}

// Requests to the mouse in normal mode.

int BootLoaderLink::OlderVersionRequest(std::uint16_t& version) {
    const std::array<std::uint8_t, 8> request{0x03, 0x04};
    if (!send(request) || !WaitReady()) {
        return kRequestFailed;
    }
    std::array<std::uint8_t, 64> reply{0x04};
    // A failed read would leave zeros and pass them off as version 0.00, which
    // makes any package look newer; it counts as a failed request instead.
    if (!get(reply)) {
        return kRequestFailed;
    }
    version = static_cast<std::uint16_t>(reply[1] | (reply[2] << 8));
    return kRequestDone;
}

int BootLoaderLink::GetProtocolGeneration() {
    if (!send(commandReport(0x01))) {
        return kRequestFailed;
    }
    wait(50);
    std::array<std::uint8_t, 64> reply{0x60};
    if (!get(reply)) {
        return kRequestFailed;
    }
    m_protocolGeneration = reply[16];
    return kRequestDone;
}

int BootLoaderLink::GetDeviceInfo(std::uint16_t& version) {
    if (!send(commandReport(0x02))) {
        return kRequestFailed;
    }
    wait(50);
    std::array<std::uint8_t, 64> reply{0x60};
    const bool read = get(reply);
    wait(10);
    if (!read) {
        return kRequestFailed;
    }
    version = static_cast<std::uint16_t>(reply[16] | (reply[17] << 8));
    return kRequestDone;
}

int BootLoaderLink::ReadMouseVersion(std::uint16_t& version) {
    if (GetProtocolGeneration() == kRequestDone && m_protocolGeneration == 2) {
        return GetDeviceInfo(version);
    }
    return OlderVersionRequest(version);
}

int BootLoaderLink::OlderBootRequest() {
    const std::array<std::uint8_t, 8> step1{0x20, 0x06, 0x09, 0x00, 0x00, 0x08};
    const std::array<std::uint8_t, 9> step2{0x20 + 1, kUnlock[0], kUnlock[1], kUnlock[2], 0x10,
                                            0x03,     0xCB,       0x00,       0x01};
    if (!send(step1) || !WaitReady() || !send(step2) || !WaitReady()) {
        return kRequestFailed;
    }
    return kRequestDone;
}

int BootLoaderLink::NewerBootRequest() {
    std::array<std::uint8_t, 64> request = commandReport(0x3A);
    request[5] = kUnlock[0];
    request[6] = kUnlock[1];
    request[7] = kUnlock[2];
    const bool sent = send(request);
    // The mouse needs the 10 ms whether or not the transfer reported success.
    wait(10);
    if (!sent) {
        return kRequestFailed;
    }
    std::array<std::uint8_t, 64> reply{0x60};
    const bool read = get(reply);
    wait(30);
    return read ? kRequestDone : kRequestFailed;
}

int BootLoaderLink::SendBootRequest() {
    return m_protocolGeneration == 2 ? NewerBootRequest() : OlderBootRequest();
}

// Commands of the boot loader.

int BootLoaderLink::SendEcho(BlockSpan block) {
    const BlockReport request = blockRequest(0x01, 0x01, block);
    BlockReport reply{kBlockId};
    bool got = false;
    const int status = exchange(request, 20, reply, got);
    if (!got) {
        return kStatusNotSent;
    }
    if (!std::equal(block.begin(), block.end(), reply.begin() + 16)) {
        return kHcError;
    }
    return status;
}

int BootLoaderLink::GetBootLoaderInfo(std::array<std::uint8_t, kInfoSize>& info) {
    ShortReport reply{kShortId};
    bool got = false;
    const int status = exchange(shortRequest(0x02), 100, reply, got);
    if (got) {
        std::copy(reply.begin() + 16, reply.end(), info.begin());
    }
    return status;
}

int BootLoaderLink::SendStart(std::uint8_t blockCount, std::int32_t checksum) {
    ShortReport request = shortRequest(0x03);
    request[16] = blockCount;
    const auto sum = static_cast<std::uint32_t>(checksum);
    for (int i = 0; i < 4; ++i) {
        request[17 + i] = static_cast<std::uint8_t>(sum >> (8 * i));
    }
    if (!send(request)) {
        return kStatusNotSent;
    }
    wait(50);
    ShortReport reply{kShortId};
    GetFeatureWithRetry(reply);
    // The boot loader prepares its store after answering.
    wait(200);
    return reply[1];
}

int BootLoaderLink::WriteBlock(BlockSpan block, std::uint8_t number) {
    BlockReport request = blockRequest(0x06, number, block);
    const std::uint16_t sum = BlockSum16(block);
    request[3] = static_cast<std::uint8_t>(sum);
    request[4] = static_cast<std::uint8_t>(sum >> 8);
    ShortReport reply{kShortId};
    bool got = false;
    return exchange(request, 60, reply, got);
}

int BootLoaderLink::ReadBlock(std::uint8_t number, BlockReport& out) {
    ShortReport request = shortRequest(0x07);
    request[2] = number;
    BlockReport reply{kBlockId};
    bool got = false;
    const int status = exchange(request, 20, reply, got);
    if (got && status == kHcOk) {
        out = reply;
    }
    return status;
}

int BootLoaderLink::SendComplete() {
    ShortReport reply{kShortId};
    bool got = false;
    return exchange(shortRequest(0x09), 50, reply, got);
}

int BootLoaderLink::VerifyBlock(BlockSpan block, std::uint8_t number) {
    const std::uint16_t sum = BlockSum16(block);
    BlockReport reply{};
    if (ReadBlock(number, reply) != kHcOk) {
        return 0;
    }
    wait(30);
    const std::uint16_t mouseSum = static_cast<std::uint16_t>(reply[6] | (reply[7] << 8));
    if (mouseSum == sum) {
        return 1;
    }
    return WriteBlock(block, number);
}

}  // namespace solune
