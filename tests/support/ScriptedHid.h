#pragma once
// A HID backend for the link tests: every set-feature report is recorded, every
// get-feature call takes the next reply of a script, and the present devices are
// a list the test fills.

#include <algorithm>
#include <deque>
#include <memory>
#include <vector>

#include "platform/HidBackend.h"

namespace solune::test {

struct ScriptedReply {
    bool ok = true;
    std::vector<std::uint8_t> bytes;  // copied over the caller's buffer from byte 0
};

// A reply of `size` bytes: report id, status, then `fields` as {offset, byte}.
inline ScriptedReply Reply(std::uint8_t id, std::uint8_t status, std::size_t size = 64,
                           std::vector<std::pair<std::size_t, std::uint8_t>> fields = {}) {
    ScriptedReply r{true, std::vector<std::uint8_t>(size, 0)};
    r.bytes[0] = id;
    r.bytes[1] = status;
    for (const auto& [at, value] : fields) {
        r.bytes[at] = value;
    }
    return r;
}

inline ScriptedReply FailedRead() {
    return {false, {}};
}

struct ScriptedBus {
    std::vector<HidDeviceInfo> devices;
    std::vector<std::string> opened;  // paths, in order
    std::vector<std::vector<std::uint8_t>> sets;
    std::deque<bool> setResults;  // empty: every set succeeds
    std::vector<std::uint8_t> getIds;
    std::deque<ScriptedReply> replies;  // empty: every get fails
    int openDevices = 0;
};

class ScriptedDevice final : public HidDevice {
  public:
    explicit ScriptedDevice(ScriptedBus& bus) : m_bus(bus) { ++m_bus.openDevices; }
    ~ScriptedDevice() override { --m_bus.openDevices; }

    HidResult SetFeature(std::span<const std::uint8_t> report) override {
        m_bus.sets.emplace_back(report.begin(), report.end());
        bool ok = true;
        if (!m_bus.setResults.empty()) {
            ok = m_bus.setResults.front();
            m_bus.setResults.pop_front();
        }
        return ok ? HidResult{HidStatus::Ok, report.size(), 0} : HidResult{HidStatus::Failed, 0, 5};
    }

    HidResult GetFeature(std::span<std::uint8_t> report) override {
        m_bus.getIds.push_back(report[0]);
        if (m_bus.replies.empty()) {
            return {HidStatus::Failed, 0, 5};
        }
        const ScriptedReply reply = m_bus.replies.front();
        m_bus.replies.pop_front();
        if (!reply.ok) {
            return {HidStatus::Failed, 0, 5};
        }
        const std::size_t n = std::min(report.size(), reply.bytes.size());
        std::copy_n(reply.bytes.begin(), n, report.begin());
        return {HidStatus::Ok, n, 0};
    }

  private:
    ScriptedBus& m_bus;
};

class ScriptedBackend final : public HidBackend {
  public:
    explicit ScriptedBackend(ScriptedBus& bus) : m_bus(bus) {}

    std::vector<HidDeviceInfo> Enumerate(std::uint16_t vendorId, std::uint16_t productId) override {
        std::vector<HidDeviceInfo> found;
        for (const HidDeviceInfo& d : m_bus.devices) {
            if ((vendorId == 0 || d.vendorId == vendorId) &&
                (productId == 0 || d.productId == productId)) {
                found.push_back(d);
            }
        }
        return found;
    }
    std::unique_ptr<HidDevice> Open(const std::string& path) override {
        m_bus.opened.push_back(path);
        return std::make_unique<ScriptedDevice>(m_bus);
    }
    bool StartNotices() override { return false; }
    int NoticeDescriptor() const override { return -1; }
    std::vector<HidNotice> TakeNotices() override { return {}; }

  private:
    ScriptedBus& m_bus;
};

inline HidDeviceInfo Interface(const std::string& path, std::uint16_t product,
                               std::uint16_t usagePage = 0xFF01, std::uint16_t usage = 2) {
    HidDeviceInfo d;
    d.path = path;
    d.vendorId = 0x22D4;
    d.productId = product;
    d.usagePage = usagePage;
    d.usage = usage;
    return d;
}

}  // namespace solune::test
