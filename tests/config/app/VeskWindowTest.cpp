// The main window as a user meets it, offscreen, with simple test pages: its
// controls, pages, profile buttons and menus, language menu, Enter and
// Escape, OK / Apply / Cancel, "Reset to Default", dragging, a missing skin
// picture, and closing.
//
// Timers are driven without waiting: a test sends the window the QTimerEvent
// of its timer id (followTimerId(), settleTimerId()).

#include <QMouseEvent>
#include <QPointer>

#include "shared/layout/MainWindowLayout.h"
#include "config/app/VeskTray.h"
#include "config/device/SettingsImage.h"
#include "config/profiles/ProfileFile.h"
#include "shared/skin/CVixMenu.h"
#include "tests/config/app/VeskWindowFixture.h"
#include "tests/support/SkinTestSupport.h"

namespace solune::test {
namespace {

using Log = std::vector<std::string>;

class VeskWindowTest : public VeskWindowFixture {
  protected:
    CVixButton* Button(const char* name) { return Control<CVixButton>(name); }
    CVixComboButton* Combo(const char* name) { return Control<CVixComboButton>(name); }

    // Opens combo button `name`'s menu and clicks its row `index`. The combo
    // button's clock moves on a second before each opening, so a press is
    // never taken for the one that closed the menu before (however slowly the
    // machine runs the test).
    void ChooseFromMenu(const char* name, int index) {
        CVixComboButton* combo = Combo(name);
        m_ticks += 1000;
        combo->setTickSource([this] { return m_ticks; });
        ClickOn(combo);
        SkinMenu* menu = combo->menu();
        ASSERT_NE(menu, nullptr);
        ASSERT_TRUE(menu->isVisible()) << name;
        const int h = menu->rowHeight();
        Click(menu, QPoint(menu->width() / 2, 4 + index * h + h / 2));
        EXPECT_FALSE(menu->isVisible());
    }

    std::uint32_t m_ticks = 1000;

    std::filesystem::path FileOf(int number) const {
        return m_dir / "config" / "Dravik" / "SOLUNE300" / "Profiles" /
               ("Default" + std::to_string(number) + ".profile");
    }
};

TEST_F(VeskWindowTest, EveryControlOfTheTableSitsAtItsPlaceAndTheButtonPageShowsProfileOne) {
    CVESKDlg& window = Open();
    EXPECT_EQ(window.windowTitle(), "SOLUNE300");
    EXPECT_EQ(window.size(),
              QImage(QString::fromStdString((skinFolder / "Main_Normal.bmp").string())).size());
    for (const layout::LayoutControl& c : layout::kMainControls) {
        QWidget* control = Control(std::string(c.name).c_str());
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), QRect(c.rect.x, c.rect.y, c.rect.width, c.rect.height))
            << c.name;
        EXPECT_TRUE(control->isVisible()) << c.name;
    }
    EXPECT_EQ(Control<CVixStatic>("FirmwareVer")->GetText(), "1.21");
    EXPECT_EQ(Combo("Language")->caption(), "English");
    for (int k = 1; k <= 5; ++k) {
        CVixButton* profile = Button(("Profile" + std::to_string(k)).c_str());
        EXPECT_EQ(profile->caption(), QString("Profile%1").arg(k));
        EXPECT_TRUE(profile->isEnabled());
        EXPECT_EQ(profile->isSelected(), k == 1);
    }
    EXPECT_TRUE(Button("Mouse Settings")->isSelected());
    for (int index = 0; index < VeskPages::kCount; ++index) {
        QWidget* page = m_pages->page(index);
        EXPECT_EQ(page->parentWidget(), &window);
        EXPECT_EQ(page->geometry(), QRect(9, 209, 783, 349));
        EXPECT_EQ(page->isVisible(), index == VeskPages::kButtons);
    }
    EXPECT_EQ(m_log, (Log{"load buttons", "load sensor", "load lighting"}));
    EXPECT_EQ(m_pages->editing(VeskPages::kSensor).slider->value(), 5);
    EXPECT_TRUE(m_messages.messages.empty());
    EXPECT_EQ(TimerInterval(window.followTimerId()), 2000);
}

