#pragma once
// What the update procedures show the user. The updater window implements it
// with its full-window screens, its progress bar and a message box; the command
// line implements it with text on the terminal; tests record the calls.
//
// The procedures call it from the thread they run on (the window's thread for
// the package check and the device search, the worker thread for the update).

#include <string>

namespace solune {

// Screen numbers of the updater window.
inline constexpr int kScreenFirmwareIncorrect = 1;
inline constexpr int kScreenCanNotFind = 2;
inline constexpr int kScreenUpToDate = 3;
inline constexpr int kScreenFirmwareNewer = 4;
inline constexpr int kScreenUpdateFirmware = 5;
inline constexpr int kScreenEncounteredProblem = 6;
inline constexpr int kScreenUpdateCompleted = 7;
inline constexpr int kScreenSuccessfullyUpdate = 9;
inline constexpr int kScreenFirmwareUpdate = 10;
inline constexpr int kScreenPleaseExit = 11;

class UpdateView {
  public:
    virtual ~UpdateView() = default;

    // Switches to screen `screen` (one of the numbers above).
    virtual void ShowScreen(int screen) = 0;

    // Moves the update's progress bar (range 0 ... 100; the last block of a
    // 120-block image reports 101, which the bar shows as full).
    virtual void SetProgress(int value) = 0;

    // The mouse version text ("1.08", or "-.--" when it could not be read) for
    // the screens that show it; set before such a screen is shown.
    virtual void SetMouseVersionText(const std::string& text) = 0;

    // Tells the user that the boot-loader search may take minutes; returns once
    // the user has acknowledged it (a message box with an OK button).
    virtual void ShowBootLoaderSearchMessage(const std::string& caption,
                                             const std::string& text) = 0;
};

// A view that shows nothing (for callers that only want the results).
class SilentUpdateView final : public UpdateView {
  public:
    void ShowScreen(int) override {}
    void SetProgress(int) override {}
    void SetMouseVersionText(const std::string&) override {}
    void ShowBootLoaderSearchMessage(const std::string&, const std::string&) override {}
};

}  // namespace solune
