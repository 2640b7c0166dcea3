#pragma once
// The configuration program's one window: a caption-less skinned dialog
// ("SOLUNE300") drawn from the Main pictures, with the five page buttons, the
// five profile buttons and their menu buttons, "Reset to Default", the
// language button, "OK", "Apply", "Cancel", the version label "1.21" and the
// five pages at kPageRect. It owns the model (the profile set and the macro
// model: library and recorder), the tray icon and its menu, the follow-up
// timer and the reaction to the mouse's plugging. The pages borrow the macro
// library, the recorder and the macro directory through their context.
//
// Controls are found by object name: the layout table's texts ("Mouse
// Settings", "Profile1" … "Profile5", "1" … "5", "Language", "OK", "Apply",
// "Cancel", "Reset to Default", "FirmwareVer").
//
// Timers (tests drive them by sending a QTimerEvent with the ids below):
//   followTimerId(): every 2000 ms, FollowDeviceProfile, also while the
//     window is hidden or behind others (the pages follow once it is shown);
//   settleTimerId(): 900 ms after the mouse's arrival notice, then the search
//     and the support page's firmware label; the window keeps working meanwhile.
//
// Putting the window away ("OK", "Cancel", and the window system's close
// request while the tray icon shows) never ends the program, but it ends a
// macro recording, as "Stop Record" would. With the tray icon in a
// notification area the window hides there and comes back at the same place;
// without one it is minimised instead, as a hidden window could not be brought
// back. The tray menu's "Exit",
// SIGTERM/SIGINT/SIGHUP, and — where the desktop has no notification area, so
// nothing else could — the window system's close request end it: a recording
// is stopped, the tray icon removed, the macro library saved, and the event
// loop left with 0. When the display goes away (Qt and Xlib then end the
// process with exit(1) without returning to the window), the macro library is
// still saved on the way out (UnexpectedExitSave).
//
// Profile files that exist but could not be read are named in one message
// once the event loop runs after OnInitDialog; the macro page names what the
// macro library's load could not read when it is made.
//
// The pages and controls borrow what the environment holds (key source,
// message sink, skin, device link): the window deletes them first when it is
// destroyed, before its own members go.

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>

#include "config/app/MacroModel.h"
#include "config/app/VeskEnvironment.h"
#include "config/app/VeskPages.h"
#include "config/device/HidLink.h"
#include "config/pages/PageContext.h"
#include "config/pages/PageNotices.h"
#include "config/profiles/set/ProfileSet.h"
#include "shared/layout/ControlLayout.h"
#include "shared/skin/CVixImageDialog.h"
#include "shared/skin/SkinFailure.h"
#include "shared/skin/SkinLibrary.h"
#include "shared/skin/WindowDragger.h"

class QSocketNotifier;

namespace solune {

class CVixButton;
class CVixComboButton;
class CVixStatic;
class SkinPictures;
class UnexpectedExitSave;
class VeskTray;

inline constexpr const char* kMainWindowTitle = "SOLUNE300";
inline constexpr const char* kProgramVersionText = "1.21";
inline constexpr const char* kRegisterFailedText = "RegisterDeviceNotification Failed!";
inline constexpr int kFollowPeriodMs = 2000;
inline constexpr int kArrivalSettleMs = 900;

// The rows of each profile's menu and of the language menu.
inline constexpr const char* kProfileMenuItems[] = {
    "Rename", "Save current settings", "Export Profile", "Import Profile", "Disable/Enable"};
inline constexpr const char* kLanguages[] = {"English",  "German",  "Spanish",   "French",
                                             "Japanese", "Chinese", "Korean",    "Russian",
                                             "Hindi",    "Arabic",  "Portuguese"};

class CVESKDlg : public CVixImageDialog, private PageNotices {
  public:
    // Loads the five profiles and the macro library from the data folder.
    explicit CVESKDlg(VeskEnvironment env, QWidget* parent = nullptr);
    ~CVESKDlg() override;

    // Builds the window, the pages (loaded from profile 1), the tray icon,
    // the device notices and the follow-up timer. Run once before showing.
    void OnInitDialog();

    // Page button `index` (0 … 4): nothing when that page is shown already;
    // else the pages are stored into the current profile and page `index`
    // shown.
    void ShowPage(int index);
    // Profile button `number` pressed: the pages are stored into the current
    // profile, its button is selected, it becomes current and the pages show
    // it.
    void SelectProfile(int number);
    // Profile menu `number` (1 … 5), row `item` (1 … 5).
    void ProfileMenuCommand(int number, int item);
    // Shows the window (also when it was hidden) above the others and makes
    // it active: a second start's request and the tray's "Config Mouse".
    void ShowAndRaise();
    // The start of "VESK --hidden": the window stays hidden in the tray, or,
    // where there is no notification area, starts minimised (never invisible).
    void StartHidden();
    // Who asked the program to end: the user (the tray's "Exit", closing the
    // window without a notification area) or the system (a termination
    // signal, a tool that drives the window).
    enum class ExitRequest { FromUser, FromSystem };
    // Ends the program in order: tray icon removed, macros saved, event loop
    // left with status 0. When the user asked and the macros could not be
    // saved, the user is told why before the program ends; a signal gets no
    // box, as nobody may be there to close it.
    void ExitProgram(ExitRequest request);

    bool controlChosen(int id, int rowId) override;
    void controlNotify(int id, int value) override;
    void controlClicked(int id) override;