TEST_F(VeskWindowTest, ProfileButtonsShowTheNamesAndStatesOfTheFiles) {
    Profile disabled;
    disabled.name = u"Work";
    disabled.enabled = 0;
    ASSERT_TRUE(SaveProfile(disabled, FileOf(4)));
    Open();
    EXPECT_EQ(Button("Profile4")->caption(), "Work");
    EXPECT_FALSE(Button("Profile4")->isEnabled());
    // A disabled profile's button cannot be pressed.
    ClickOn("Profile4");
    EXPECT_EQ(m_window->profiles().currentNumber(), 1);
}

TEST_F(VeskWindowTest, EnterAndEscapeDoNothing) {
    CVESKDlg& window = Open();
    m_log.clear();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(&window, key);
        QTest::keyClick(m_pages->page(VeskPages::kButtons), key);
    }
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(m_log.empty());
    EXPECT_FALSE(window.exitRequested());
}

TEST_F(VeskWindowTest, APageButtonStoresThePagesAndShowsItsPageAndTheShownPageDoesNothing) {
    CVESKDlg& window = Open();
    m_log.clear();
    ClickOn("Sensor Performance");
    EXPECT_EQ(m_log, (Log{"store buttons", "store sensor", "store lighting"}));
    EXPECT_TRUE(m_pages->page(VeskPages::kSensor)->isVisible());
    EXPECT_FALSE(m_pages->page(VeskPages::kButtons)->isVisible());
    EXPECT_TRUE(Button("Sensor Performance")->isSelected());
    EXPECT_FALSE(Button("Mouse Settings")->isSelected());

    m_log.clear();
    ClickOn("Sensor Performance");
    EXPECT_TRUE(m_log.empty());
    EXPECT_EQ(window.shownPage(), VeskPages::kSensor);

    ClickOn("Mouse Settings");
    EXPECT_EQ(m_log, (Log{"store buttons", "store sensor", "store lighting", "refresh"}));
    for (const char* name : {"Color Settings", "Macro Settings", "Support"}) {
        ClickOn(name);
        EXPECT_TRUE(Button(name)->isSelected());
    }
    EXPECT_EQ(window.shownPage(), VeskPages::kSupport);
    EXPECT_TRUE(m_pages->page(VeskPages::kSupport)->isVisible());
}

TEST_F(VeskWindowTest, AProfileButtonStoresTheCurrentProfileAndShowsTheOther) {
    CVESKDlg& window = Open();
    window.profiles().profile(3).pointerSpeed = 8;
    QSlider* speed = m_pages->editing(VeskPages::kSensor).slider;
    speed->setFocus();
    QTest::keyClick(speed, Qt::Key_Right);  // 5 -> 6
    ClickOn("Profile3");
    EXPECT_EQ(window.profiles().profile(1).pointerSpeed, 6);
    EXPECT_EQ(window.profiles().currentNumber(), 3);
    EXPECT_EQ(speed->value(), 8);
    EXPECT_TRUE(Button("Profile3")->isSelected());
    EXPECT_FALSE(Button("Profile1")->isSelected());
    EXPECT_EQ(m_mouse.State().activeSlot, 0);
}

TEST_F(VeskWindowTest, CancelHidesAndTheChangedSliderIsStoredAtTheNextPageSwitch) {
    CVESKDlg& window = Open();
    QSlider* speed = m_pages->editing(VeskPages::kSensor).slider;
    speed->setFocus();
    QTest::keyClick(speed, Qt::Key_Right);
    ClickOn("Cancel");
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.exitRequested());
    EXPECT_EQ(window.profiles().current().pointerSpeed, 5);
    EXPECT_EQ(speed->value(), 6);
    EXPECT_FALSE(std::filesystem::exists(FileOf(1)));

    window.ShowAndRaise();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ClickOn("Color Settings");
    EXPECT_EQ(window.profiles().current().pointerSpeed, 6);
}

TEST_F(VeskWindowTest, OkAppliesIntoTheMouseAndHides) {
    CVESKDlg& window = Open();
    window.profiles().profile(2).dpiLevels[0] = {800, 800};
    ClickOn("OK");
    EXPECT_FALSE(window.isVisible());
    const simulator::MouseState mouse = m_mouse.State();
    for (int k = 1; k <= 5; ++k) {
        SettingsImage image{};
        ASSERT_EQ(BuildSettingsImage(window.profiles().profile(k), image), CommandResult::Done);
        EXPECT_EQ(mouse.profileSlots[k - 1], image) << k;
        EXPECT_TRUE(std::filesystem::exists(FileOf(k)));
    }
    EXPECT_EQ(m_log.back(), "save macros");
    EXPECT_EQ(m_pointer->calls.size(), 4u);
}

