#pragma once
// The updater's one window: a caption-less skinned dialog that shows one of the
// full-window status screens, with OK (1001), Cancel (1002), Close (1003), the
// version labels (1007 "V1.08", 1008 mouse, 1009 file) and the progress bar
// (1000), each placed and cut from the screen's pictures by
// UpdaterScreenLayout.h. Controls that a screen does not list are hidden.
//
// Threads: the window and all its widgets live on the window's thread. The
// check at start and the update each run on one worker thread (std::thread,
// one at a time) that reaches the window only through the UpdateView calls;
// those made from another thread are queued to the window's thread in the
// order made, so the screens, the progress and the version text appear as the
// worker sets them. The check at start may look for the boot loader for
// minutes: the window stays responsive meanwhile, and a close request (Cancel,
// Close, Escape or the window system's close) ends the search and then the
// program. While the update runs the window cannot be closed (no button is
// shown and closing requests are refused); the destructor waits for the worker.
//
// The window is dragged by any point of its body.

#include <QPoint>
#include <memory>
#include <string>
#include <thread>

#include "platform/MessageSink.h"
#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixImageDialog.h"
#include "shared/skin/CVixProgressCtrl.h"
#include "shared/skin/CVixStatic.h"
#include "shared/skin/SkinFailure.h"
#include "shared/skin/SpokenText.h"
#include "shared/skin/WindowDragger.h"
#include "updater/app/UpdaterEnvironment.h"
#include "updater/app/UpdaterEventScreens.h"
#include "updater/app/UpdaterScreenPictures.h"
#include "updater/app/WindowThreadCall.h"
#include "updater/bootloader/UpdateView.h"
#include "updater/bootloader/UpdaterFlow.h"
#include "updater/log/CLOG.h"

namespace solune {

class CW38UpdaterDlg : public CVixImageDialog, public UpdateView {
  public:
    // The caption of the "UI load failed!" message box.
    static constexpr const char* kProgramTitle = "W38Updater";

    explicit CW38UpdaterDlg(UpdaterEnvironment env, QWidget* parent = nullptr);
    ~CW38UpdaterDlg() override;

    // Opening the window: the private font, the log's file (folders created),
    // every control hidden, then screen 11 while the configuration program
    // runs, else the check at start on a worker thread (it may look for the
    // boot loader for minutes, and may then start the update). Run it once,
    // before the window is first shown; the window is centred on the screen.
    void Initialize();

    // UpdateView, from any thread. Report shows the event's screen
    // (ScreenForEvent); a refused or missing package is followed by a box that
    // names the folder looked in and how to give another (PackageHelpText).
    void Report(UpdateEvent event) override;
    void SetProgress(int value) override;
    void SetMouseVersionText(const std::string& text) override;
    void ShowBootLoaderSearchMessage(const std::string& caption, const std::string& text) override;

    // ControlParent: OK, Cancel and Close.
    void controlClicked(int id) override;

    // The screen shown (0 before the first).
    int currentScreen() const { return m_screen; }
    solune::UpdateMode updateMode() const { return m_flow.UpdateMode(); }
    // True from the start of the worker until the window's thread has seen it end.
    bool isUpdating() const { return m_updating; }
    // True from Initialize until the window's thread has seen the check at start end.
    bool isChecking() const { return m_checking; }

  public:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // The "UI load failed!" box, through the environment's message box.
    class Messages final : public MessageSink {
      public:
        explicit Messages(const UpdaterEnvironment& env) : m_env(env) {}
        void showMessage(std::string_view text) override;

      private:
        const UpdaterEnvironment& m_env;
    };

    bool onWindowThread() const;
    void showScreen(int screen);
    void tellWhereThePackageWasSought();
    void layoutScreen(int number);
    void placeButton(CVixButton& button, const layout::LayoutControl* control, int screen);
    void placeLabel(CVixStatic& label, const layout::LayoutControl* control, int screen,
                    const std::string& text);
    void placeProgress(const layout::LayoutControl* control, int screen);
    // The screen's message, the words its picture shows, for screen readers.
    void placeMessage(const layout::UpdaterScreen& screen);
    static QString SpokenName(const layout::LayoutControl& control);
    QImage cut(int screen, layout::ScreenPicture which, const layout::ControlRect& r);
    void startWorker();
    void workerEnded();
    void checkEnded(UpdaterFlow::StartResult result);
    // A close request during the check at start: ends the search, hides the
    // window and closes it once the check has ended.
    void closeDuringCheck();
    void finish(int result);

    UpdaterEnvironment m_env;
    Messages m_messages{m_env};
    SkinFailure m_skinFailure;
    UpdaterScreenPictures m_pictures;
    CLOG m_log;
    std::unique_ptr<HidBackend> m_backend;
    UpdaterFlow m_flow;

    CVixProgressCtrl* m_progress;
    CVixButton* m_ok;
    CVixButton* m_cancel;
    CVixButton* m_close;
    CVixStatic* m_version;
    CVixStatic* m_mouseVersion;
    CVixStatic* m_fileVersion;
    SpokenText* m_message;  // the shown screen's message, read by screen readers

    std::string m_mouseVersionText;
    int m_screen = 0;
    bool m_updating = false;
    bool m_checking = false;
    bool m_closeRequested = false;
    WindowDragger m_dragger;
    WindowThreadCall m_searchMessage;  // the boot-loader search box, for the worker
    std::thread m_worker;
};

}  // namespace solune
