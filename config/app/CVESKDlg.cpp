#include "config/app/CVESKDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QSocketNotifier>
#include <QTimer>
#include <QTimerEvent>
#include <QWindow>
#include <utility>

#include "shared/layout/MainWindowLayout.h"
#include "config/app/UnexpectedExitSave.h"
#include "config/app/VeskTray.h"
#include "config/device/DeviceCommands.h"
#include "config/pages/BuildFromLayout.h"
#include "config/pages/ProfilePage.h"
#include "platform/VersionText.h"
#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixStatic.h"
#include "shared/skin/ControlNotify.h"
#include "shared/skin/SkinAccessibility.h"
#include "shared/skin/SkinFonts.h"
#include "shared/skin/TabChain.h"

namespace solune {

namespace {

using layout::ControlRect;
using layout::LayoutControl;

constexpr int kVersionFontHeight = 13;
constexpr int kPageButtonCount = VeskPages::kCount;

// Skin element 0 is the main window's background.
constexpr int kMainBackgroundElement = 0;
// The text colour of the version label.
constexpr std::uint32_t kVersionTextColor = 0xFFD2D2D2;

QString ToQString(const std::u16string& text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CVESKDlg::CVESKDlg(VeskEnvironment env, QWidget* parent)
    : CVixImageDialog(parent, Qt::Window | Qt::FramelessWindowHint),
      m_env(std::move(env)),
      m_clock(*m_env.clock),
      m_skinFailure(*m_env.messages, kSkinFailureText, m_env.endProgram),
      m_skin(m_skinFailure, m_env.skinFolder),
      m_backend(m_env.makeBackend ? m_env.makeBackend() : nullptr),
      m_link(m_backend ? std::make_unique<HidLink>(*m_backend, m_clock) : nullptr),
      m_set(m_link.get(), *m_env.pointer, *m_env.messages),
      m_macros(DataFolder(m_env.userDataFolder) / "Macros", m_env.saveMacros) {
    setWindowTitle(QString::fromLatin1(kMainWindowTitle));
    setObjectName(QString::fromLatin1(kMainWindowTitle));
    m_set.LoadAllProfiles(DataFolder(m_env.userDataFolder));
    m_macros.Load();
    m_context.link = m_link.get();
    m_context.messages = m_env.messages.get();
    m_context.keys = m_env.keys.get();
    m_context.clock = &m_clock;
    m_context.skin = &m_skin;
    m_context.notices = this;
    m_context.macros = &m_macros.library();
    m_context.recorder = &m_macros.recorder();
    m_context.macroDirectory = &m_macros;
}

CVESKDlg::~CVESKDlg() {
    m_exitSave.reset();
    // Qt would delete the child widgets only after this window's members,
    // while the pages still use the key source, skin, messages and link that
    // the members hold (a page that records stops its key source when it
    // goes). So the children go first.
    // One at a time: deleting one may take others with it.
    while (QWidget* child = findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        delete child;
    }
    m_pages.reset();
}

void CVESKDlg::OnInitDialog() {
    BuildWindow();
    m_tray = std::make_unique<VeskTray>(*this);
    m_tray->icon().setObjectName(QStringLiteral("trayIcon"));
    setWindowIcon(m_tray->icon().icon());
    SelectProfileButton(1);
    LoadPages(m_set.current());
    if (!m_env.trayAvailable || m_env.trayAvailable()) {
        m_tray->Add();
    }
    StartDeviceNotices();
    m_followTimer = startTimer(kFollowPeriodMs);
    // Only the save: a recording is not stopped there, as stopping the key
    // reader would talk to the display that just went away.
    m_exitSave = std::make_unique<UnexpectedExitSave>([this] { SaveMacros(); });
    // Once the window is up, so the message has the program behind it.
    QTimer::singleShot(0, this, [this] { m_set.TellUnreadableProfiles(); });
}

void CVESKDlg::BuildWindow() {
    const SkinPictures pictures(&m_skin, "Main_Normal.bmp");
    SetBackgroundImage(pictures.Element(kMainBackgroundElement));
    PlaceControls(pictures);
    FillMenus();
    m_version->SetFontHeight(kVersionFontHeight);
    m_version->SetText(QString::fromLatin1(kProgramVersionText));
    CreatePages();
}

void CVESKDlg::PlaceControls(const SkinPictures& pictures) {
    DressRules rules;
    rules.states = [](const LayoutControl&) { return 4; };
    const LayoutControls controls = BuildFromLayout(layout::kMainControls, pictures, *this, rules);
    for (int k = 0; k < kPageButtonCount; ++k) {
        m_pageButtons[k] = controls.get<CVixButton>(layout::kMouseSettingsButtonId + k);
        SetSpokenRole(*m_pageButtons[k], QAccessible::PageTab);
    }
    for (int number = 1; number <= kProfileCount; ++number) {
        CVixButton* button =
            controls.get<CVixButton>(layout::kFirstProfileButtonId + number - 1);
        m_profileButtons[number - 1] = button;
        button->setTextFont(skin::MakeFont(skin::kNeoSansFace, 13));
        ShowProfileButton(number);
        m_profileMenus[number - 1] =
            controls.get<CVixComboButton>(layout::ProfileMenuButtonId(number));
        m_profileMenus[number - 1]->setShowCaption(false);
    }
    m_language = controls.get<CVixComboButton>(layout::kLanguageButtonId);
    m_language->setShowCaption(true);
    m_reset = controls.get<CVixButton>(layout::kResetButtonId);
    m_ok = controls.get<CVixButton>(layout::kOkButtonId);
    m_apply = controls.get<CVixButton>(layout::kApplyButtonId);
    m_cancel = controls.get<CVixButton>(layout::kCancelButtonId);
    m_version = controls.get<CVixStatic>(layout::kFirmwareVerLabelId);
    m_version->setTextColor(kVersionTextColor);
}

void CVESKDlg::FillMenus() {
    for (CVixComboButton* menu : m_profileMenus) {
        menu->CreateFixedMenu();
        int item = 1;
        for (const char* text : kProfileMenuItems) {
            menu->AddItem(item++, QString::fromLatin1(text));
        }
    }
    m_language->CreateFixedMenu();
    m_language->setOpenUpward(true);
    int id = 0;
    for (const char* text : kLanguages) {
        m_language->AddItem(id++, QString::fromLatin1(text));
    }
    m_language->SetSelection(QString::fromLatin1(kLanguages[0]), 0, 0);
}

void CVESKDlg::CreatePages() {
    m_pages = m_env.makePages(m_context);
    const ControlRect& r = layout::kPageRect;
    for (int index : VeskPages::kCreationOrder) {
        QWidget* page = m_pages->page(index);
        page->setParent(this, Qt::Widget);
        page->setGeometry(r.x, r.y, r.width, r.height);
        page->setAccessibleName(m_pageButtons[index]->accessibleName());
        SetSpokenRole(*page, QAccessible::Pane);
        page->hide();
    }
    m_pages->page(VeskPages::kButtons)->show();
    m_shownPage = VeskPages::kButtons;
    m_pageButtons[VeskPages::kButtons]->setSelected(true);
    ChainReadingOrder();
}

void CVESKDlg::ChainReadingOrder() {
    std::vector<QWidget*> order;
    for (int k = 0; k < kProfileCount; ++k) {
        order.push_back(m_profileMenus[k]);
        order.push_back(m_profileButtons[k]);
    }
    order.insert(order.end(), m_pageButtons.begin(), m_pageButtons.end());
    for (int k = 0; k < VeskPages::kCount; ++k) {
        AppendTabStops(*m_pages->page(k), order);
    }
    order.insert(order.end(), {m_reset, m_language, m_ok, m_apply, m_cancel});
    ChainTabOrder(order);
}

void CVESKDlg::ShowPage(int index) {
    if (index == m_shownPage && !m_pages->page(index)->isHidden()) {
        return;
    }
    for (int k = 0; k < kPageButtonCount; ++k) {
        m_pageButtons[k]->setSelected(k == index);
    }
    for (int k = 0; k < VeskPages::kCount; ++k) {
        m_pages->page(k)->hide();
    }
    StorePages(m_set.current());
    m_pages->page(index)->show();
    m_shownPage = index;
    if (index == VeskPages::kButtons) {
        m_pages->RefreshMacroMenus();
    }
}

void CVESKDlg::StorePages(Profile& profile) {
    m_pages->editingPage(VeskPages::kButtons).StoreToProfile(profile);
    m_pages->editingPage(VeskPages::kSensor).StoreToProfile(profile);
    m_pages->editingPage(VeskPages::kLighting).StoreToProfile(profile);
}

void CVESKDlg::LoadPages(const Profile& profile) {
    m_pages->editingPage(VeskPages::kButtons).LoadFromProfile(profile);
    m_pages->editingPage(VeskPages::kSensor).LoadFromProfile(profile);
    m_pages->editingPage(VeskPages::kLighting).LoadFromProfile(profile);
}

void CVESKDlg::SelectProfile(int number) {
    StorePages(m_set.current());
    SelectProfileButton(number);
    m_set.Select(number);
    LoadPages(m_set.current());
}

void CVESKDlg::LightingEntered() {
    m_pages->editingPage(VeskPages::kLighting).StoreToProfile(m_set.current());
}

void CVESKDlg::MacroRemoved() {
    ProfilePage& buttons = m_pages->editingPage(VeskPages::kButtons);
    buttons.StoreToProfile(m_set.current());
    buttons.LoadFromProfile(m_set.current());
}

void CVESKDlg::Apply() {
    StorePages(m_set.current());
    ApplyProblems problems = m_set.BeginApply();
    if (std::string macros = MacroSaveProblem(SaveMacros()); !macros.empty()) {
        problems.fileLines.push_back(std::move(macros));
    }
    if (m_set.FindMouseForApply(problems)) {
        ShowBusy(true);
        m_set.WriteMouse(problems);
        ShowBusy(false);
    }
    m_set.FinishApply(problems);
}

void CVESKDlg::FollowDeviceProfile() {
    // The mouse is read whatever the window's state, until the program ends.
    const DeviceProfileChange change = m_set.FollowDeviceProfile(!m_exitRequested);
    if (!change.changed) {
        return;
    }
    if (isHidden()) {
        FollowWhileHidden(change.number);
        return;
    }
    if (change.number != 0) {
        SelectProfile(change.number);
    }
    m_set.ApplyDesktopPointer();
}

void CVESKDlg::FollowWhileHidden(int number) {
    if (number == 0) {
        // No profile has the mouse's slot: the desktop keeps to the selected
        // profile, and so does the window when it is shown.
        m_set.ApplyDesktopPointer();
        m_followedWhileHidden = 0;
        return;
    }
    // The desktop takes the mouse's profile at once; the pages and the profile
    // buttons change when the window is shown again.
    m_set.ApplyDesktopPointer(number);
    m_followedWhileHidden = number;
}

void CVESKDlg::ShowMouseProfileInTip() {
    QString line;
    if (m_link != nullptr && m_link->IsOpen()) {
        for (int number = 1; number <= kProfileCount; ++number) {
            const Profile& profile = m_set.profile(number);
            if (profile.slot == m_set.lastDeviceSlot()) {
                line = QStringLiteral("Profile %1: %2").arg(number).arg(ToQString(profile.name));
                break;
            }
        }
    }
    m_tray->ShowSecondTipLine(line);
}

void CVESKDlg::ShowFollowedProfile() {
    const int number = std::exchange(m_followedWhileHidden, 0);
    if (number != 0) {
        SelectProfile(number);
    }
}

void CVESKDlg::SelectProfileButton(int number) {
    for (int k = 1; k <= kProfileCount; ++k) {
        m_profileButtons[k - 1]->setSelected(k == number);
    }
}

void CVESKDlg::ShowProfileButton(int number) {
    const Profile& profile = m_set.profile(number);
    CVixButton* button = m_profileButtons[number - 1];
    button->setCaption(ToQString(profile.name));
    button->setEnabled(profile.enabled != 0);
}

MacroSaveResult CVESKDlg::SaveMacros() {
    return m_macros.Save();
}

void CVESKDlg::ShowBusy(bool busy) {
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void CVESKDlg::controlClicked(int id) {
    if (id >= layout::kMouseSettingsButtonId && id <= layout::kSupportButtonId) {
        ShowPage(id - layout::kMouseSettingsButtonId);
    } else if (id >= layout::kFirstProfileButtonId &&
               id < layout::kFirstProfileButtonId + kProfileCount) {
        SelectProfile(id - layout::kFirstProfileButtonId + 1);
    } else if (id == layout::kResetButtonId) {
        ResetToDefault();
    } else if (id == layout::kOkButtonId) {
        ApplyAndHide();
    } else if (id == layout::kApplyButtonId) {
        Apply();
    } else if (id == layout::kCancelButtonId) {
        PutAway();
    }
}

bool CVESKDlg::controlChosen(int id, int rowId) {
    controlNotify(id, rowId);
    // The profile menus show no caption and keep no choice; only the
    // language button takes the chosen row.
    return id == layout::kLanguageButtonId;
}

void CVESKDlg::controlNotify(int id, int value) {
    if (id == notify::kMenuClosing) {
        // The window system keeps the stacking of our windows when a menu
        // hides, so the main window need not be put on top meanwhile.
        return;
    }
    if (id == kTrayMenuId) {
        if (value == kTrayConfigMouse) {
            ShowAndRaise();
        } else if (value == kTrayExit) {
            ExitProgram(ExitRequest::FromUser);
        }
        return;
    }
    const int number = layout::ProfileOfMenuButton(id);
    if (number >= 1 && number <= kProfileCount) {
        ProfileMenuCommand(number, value);
    }
    // The language button shows the chosen language itself; nothing else
    // changes.
}

void CVESKDlg::ProfileMenuCommand(int number, int item) {
    switch (item) {
        case 1:
            RenameProfile(number);
            break;
        case 2:
            m_set.SaveProfileFile(number);
            break;
        case 3:
            ExportProfile(number);
            break;
        case 4:
            ImportProfile(number);
            break;
        case 5:
            m_set.ToggleEnabled(number);
            ShowProfileButton(number);
            break;
        default:
            break;
    }
}

void CVESKDlg::RenameProfile(int number) {
    if (!m_env.rename) {
        return;
    }
    m_env.rename(
        number,
        [this, number](const std::u16string& name) {
            m_set.Rename(number, name);
            ShowProfileButton(number);
        },
        m_context, this);
}

void CVESKDlg::ExportProfile(int number) {
    const std::filesystem::path folder =
        ExportStartFolder(m_env.programFolder, DataFolder(m_env.userDataFolder));
    const std::u16string& name = m_set.profile(number).name;
    const std::filesystem::path start = folder / (ToQString(name) + ".profile").toStdString();
    if (auto chosen = m_env.fileDialogs->SaveProfileName(this, start)) {
        m_set.ExportProfile(number, *chosen);
    }
}

void CVESKDlg::ImportProfile(int number) {
    const std::filesystem::path folder =
        ExportStartFolder(m_env.programFolder, DataFolder(m_env.userDataFolder));
    if (auto chosen = m_env.fileDialogs->OpenProfileName(this, folder)) {
        const ProfileReadResult result = m_set.ImportProfile(number, *chosen);
        LoadPages(m_set.profile(number));
        ShowProfileButton(number);
        m_set.TellImportFailure(result, *chosen);
    }
}

void CVESKDlg::ResetToDefault() {
    if (m_env.confirmReset && m_env.confirmReset(m_context, this)) {
        m_set.ResetAllProfiles();
        for (int number = 1; number <= kProfileCount; ++number) {
            ShowProfileButton(number);
        }
        LoadPages(m_set.current());
        Apply();
    }
}

void CVESKDlg::ApplyAndHide() {
    Apply();
    PutAway();
}

bool CVESKDlg::TrayShown() const {
    return m_tray && m_tray->icon().isVisible() && (!m_env.trayAvailable || m_env.trayAvailable());
}

void CVESKDlg::PutAway() {
    if (!TrayShown()) {
        // Hidden, nothing could bring the window back: it stays in the task bar,
        // and ends a recording as hiding does.
        if (m_pages) {
            m_pages->StopRecording();
        }
        showMinimized();
        return;
    }
    m_leftAt = pos();
    hide();
}

void CVESKDlg::StartHidden() {
    if (TrayShown()) {
        return;
    }
    // Window managers map a window they have not seen yet as a normal one,
    // whatever state it asks for; so it is shown and minimised once it is on
    // the screen, as "Cancel" minimises it.
    show();
    MinimiseOnceShown(kShowChecks * 4);
}

void CVESKDlg::MinimiseOnceShown(int checksLeft) {
    if (windowHandle() != nullptr && windowHandle()->isExposed()) {
        showMinimized();
        return;
    }
    if (checksLeft > 0) {
        QTimer::singleShot(kShowCheckMs / 5, this,
                           [this, checksLeft] { MinimiseOnceShown(checksLeft - 1); });
    }
}

void CVESKDlg::ShowAndRaise() {
    MapAndRaise();
    // The window manager may have iconified the window before our own record
    // of its state caught up, so that the request to map it was never sent:
    // a window still not on the screen a moment later is mapped afresh.
    m_showChecks = kShowChecks;
    QTimer::singleShot(kShowCheckMs, this, [this] { CheckShown(); });
}

void CVESKDlg::MapAndRaise() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void CVESKDlg::CheckShown() {
    if (m_showChecks <= 0 || !isVisible() || windowHandle() == nullptr ||
        windowHandle()->isExposed()) {
        return;
    }
    --m_showChecks;
    hide();
    MapAndRaise();
    QTimer::singleShot(kShowCheckMs, this, [this] { CheckShown(); });
}

void CVESKDlg::ExitProgram(ExitRequest request) {
    if (m_exitRequested) {
        return;
    }
    m_exitRequested = true;
    if (m_exitSave) {
        m_exitSave->Disarm();
    }
    killTimer(m_followTimer);
    m_followTimer = 0;
    if (m_tray) {
        m_tray->Remove();
    }
    m_pages->StopRecording();
    const std::string problem = MacroSaveProblem(SaveMacros());
    hide();
    if (request == ExitRequest::FromUser && !problem.empty()) {
        m_env.messages->showMessage(problem);
    }
    QCoreApplication::exit(0);
}

void CVESKDlg::WatchTerminationSignals(int descriptor) {
    if (descriptor < 0) {
        return;
    }
    auto* watch = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
    connect(watch, &QSocketNotifier::activated, this, [this, watch] {
        watch->setEnabled(false);
        ExitProgram(ExitRequest::FromSystem);
    });
}

void CVESKDlg::WatchShowRequests(int descriptor, std::function<int()> take) {
    if (descriptor < 0) {
        return;
    }
    auto* watch = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
    connect(watch, &QSocketNotifier::activated, this, [this, take = std::move(take)] {
        if (take() > 0) {
            ShowAndRaise();
        }
    });
}

void CVESKDlg::StartDeviceNotices() {
    if (m_link == nullptr || !m_link->RegisterArrivalNotification()) {
        m_env.messages->showMessage(kRegisterFailedText);
        return;
    }
    const int descriptor = m_link->NoticeDescriptor();
    if (descriptor < 0) {
        return;
    }
    m_noticeWatch = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
    connect(m_noticeWatch, &QSocketNotifier::activated, this, [this] { DeviceNoticesReadable(); });
}

void CVESKDlg::DeviceNoticesReadable() {
    for (const HidNotice& notice : m_link->TakeNotices()) {
        if (!HidLink::IsOurDevicePath(notice.devicePath)) {
            continue;
        }
        if (notice.kind == HidNotice::Kind::Removal) {
            if (m_settleTimer != 0) {
                killTimer(m_settleTimer);
                m_settleTimer = 0;
            }
            m_link->DeviceRemoved();
            m_pages->SetFirmwareText(QString::fromLatin1(kNoFirmwareText));
        } else if (m_settleTimer == 0) {
            // The mouse needs a moment before it answers; the window goes on
            // working meanwhile.
            m_settleTimer = startTimer(kArrivalSettleMs);
        }
    }
}

void CVESKDlg::ArrivalSettled() {
    if (m_link->DeviceArrived()) {
        ShowFirmwareVersion();
    }
}

void CVESKDlg::ShowFirmwareVersion() {
    DeviceInfo info;
    if (GetDeviceInfo(*m_link, info) != CommandResult::Done) {
        m_pages->SetFirmwareText(QString::fromLatin1(kNoFirmwareText));
        return;
    }
    m_pages->SetFirmwareText(QString::fromStdString(VersionText(info.firmwareVersion)));
}

void CVESKDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_followTimer && m_followTimer != 0) {
        FollowDeviceProfile();
        ShowMouseProfileInTip();
        return;
    }
    if (event->timerId() == m_settleTimer && m_settleTimer != 0) {
        killTimer(m_settleTimer);
        m_settleTimer = 0;
        ArrivalSettled();
        return;
    }
    CVixImageDialog::timerEvent(event);
}

void CVESKDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (TrayShown()) {
        // The window manager's close goes to the tray, as "Cancel" does.
        PutAway();
    } else {
        // Without a notification area nothing else could end the program.
        ExitProgram(ExitRequest::FromUser);
    }
}

void CVESKDlg::showEvent(QShowEvent* event) {
    // Back where the user left it, whoever shows it (the tray, a second start).
    if (m_leftAt) {
        move(*m_leftAt);
        m_leftAt.reset();
    }
    ShowFollowedProfile();
    CVixImageDialog::showEvent(event);
}

void CVESKDlg::hideEvent(QHideEvent* event) {
    if (m_pages) {
        m_pages->StopRecording();
    }
    CVixImageDialog::hideEvent(event);
}

void CVESKDlg::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape never close the window.
    event->ignore();
}

void CVESKDlg::mousePressEvent(QMouseEvent* event) {
    if (!m_dragger.Press(*this, *event)) {
        CVixImageDialog::mousePressEvent(event);
    }
}

void CVESKDlg::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragger.Move(*this, *event)) {
        CVixImageDialog::mouseMoveEvent(event);
    }
}

void CVESKDlg::mouseReleaseEvent(QMouseEvent* event) {
    m_dragger.Release(*event);
    CVixImageDialog::mouseReleaseEvent(event);
}

}  // namespace solune