TEST_F(VeskWindowTest, ApplyShowsABusyPointerOnlyWhileItTalksToTheMouse) {
    Open();
    std::vector<bool> busyDuringWaits;
    m_clock.SetWaitObserver([&](std::chrono::milliseconds) {
        const QCursor* cursor = QApplication::overrideCursor();
        busyDuringWaits.push_back(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
    });
    ClickOn("Apply");
    ASSERT_EQ(busyDuringWaits.size(), 11u);  // ten image halves and the activation
    EXPECT_EQ(std::count(busyDuringWaits.begin(), busyDuringWaits.end(), true), 11);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(m_mouse.State().activeSlot, 0);
}

TEST_F(VeskWindowTest, WithoutDeviceAccessNoticesCannotStartAndApplyFindsNoMouse) {
    withMouse = false;
    Open();
    EXPECT_EQ(m_messages.messages, (Log{"RegisterDeviceNotification Failed!"}));
    ClickOn("Apply");
    EXPECT_EQ(m_messages.messages,
              (Log{"RegisterDeviceNotification Failed!", "SOLUNE 300 mouse not found"}));
    EXPECT_TRUE(std::filesystem::exists(FileOf(3)));
    EXPECT_EQ(m_log.back(), "save macros");
}

TEST_F(VeskWindowTest, ResetAsksFirstAndOnlyAConfirmationResetsEverything) {
    CVESKDlg& window = Open();
    window.profiles().profile(2).pollingInterval = kPolling125Hz;
    confirmReset = false;
    ClickOn("Reset to Default");
    EXPECT_EQ(m_log.back(), "reset warning");
    EXPECT_EQ(window.profiles().profile(2).pollingInterval, kPolling125Hz);

    confirmReset = true;
    ClickOn("Reset to Default");
    EXPECT_EQ(window.profiles().profile(2).pollingInterval, kPolling1000Hz);
    EXPECT_TRUE(std::filesystem::exists(FileOf(2)));
    EXPECT_EQ(m_log.back(), "save macros");
}

TEST_F(VeskWindowTest, DisableEnableThroughTheProfileMenuGreysTheButtonAndProfileOneStays) {
    CVESKDlg& window = Open();
    ClickOn("Profile3");
    ChooseFromMenu("3", 4);  // "Disable/Enable"
    EXPECT_FALSE(Button("Profile3")->isEnabled());
    EXPECT_EQ(window.profiles().currentNumber(), 3);
    EXPECT_EQ(Combo("3")->caption(), "");  // the menu button keeps its look

    ChooseFromMenu("1", 4);
    EXPECT_TRUE(Button("Profile1")->isEnabled());
    EXPECT_EQ(window.profiles().profile(1).enabled, 1);

    ChooseFromMenu("3", 4);
    EXPECT_TRUE(Button("Profile3")->isEnabled());
}

TEST_F(VeskWindowTest, EveryMenuRowAndProfileNameIsWholeOrEndsInAnEllipsis) {
    Open();
    for (const char* menuButton : {"1", "2", "3", "4", "5", "Language"}) {
        SCOPED_TRACE(menuButton);
        CVixComboButton* combo = Combo(menuButton);
        m_ticks += 1000;
        combo->setTickSource([this] { return m_ticks; });
        ClickOn(combo);
        ASSERT_TRUE(combo->menu()->isVisible());
        EXPECT_FALSE(ExpectEveryRowWhole(*combo->menu()).empty());
        combo->menu()->Close();
    }
    // A name longer than its button ends in "…" on the button.
    newName = u"The profile for long evenings of strategy games";
    ChooseFromMenu("2", 0);  // "Rename"
    CVixButton* button = Button("Profile2");
    const QString name = QString::fromStdU16String(*newName);
    EXPECT_EQ(button->caption(), name);
    EXPECT_NE(button->shownCaption(), name);
    EXPECT_TRUE(WholeOrElided(button->shownCaption(), name));
    EXPECT_EQ(Button("Profile1")->shownCaption(), Button("Profile1")->caption());
}

TEST_F(VeskWindowTest, TheProfileMenuRenamesSavesExportsAndImports) {
    CVESKDlg& window = Open();
    newName = u"Travel";
    ChooseFromMenu("2", 0);  // "Rename"
    EXPECT_EQ(m_log.back(), "rename 2");
    EXPECT_EQ(Button("Profile2")->caption(), "Travel");

    ChooseFromMenu("2", 1);  // "Save current settings"
    Profile saved;
    ASSERT_EQ(LoadProfile(FileOf(2), saved), ProfileReadResult::Complete);
    EXPECT_EQ(saved.name, u"Travel");

    m_fileDialogs->answers.push_back(m_dir / "mine");
    ChooseFromMenu("2", 2);  // "Export Profile"
    ASSERT_EQ(m_fileDialogs->starts.size(), 1u);
    EXPECT_EQ(m_fileDialogs->starts[0], m_dir / "app" / "Profiles" / "Travel.profile");
    ASSERT_EQ(LoadProfile(m_dir / "mine.profile", saved), ProfileReadResult::Complete);
    EXPECT_EQ(saved.name, u"Travel");

    saved.name = u"Loaded";
    saved.pointerSpeed = 3;
    ASSERT_TRUE(SaveProfile(saved, m_dir / "in.profile"));
    m_fileDialogs->answers.push_back(m_dir / "in.profile");
    ChooseFromMenu("4", 3);  // "Import Profile"
    EXPECT_EQ(m_fileDialogs->starts.back(), m_dir / "app" / "Profiles");
    EXPECT_EQ(Button("Profile4")->caption(), "Loaded");
    EXPECT_EQ(window.profiles().profile(4).slot, 3);
    EXPECT_EQ(m_pages->editing(VeskPages::kSensor).slider->value(), 3);
    EXPECT_EQ(window.profiles().currentNumber(), 1);

    m_fileDialogs->answers.push_back(std::nullopt);  // cancelled
    ChooseFromMenu("5", 2);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir / "app" / "Profiles"),
                            std::filesystem::directory_iterator()),
              0);
}

