// The six commands of the boot loader and the block check built on them.
#include <algorithm>
#include <array>

#include "updater/bootloader/BootLoaderLink.h"
#include "updater/bootloader/FirmwareFormat.h"
#include "updater/bootloader/StatusCodes.h"

namespace solune {

namespace {

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
