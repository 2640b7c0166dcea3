#pragma once
// The configuration program's one small modal dialog. Its mode (a constant of
// PopDlgLayout.h) makes it one of seven pop-ups, each drawn from its own two
// skin pictures ("<Name>_Normal.bmp" as background and button pictures,
// "<Name>_Over.bmp" for the hovered buttons):
//
//   kLeftClickWarnMode, kDeleteMacroMode, kResetWarnMode  plain confirmations
//   kAssignKeyMode      captures one key into a target combo button
//   kSensorMira1Mode    finds the mouse, starts the surface analysis, opens 2
//   kSensorMira2Mode    ten-second countdown, then opens 3 by itself
//   kSensorMira3Mode    the last step
//
// DoModal() returns 1 when the pop-up ended through its OK path and 2
// otherwise. The surface-analysis pop-ups nest (1 stays open behind 2, 2
// behind 3) and each ends with the verdict of the one it opened, so the caller
// of SensorMira1 sees 1 only when the user went through all three.
//
// Buttons and labels carry object names for tests: "OK", "Cancel", "Close",
// "Time" (countdown or key name) and "Image" (the analysis animation).
//
// Keys: Enter runs the OK path and Escape (or closing the window) ends with 2,
// except in AssignKey mode, where every key press and release is kept away
// from the pop-up and its buttons (Enter and Escape are captured as keys) and
// the window cannot be closed by the system; only its buttons end it. In
// SensorMira2, Enter acts only once the OK button is enabled, so it cannot cut
// the analysis short.
//
// AssignKey: while the pop-up runs, the context's KeyEventSource delivers to
// it; each press or release shows KeyName of its key and becomes the captured
// key (the last key that changed state counts; no combinations). When capture
// cannot start, "set hook failed." is shown and the pop-up works without it
// (OK then assigns key 0). OK gives the target SetSelection(KeyName(key), 13,
// key); Cancel and Close leave it alone, so it keeps its previous choice (the
// page that opened the pop-up refuses the menu row to the target).
//
// SensorMira1's OK runs FindDevice on the context's link; when it fails (or
// there is no link) the device is closed, "SOLUNE 300 mouse not found" is
// shown and the pop-up stays open for another try.
//
// Countdown (SensorMira2): the "Time" label starts at "10" and the OK button
// is disabled, drawn darkened until it is enabled. Each tick of the countdown timer (1000 ms) reads the label n:
// n > 0 shows n - 1 and animation picture (10 - (n - 1)) mod 3, so the
// pictures go 0, 1, 2, 0, ...; reaching "0" starts the finish timer (500 ms),
// which runs the OK path (opens SensorMira3). A tick that reads 0 or less
// enables OK and stops the countdown.
//
// An answer given in advance through PopUps::SetNextAnswer (PopUps.h) runs
// on the pop-up once DoModal's loop spins.
//
// Tests drive both timers without waiting: call SetTimings() with long
// intervals before DoModal (pop-ups opened by this one inherit them), then
// send the pop-up a QTimerEvent with countdownTimerId() or finishTimerId()
// through QCoreApplication::sendEvent. Each such event counts as one expiry.

#include <QBasicTimer>
#include <cstdint>

#include "config/pages/PageContext.h"
#include "shared/layout/PopDlgLayout.h"
#include "shared/skin/CVixImageDialog.h"

namespace solune {

class CVixButton;
class CVixComboButton;
class CVixStatic;

class CPopDlg : public CVixImageDialog {
  public:
    // The intervals of the SensorMira2 timers, in milliseconds.
    struct Timings {
        int tickMs = 1000;
        int finishDelayMs = 500;
    };

    // `context` is copied; the objects it points to are borrowed and must
    // outlive the pop-up. An unknown mode gives an empty pop-up whose Escape
    // and Close end it with 2.
    CPopDlg(int mode, const PageContext& context, QWidget* parent = nullptr);
    ~CPopDlg() override;

    // AssignKey: the combo button to fill in. Borrowed; set before DoModal.
    void SetTargetSelector(CVixComboButton* selector);
    void SetTimings(Timings timings);

    // Starts key capture (AssignKey) or the countdown (SensorMira2), runs the
    // pop-up modally centred on its parent's main window, and stops both
    // again. 1 for the OK path, 2 otherwise.
    int DoModal();

    int mode() const { return m_mode; }
    std::uint32_t capturedKey() const { return m_capturedKey; }
    int countdownTimerId() const { return m_countdown.timerId(); }
    int finishTimerId() const { return m_finish.timerId(); }

    // ControlParent: the OK, Cancel and Close buttons.
    void controlClicked(int id) override;

    // Escape and the system close (OnCancel).
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    void BuildControls();
    // The countdown's OK gets its normal picture darkened as its disabled
    // picture, so it looks disabled until the countdown enables it.
    void GiveOkADimmedDisabledPicture();
    void PrepareAnimation();
    void PrepareKeyName();
    void RunAnswerGivenInAdvance();
    void StartKeyCapture();
    void StopActivity();

    void OnOK();
    void OkPath();
    void RunSensorMira1();
    void OpenNextStep(int mode);
    void CancelPath();
    void CountdownTick();
    void EndDialog(int result);

    int m_mode;
    PageContext m_context;
    const layout::PopMode* m_layout;
    CVixButton* m_ok;
    CVixButton* m_cancel;
    CVixButton* m_close;
    CVixStatic* m_text;
    CVixStatic* m_picture;
    CVixComboButton* m_target = nullptr;
    std::uint32_t m_capturedKey = 0;
    bool m_capturing = false;
    Timings m_timings;
    QBasicTimer m_countdown;
    QBasicTimer m_finish;
};

}  // namespace solune
