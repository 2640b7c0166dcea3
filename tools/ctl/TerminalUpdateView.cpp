#include "tools/ctl/TerminalUpdateView.h"

#include <algorithm>

namespace solune::ctl {

namespace {

constexpr int kBarWidth = 40;

}  // namespace

void TerminalUpdateView::endProgressLine() {
    if (m_progressShown) {
        m_out << '\n';
        m_progressShown = false;
    }
}

void TerminalUpdateView::Report(UpdateEvent event) {
    endProgressLine();
    m_lastEvent = event;
    switch (event) {
        case UpdateEvent::UpdateFailed:
            m_out << "The firmware update encountered a problem.\n";
            break;
        case UpdateEvent::TransferDone:
            m_out << "Update completed; waiting for the mouse to restart.\n";
            break;
        case UpdateEvent::MouseRestarted:
            m_out << "The mouse reports firmware " << m_mouseVersion << ".\n";
            break;
        case UpdateEvent::UpdateStarted:
            m_out << "Updating the firmware; do not unplug the mouse.\n";
            break;
        case UpdateEvent::ConfigProgramRunning:
        case UpdateEvent::PackageRefused:
        case UpdateEvent::NoMouse:
        case UpdateEvent::UpToDate:
        case UpdateEvent::MouseNewer:
        case UpdateEvent::FileNewer:
            // The commands tell these themselves, with what they know more.
            break;
    }
    m_out.flush();
}

void TerminalUpdateView::SetProgress(int value) {
    // The last block of a 120-block image reports 101; the bar shows it full.
    const int shown = std::clamp(value, 0, 100);
    const int filled = shown * kBarWidth / 100;
    m_out << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
          << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] ";
    m_out.width(3);
    m_out << shown << '%';
    m_out.flush();
    m_progressShown = true;
}

void TerminalUpdateView::ShowBootLoaderSearchMessage(const std::string& caption,
                                                     const std::string& text) {
    endProgressLine();
    m_out << caption << ": " << text << '\n';
    m_out.flush();
}

}  // namespace solune::ctl