TEST_F(VeskWindowTest, ChoosingGermanChangesOnlyTheLanguageButtonsText) {
    Open();
    const QImage before = Grab(Control("Profile1"));
    ChooseFromMenu("Language", 1);
    EXPECT_EQ(Combo("Language")->caption(), "German");
    EXPECT_EQ(Button("Profile1")->caption(), "Profile1");
    EXPECT_EQ(Control<CVixStatic>("FirmwareVer")->GetText(), "1.21");
    EXPECT_EQ(Grab(Control("Profile1")), before);
    EXPECT_TRUE(m_log.size() == 3u) << "nothing stored or loaded";
}

TEST_F(VeskWindowTest, TheLanguageMenuNamesKoreanCorrectly) {
    Open();
    ChooseFromMenu("Language", 6);
    EXPECT_EQ(Combo("Language")->caption(), "Korean");
}

// A drag by a free point follows the pointer only while the left button is
// held after a press there; a click that has ended leaves the window where it
// is, whatever moves follow.
TEST_F(VeskWindowTest, TheWindowIsDraggedByAFreePointOnlyWhileTheButtonIsHeld) {
    enum class Step { Press, Release, MoveHeld };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        QPoint moved;
    };
    const Case cases[] = {
        {"press and drag", {Step::Press, Step::MoveHeld, Step::Release}, QPoint(30, 40)},
        {"one click, then a move held from elsewhere",
         {Step::Press, Step::Release, Step::MoveHeld},
         QPoint()},
    };
    CVESKDlg& window = Open();
    const QPoint press(600, 60);
    const QPoint to(630, 100);
    for (const Case& c : cases) {
        const QPoint start = window.pos();
        for (Step step : c.steps) {
            if (step == Step::Press) {
                QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, press);
            } else if (step == Step::Release) {
                QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, press);
            } else {
                QMouseEvent move(QEvent::MouseMove, QPointF(to), window.mapToGlobal(QPointF(to)),
                                 Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(&window, &move);
            }
        }
        EXPECT_EQ(window.pos(), start + c.moved) << c.name;
    }
}