    ProfileSet& profiles() { return m_set; }
    MacroModel& macros() { return m_macros; }
    VeskPages& pages() { return *m_pages; }
    VeskTray& tray() { return *m_tray; }
    HidLink* link() { return m_link.get(); }
    int shownPage() const { return m_shownPage; }
    int followTimerId() const { return m_followTimer; }
    int settleTimerId() const { return m_settleTimer; }
    bool exitRequested() const { return m_exitRequested; }
    // Watches `descriptor` for SIGTERM/SIGINT/SIGHUP (TerminationSignals).
    void WatchTerminationSignals(int descriptor);
    // Watches `descriptor` for show requests of a second start.
    void WatchShowRequests(int descriptor, std::function<int()> take);

    // Enter and Escape do nothing; closing only hides or ends as above.
    void accept() override {}
    void reject() override {}

  protected:
    void timerEvent(QTimerEvent* event) override;
    // With the tray icon shown, the window manager's close hides the window as
    // "Cancel" does; without one it ends the program.
    void closeEvent(QCloseEvent* event) override;
    // A window hidden to the tray comes back at the place it was hidden at.
    void showEvent(QShowEvent* event) override;
    // Any hiding ("OK", "Cancel", the window system) ends a macro recording.
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // ShowAndRaise's steps: un-minimise, show, raise, activate; and the
    // check a moment later that the window did reach the screen.
    void MapAndRaise();
    void CheckShown();
    // "VESK --hidden" without a notification area: minimised as soon as the
    // window is on the screen, looked at every 100 ms, `checksLeft` times.
    void MinimiseOnceShown(int checksLeft);
    static constexpr int kShowChecks = 3;
    static constexpr int kShowCheckMs = 500;
    int m_showChecks = 0;
    // PageNotices.
    void LightingEntered() override;
    void MacroRemoved() override;

    // The button page, then the sensor page, then the lighting page write
    // their controls into `profile`.
    void StorePages(Profile& profile);
    // The button, sensor and lighting pages show `profile`.
    void LoadPages(const Profile& profile);
    // "Apply": the pages stored into the current profile, then the set's
    // steps, with the busy pointer while the mouse is written.
    void Apply();
    // The macro library into its folder: at Apply and when the program ends
    // (the one path of both).
    MacroSaveResult SaveMacros();
    // The follow-up tick (see ProfileSet::FollowDeviceProfile), in every
    // state of the window: a shown window selects the mouse's profile and
    // gives the desktop its pointer settings; a hidden one only gives the
    // desktop that profile's settings and keeps the profile for its showing.
    void FollowDeviceProfile();
    void FollowWhileHidden(int number);
    // The tray tip's second line names the profile the mouse was last read to
    // have ("Profile 3: <name>"); none while the mouse is away or unknown.
    void ShowMouseProfileInTip();
    // When the window is shown: the profile the mouse took while it was
    // hidden becomes the selected one, as if its button had been pressed.
    void ShowFollowedProfile();
    // Profile button `number` (1 … 5) becomes the selected one, the others not.
    void SelectProfileButton(int number);
    // Profile button `number` shows the profile's name and whether it is enabled.
    void ShowProfileButton(int number);
    void ShowBusy(bool busy);

    void BuildWindow();
    void PlaceControls(const SkinPictures& pictures);
    void FillMenus();
    void CreatePages();
    // Tab and Shift+Tab in reading order: the profile bar, the page buttons,
    // the shown page's controls, then Reset, Language, OK, Apply and Cancel.
    void ChainReadingOrder();
    void ResetToDefault();
    void ApplyAndHide();
    // True when the tray icon is in a notification area, so a hidden window can
    // be shown again from there.
    bool TrayShown() const;
    // "OK", "Cancel" and the window manager's close with a tray: hidden to the
    // tray, its place kept; without a notification area minimised instead.
    void PutAway();
    void ExportProfile(int number);
    void ImportProfile(int number);
    void RenameProfile(int number);
    void StartDeviceNotices();
    void DeviceNoticesReadable();
    void ArrivalSettled();
    void ShowFirmwareVersion();

    VeskEnvironment m_env;
    Clock& m_clock;
    SkinFailure m_skinFailure;
    SkinLibrary m_skin;
    std::unique_ptr<HidBackend> m_backend;
    std::unique_ptr<HidLink> m_link;
    ProfileSet m_set;
    MacroModel m_macros;
    PageContext m_context;
    std::unique_ptr<VeskPages> m_pages;
    std::unique_ptr<VeskTray> m_tray;
    std::unique_ptr<UnexpectedExitSave> m_exitSave;  // armed from OnInitDialog to ExitProgram

    std::array<CVixButton*, VeskPages::kCount> m_pageButtons{};
    std::array<CVixButton*, kProfileCount> m_profileButtons{};
    std::array<CVixComboButton*, kProfileCount> m_profileMenus{};
    CVixComboButton* m_language = nullptr;
    CVixButton* m_reset = nullptr;
    CVixButton* m_ok = nullptr;
    CVixButton* m_apply = nullptr;
    CVixButton* m_cancel = nullptr;
    CVixStatic* m_version = nullptr;

    QPointer<QSocketNotifier> m_noticeWatch;
    int m_shownPage = -1;
    int m_followTimer = 0;
    int m_settleTimer = 0;
    int m_followedWhileHidden = 0;  // the mouse's profile taken while hidden, 0: none
    bool m_exitRequested = false;
    std::optional<QPoint> m_leftAt;  // where PutAway hid the window, until it shows again
    WindowDragger m_dragger;
};

}  // namespace solune
