#pragma once
// A HidBackend that hands every call to another backend it borrows. A backend
// that adds to a few calls (records them, owns what the inner backend lives
// on, injects notices) derives from it and overrides only those.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/HidBackend.h"

namespace solune {

class ForwardingHidBackend : public HidBackend {
  public:
    // `inner` is borrowed: it must outlive this backend. Nothing is asked of
    // it here, so a derived class may hand in a member it constructs later.
    explicit ForwardingHidBackend(HidBackend& inner) : m_inner(inner) {}

    std::vector<HidDeviceInfo> Enumerate(std::uint16_t vendorId, std::uint16_t productId) override {
        return m_inner.Enumerate(vendorId, productId);
    }
    std::unique_ptr<HidDevice> Open(const std::string& path) override { return m_inner.Open(path); }
    bool StartNotices() override { return m_inner.StartNotices(); }
    int NoticeDescriptor() const override { return m_inner.NoticeDescriptor(); }
    std::vector<HidNotice> TakeNotices() override { return m_inner.TakeNotices(); }

  protected:
    HidBackend& inner() const { return m_inner; }

  private:
    HidBackend& m_inner;
};

}  // namespace solune
