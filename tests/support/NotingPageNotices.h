#pragma once
// A main window as the pages see it (PageNotices): notes each notice, and
// runs what a test hands it when one arrives.

#include <functional>
#include <string>
#include <vector>

#include "config/pages/PageNotices.h"

namespace solune::test {

class NotingPageNotices final : public PageNotices {
  public:
    void LightingEntered() override { Note("lighting entered", onLightingEntered); }
    void MacroRemoved() override { Note("macro removed", onMacroRemoved); }

    std::vector<std::string> calls;
    std::function<void()> onLightingEntered;
    std::function<void()> onMacroRemoved;

  private:
    void Note(const char* call, const std::function<void()>& then) {
        calls.emplace_back(call);
        if (then) {
            then();
        }
    }
};

}  // namespace solune::test
