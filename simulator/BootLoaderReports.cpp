#include "simulator/BootLoaderReports.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <numeric>
#include <vector>

#include "simulator/VirtualFirmware.h"

namespace solune::simulator {

namespace {

constexpr std::uint8_t kShortId = 0x80;
constexpr std::uint8_t kBlockId = 0x81;
constexpr std::size_t kShortBytes = 64;
constexpr std::size_t kBlockBytes = 1041;
constexpr std::uint8_t kOk = 1;
constexpr std::uint8_t kCsError = 2;
constexpr std::uint8_t kNotReady = 3;
constexpr std::uint8_t kError = 4;

constexpr std::array<FaultKind, 11> kFaults{{
    {"bl-echo-byte", "the next N echoes come back with one byte changed", false},
    {"bl-identity", "the next N information replies name product VALUE", true},
    {"bl-status-echo", "the next N echo replies carry status VALUE", true},
    {"bl-status-info", "the next N information replies carry status VALUE", true},
    {"bl-status-start", "the next N start replies carry status VALUE", true},
    {"bl-status-write", "the next N write-block replies carry status VALUE", true},
    {"bl-status-read", "the next N read-block replies carry status VALUE", true},
    {"bl-status-complete", "the next N complete replies carry status VALUE", true},
    {"bl-not-ready", "the next N boot-loader replies read carry status 3 (HC_NOT_READY)", false},
    {"bl-read-sum", "the next N read-back sums are off by one", false},
    {"bl-unplug-after-block", "unplug right after storing block index VALUE (0 = first)", true},
}};

using Bytes = std::vector<std::uint8_t>;

HidResult ok(std::size_t bytes) {
    return HidResult{HidStatus::Ok, bytes, 0};
}

std::uint16_t sum16(std::span<const std::uint8_t> bytes) {
    return static_cast<std::uint16_t>(std::accumulate(bytes.begin(), bytes.end(), 0u));
}

// The working data of one command: the boot loader's record and the reply.
struct Command {
    MouseState& state;
    nlohmann::json& boot;
    Bytes reply;

