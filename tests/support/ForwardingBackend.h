#pragma once
// A HidBackend that hands everything to a backend it borrows (the virtual
// mouse of a test), plus notices of other devices that a test injects.

#include <vector>

#include "platform/ForwardingHidBackend.h"

namespace solune::test {

class ForwardingBackend final : public ForwardingHidBackend {
  public:
    // `injected` (borrowed, may be null): notices handed out, and emptied,
    // ahead of the inner backend's own.
    explicit ForwardingBackend(HidBackend& inner, std::vector<HidNotice>* injected = nullptr)
        : ForwardingHidBackend(inner), m_injected(injected) {}

    std::vector<HidNotice> TakeNotices() override {
        std::vector<HidNotice> notices;
        if (m_injected != nullptr) {
            notices.swap(*m_injected);
        }
        for (HidNotice& notice : inner().TakeNotices()) {
            notices.push_back(std::move(notice));
        }
        return notices;
    }

  private:
    std::vector<HidNotice>* m_injected;
};

}  // namespace solune::test