TEST_F(VeskWindowTest, AMissingMainPictureTellsTheUserAndEndsTheProgram) {
    const std::filesystem::path skins = m_dir / "skins";
    std::filesystem::copy(skinFolder, skins);
    std::filesystem::remove(skins / "Main_Over.bmp");
    skinFolder = skins;
    Open();
    EXPECT_EQ(m_messages.messages, (Log{"ui load failed!"}));
    EXPECT_EQ(std::count(m_log.begin(), m_log.end(), "end program"), 1);
}

// With a notification area the window manager's close hides the window to the
// tray as "Cancel" does, and the tray's double click shows it where it was.
TEST_F(VeskWindowTest, WithANotificationAreaClosingHidesToTheTrayAndItComesBackInPlace) {
    CVESKDlg& window = Open();
    window.move(window.pos() + QPoint(37, 21));
    const QPoint left = window.pos();
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.exitRequested());
    window.tray().Activated(QSystemTrayIcon::DoubleClick, QPoint(600, 400));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), left);
}

// Without a notification area a hidden window could never come back: "OK" and
// "Cancel" minimise it instead, and a second start's request restores it.
TEST_F(VeskWindowTest, WithoutANotificationAreaOkAndCancelMinimiseTheWindow) {
    trayAvailable = false;
    for (const char* button : {"Cancel", "OK"}) {
        CVESKDlg& window = Open();
        ClickOn(button);
        EXPECT_TRUE(window.isVisible()) << button;
        EXPECT_TRUE(window.isMinimized()) << button;
        EXPECT_FALSE(window.exitRequested()) << button;
        window.ShowAndRaise();
        EXPECT_FALSE(window.isMinimized()) << button;
    }
}

TEST_F(VeskWindowTest, WithoutANotificationAreaClosingEndsTheProgramInOrder) {
    trayAvailable = false;
    CVESKDlg& window = Open();
    EXPECT_FALSE(window.tray().icon().isVisible());
    window.close();
    EXPECT_TRUE(window.exitRequested());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(m_log.back(), "save macros");
}

// Files that exist but could not be read are named once, after the window is up.
TEST_F(VeskWindowTest, DamagedProfileFilesAreNamedOnceAtStart) {
    std::filesystem::create_directories(FileOf(1).parent_path());
    WriteBytes(FileOf(2), {0x12, 0x06, 0x33, 0x02});
    CVESKDlg& window = Open();
    EXPECT_TRUE(ProcessUntil([&] { return !m_messages.messages.empty(); }));
    QCoreApplication::processEvents();
    ASSERT_EQ(m_messages.messages.size(), 1u);
    EXPECT_EQ(m_messages.messages[0],
              UnreadableProfilesMessage(
                  {"Profile 2 (Default2.profile): the file is not a profile file."}));
    EXPECT_EQ(window.profiles().profile(2).name, u"Profile2");
}

TEST_F(VeskWindowTest, ApplyIntoAnUnwritableFolderSaysWhichFilesFailedOnce) {
    std::filesystem::create_directories(FileOf(1).parent_path().parent_path());
    WriteText(FileOf(1).parent_path(), "a file where the folder belongs");
    Open();
    ClickOn("Apply");
    Log lines;
    for (int k = 1; k <= 5; ++k) {
        lines.push_back("Profile " + std::to_string(k) +
                        " could not be saved: a file is in the place of its folder.");
    }
    EXPECT_EQ(m_messages.messages, (Log{JoinLines(lines)}));
    // The mouse still got the profiles.
    SettingsImage image{};
    ASSERT_EQ(BuildSettingsImage(m_window->profiles().profile(1), image), CommandResult::Done);
    EXPECT_EQ(m_mouse.State().profileSlots[0], image);
}

TEST_F(VeskWindowTest, ImportingSomethingThatIsNoProfileFileSaysSo) {
    Open();
    WriteText(m_dir / "notes.profile", "shopping list");
    m_fileDialogs->answers.push_back(m_dir / "notes.profile");
    ChooseFromMenu("3", 3);  // "Import Profile"
    EXPECT_EQ(m_messages.messages, (Log{"\"notes.profile\" is not a profile file."}));
    EXPECT_EQ(Button("Profile3")->caption(), "Profile3");
}

}  // namespace
}  // namespace solune::test
