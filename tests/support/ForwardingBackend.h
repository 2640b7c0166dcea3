#pragma once
// A HidBackend that hands everything to a backend it borrows (the virtual
// mouse of a test), plus notices of other devices that a test injects.

#include <vector>

#include "platform/HidBackend.h"

namespace solune::test {

class ForwardingBackend final : public HidBackend {
  public:
    explicit ForwardingBackend(HidBackend& inner, std::vector<HidNotice>* injected = nullptr)
        : m_inner(inner), m_injected(injected) {}

    std::vector<HidDeviceInfo> Enumerate(std::uint16_t vendorId, std::uint16_t productId) override {
        return m_inner.Enumerate(vendorId, productId);
    }
    std::unique_ptr<HidDevice> Open(const std::string& path) override { return m_inner.Open(path); }
    bool StartNotices() override { return m_inner.StartNotices(); }
    int NoticeDescriptor() const override { return m_inner.NoticeDescriptor(); }
    std::vector<HidNotice> TakeNotices() override {
        std::vector<HidNotice> notices;
        if (m_injected != nullptr) {
            notices.swap(*m_injected);
        }
        for (HidNotice& notice : m_inner.TakeNotices()) {
            notices.push_back(std::move(notice));
        }
        return notices;
    }

  private:
    HidBackend& m_inner;
    std::vector<HidNotice>* m_injected;
};

}  // namespace solune::test
