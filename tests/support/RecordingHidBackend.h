#pragma once
// A HidBackend that passes everything to another one and records what went
// through: the paths opened, every report set and every get-feature call.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ForwardingHidBackend.h"

namespace solune::test {

struct HidLog {
    std::vector<std::string> opened;
    std::vector<std::vector<std::uint8_t>> sets;  // every set-feature call, failed ones too
    int gets = 0;
};

class RecordingHidBackend final : public ForwardingHidBackend {
  public:
    explicit RecordingHidBackend(HidBackend& inner) : ForwardingHidBackend(inner) {}

    std::unique_ptr<HidDevice> Open(const std::string& path) override {
        auto device = inner().Open(path);
        if (!device) {
            return nullptr;
        }
        log.opened.push_back(path);
        return std::make_unique<Device>(std::move(device), log);
    }
    HidLog log;

  private:
    class Device final : public HidDevice {
      public:
        Device(std::unique_ptr<HidDevice> inner, HidLog& log)
            : m_inner(std::move(inner)), m_log(log) {}
        HidResult SetFeature(std::span<const std::uint8_t> report) override {
            m_log.sets.emplace_back(report.begin(), report.end());
            return m_inner->SetFeature(report);
        }
        HidResult GetFeature(std::span<std::uint8_t> report) override {
            ++m_log.gets;
            return m_inner->GetFeature(report);
        }

      private:
        std::unique_ptr<HidDevice> m_inner;
        HidLog& m_log;
    };
};

}  // namespace solune::test