    void status(std::uint8_t value, const char* fault) {
        int chosen = 0;
        reply[1] = ConsumeFault(state, fault, &chosen) ? static_cast<std::uint8_t>(chosen) : value;
    }
};

void echo(Command& c, std::span<const std::uint8_t> report) {
    std::copy(report.begin(), report.end(), c.reply.begin());
    if (ConsumeFault(c.state, "bl-echo-byte")) {
        c.reply[16 + 511] ^= 0x40;
    }
    c.status(kOk, "bl-status-echo");
}

void information(Command& c) {
    int product = 0x1307;
    ConsumeFault(c.state, "bl-identity", &product);
    const std::uint8_t info[] = {'B',
                                 'L',
                                 0x01,
                                 0x00,
                                 0xD4,
                                 0x22,
                                 static_cast<std::uint8_t>(product),
                                 static_cast<std::uint8_t>(product >> 8)};
    std::copy(std::begin(info), std::end(info), c.reply.begin() + 16);
    c.status(kOk, "bl-status-info");
}

void start(Command& c, std::span<const std::uint8_t> report) {
    const int count = report[16];
    const std::uint32_t checksum = report[17] | report[18] << 8 | report[19] << 16 |
                                   static_cast<std::uint32_t>(report[20]) << 24;
    if (count < 1 || count > kMaxBootBlocks) {
        c.status(kError, "bl-status-start");
        return;
    }
    c.boot["started"] = true;
    c.boot["blockCount"] = count;
    c.boot["checksum"] = checksum;
    c.boot["image"] = std::string(static_cast<std::size_t>(count) * kBootBlockBytes * 2, '0');
    c.status(kOk, "bl-status-start");
}

// The block index of a block number, or -1 when no start announced it.
int blockIndex(const nlohmann::json& boot, int number) {
    const int index = number - kFirstBootBlockNumber;
    if (!boot.value("started", false) || index < 0 || index >= boot.value("blockCount", 0)) {
        return -1;
    }
    return index;
}

void writeBlock(Command& c, std::span<const std::uint8_t> report) {
    const int index = blockIndex(c.boot, report[2]);
    const std::span<const std::uint8_t> data = report.subspan(16, kBootBlockBytes);
    const std::uint16_t announced = static_cast<std::uint16_t>(report[3] | report[4] << 8);
    if (index < 0) {
        c.status(kError, "bl-status-write");
        return;
    }
    if (sum16(data) != announced) {
        c.status(kCsError, "bl-status-write");
        return;
    }
    std::string& image = c.boot["image"].get_ref<std::string&>();
    image.replace(static_cast<std::size_t>(index) * kBootBlockBytes * 2, kBootBlockBytes * 2,
                  EncodeHex(data));
    c.status(kOk, "bl-status-write");
    const auto fault = c.state.faults.find("bl-unplug-after-block");
    if (fault != c.state.faults.end() && fault->second.value == index) {
        ConsumeFault(c.state, "bl-unplug-after-block");
        c.state.plugged = false;
    }
}

void readBlock(Command& c, std::span<const std::uint8_t> report) {
    const int index = blockIndex(c.boot, report[2]);
    c.reply[2] = report[2];
    if (index < 0) {
        c.status(kError, "bl-status-read");
        return;
    }
    std::array<std::uint8_t, kBootBlockBytes> block{};
    DecodeHex(c.boot["image"].get_ref<const std::string&>(),
              static_cast<std::size_t>(index) * kBootBlockBytes * 2, block);
    std::uint16_t sum = sum16(block);
    if (ConsumeFault(c.state, "bl-read-sum")) {
        ++sum;
    }
    c.reply[6] = static_cast<std::uint8_t>(sum);
    c.reply[7] = static_cast<std::uint8_t>(sum >> 8);
    c.status(kOk, "bl-status-read");
}

void complete(Command& c) {
    bool whole = false;
    if (c.boot.value("started", false)) {
        const std::string& hex = c.boot["image"].get_ref<const std::string&>();
        Bytes image(hex.size() / 2);
        DecodeHex(hex, 0, image);
        const std::uint32_t sum = std::accumulate(image.begin(), image.end(), 0u);
        whole = sum == c.boot.value("checksum", std::uint32_t{0});
    }
    c.status(whole ? kOk : kCsError, "bl-status-complete");
    c.boot["leaveOnRead"] = c.reply[1] == kOk;
}

}  // namespace

std::optional<HidResult> BootLoaderReports::SetFeature(MouseState& state,
                                                       std::span<const std::uint8_t> report) {
    if (report.empty() || (report[0] != kShortId && report[0] != kBlockId)) {
        return std::nullopt;
    }
    const bool isBlock = report[0] == kBlockId;
    if (report.size() != (isBlock ? kBlockBytes : kShortBytes)) {
        return HidResult{HidStatus::Failed, 0, EINVAL};
    }
    nlohmann::json& boot = state.extra["bootloader"];
    if (!boot.is_object()) {
        boot = nlohmann::json::object();
    }
    const std::uint8_t command = report[1];
    // Echo and read-back answer on the block report; the others on the short one.
    const bool blockReply = command == 0x01 || command == 0x07;
    Command c{state, boot, Bytes(blockReply ? kBlockBytes : kShortBytes, 0)};
    c.reply[0] = blockReply ? kBlockId : kShortId;
    c.reply[1] = kError;
    if (command == 0x01 && isBlock) {
        echo(c, report);
    } else if (command == 0x02 && !isBlock) {
        information(c);
    } else if (command == 0x03 && !isBlock) {
        start(c, report);
    } else if (command == 0x06 && isBlock) {
        writeBlock(c, report);
    } else if (command == 0x07 && !isBlock) {
        readBlock(c, report);
    } else if (command == 0x09 && !isBlock) {
        complete(c);
    }
    if (command != 0x09) {
        boot["leaveOnRead"] = false;
    }
    boot[blockReply ? "reply81" : "reply80"] = EncodeHex(c.reply);
    return ok(report.size());
}

std::optional<HidResult> BootLoaderReports::GetFeature(MouseState& state,
                                                       std::span<std::uint8_t> report) {
    if (report.empty() || (report[0] != kShortId && report[0] != kBlockId)) {
        return std::nullopt;
    }
    const bool isBlock = report[0] == kBlockId;
    nlohmann::json& boot = state.extra["bootloader"];
    if (!boot.is_object()) {
        boot = nlohmann::json::object();
    }
    Bytes reply(isBlock ? kBlockBytes : kShortBytes, 0);
    DecodeHex(boot.value(isBlock ? "reply81" : "reply80", std::string()), 0, reply);
    reply[0] = report[0];
    const bool notReady = ConsumeFault(state, "bl-not-ready");
    if (notReady) {
        reply[1] = kNotReady;
    }
    const std::size_t bytes = std::min(report.size(), reply.size());
    std::copy_n(reply.begin(), bytes, report.begin());
    if (!isBlock && !notReady && boot.value("leaveOnRead", false)) {
        InstallBootLoaderImage(state);
    }
    return ok(bytes);
}

std::span<const FaultKind> BootLoaderReports::Faults() const {
    return kFaults;
}

}  // namespace solune::simulator
