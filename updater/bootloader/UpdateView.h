#pragma once
// What the update procedures tell the user. The updater window shows each
// event as one of its full-window screens, with its progress bar and a message
// box; the command line tells them as text on the terminal; tests record them.
//
// The procedures call it from the thread they run on (the window's thread for
// the package check and the device search, the worker thread for the update).

#include <string>

namespace solune {

// What happened, in the words of the user's situation.
enum class UpdateEvent {
    ConfigProgramRunning,  // the configuration program runs; nothing was checked
    PackageRefused,        // the firmware package failed a check (its log line is written)
    NoMouse,               // no mouse, or one in normal mode that does not tell its version
    UpToDate,              // the mouse carries the package's version
    MouseNewer,            // the mouse carries newer firmware than the package
    FileNewer,             // the package holds newer firmware: an update is offered
    UpdateStarted,         // the boot-loader transfer begins; progress follows
    UpdateFailed,          // a step of the update failed (its log line is written)
    TransferDone,          // the boot loader accepted the complete command
    MouseRestarted,        // the mouse was read again after the update; its text is set
};

class UpdateView {
  public:
    virtual ~UpdateView() = default;

    // Tells the user what happened.
    virtual void Report(UpdateEvent event) = 0;

    // Moves the update's progress bar (range 0 ... 100; the last block of a
    // 120-block image reports 101, which the bar shows as full).
    virtual void SetProgress(int value) = 0;

    // The mouse version text ("1.08", or "-.--" when it could not be read) for
    // the events that show it; set before such an event is reported.
    virtual void SetMouseVersionText(const std::string& text) = 0;

    // Tells the user that the boot-loader search may take minutes; returns once
    // the user has acknowledged it (a message box with an OK button).
    virtual void ShowBootLoaderSearchMessage(const std::string& caption,
                                             const std::string& text) = 0;
};

// A view that shows nothing (for callers that only want the results).
class SilentUpdateView final : public UpdateView {
  public:
    void Report(UpdateEvent) override {}
    void SetProgress(int) override {}
    void SetMouseVersionText(const std::string&) override {}
    void ShowBootLoaderSearchMessage(const std::string&, const std::string&) override {}
};

}  // namespace solune
