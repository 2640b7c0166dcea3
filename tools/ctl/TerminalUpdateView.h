#pragma once
// The update's events, progress bar and message box as lines of text on the
// command line's output.

#include <optional>
#include <ostream>
#include <string>

#include "updater/bootloader/UpdateView.h"

namespace solune::ctl {

class TerminalUpdateView final : public UpdateView {
  public:
    // Borrows `out` for the life of the view.
    explicit TerminalUpdateView(std::ostream& out) : m_out(out) {}

    void Report(UpdateEvent event) override;
    // Redraws "[#####.....]  35%" on the same line.
    void SetProgress(int value) override;
    void SetMouseVersionText(const std::string& text) override { m_mouseVersion = text; }
    void ShowBootLoaderSearchMessage(const std::string& caption, const std::string& text) override;

    // The event last reported (nothing before the first) and the mouse's
    // version text.
    std::optional<UpdateEvent> LastEvent() const { return m_lastEvent; }
    const std::string& MouseVersionText() const { return m_mouseVersion; }

  private:
    void endProgressLine();

    std::ostream& m_out;
    std::string m_mouseVersion;
    std::optional<UpdateEvent> m_lastEvent;
    bool m_progressShown = false;
};

}  // namespace solune::ctl
