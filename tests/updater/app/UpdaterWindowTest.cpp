// The updater window's start screens, its buttons, dragging and a missing
// screen picture, offscreen against the virtual mouse and the virtual clock.

#include <QKeyEvent>
#include <atomic>
#include <map>
#include <thread>

#include "simulator/MouseStateJson.h"

#include "tests/support/Watchdog.h"
#include "tests/updater/app/UpdaterWindowFixture.h"

namespace solune::test {
namespace {

using Names = std::vector<std::string>;

constexpr const char* kFileName = "[the fub firmware file name is:]SOLUNE300_1.08.fub";
constexpr const char* kSearchBox =
    "SOLUNE 300 Firmware Updater Software|SOLUNE 300 Firmware Updater Software is trying to "
    "find the bootloader device, this may take several minutes";

struct StartCase {
    const char* name;
    std::function<void(UpdaterWindowFixture&)> setUp;
    int screen;
    int updateMode;
    Names visible;
    std::map<std::string, std::string> texts;  // label name -> text
    std::map<std::string, QRect> rects;        // control name -> where it is
    Names log;
};

class UpdaterStartTest : public UpdaterWindowFixture,
                         public ::testing::WithParamInterface<StartCase> {};

TEST_P(UpdaterStartTest, ShowsTheScreenOfTheSituation) {
    const StartCase& c = GetParam();
    if (c.setUp) {
        c.setUp(*this);
    }
    CW38UpdaterDlg& window = Open();
    EXPECT_EQ(window.currentScreen(), c.screen);
    EXPECT_EQ(static_cast<int>(window.updateMode()), c.updateMode);
    EXPECT_EQ(VisibleControls(), c.visible);
    EXPECT_EQ(window.size(), QSize(375, 180)) << "the window takes the screen picture's size";
    EXPECT_FALSE(window.backgroundImage().isNull());
    EXPECT_EQ(LabelText("softVersion"), "V1.08");
    EXPECT_EQ(Control("softVersion")->geometry(), QRect(269, 5, 38, 15));
    for (const auto& [name, text] : c.texts) {
        EXPECT_EQ(LabelText(name.c_str()), text) << name;
    }
    for (const auto& [name, rect] : c.rects) {
        EXPECT_EQ(Control(name.c_str())->geometry(), rect) << name;
    }
    EXPECT_FALSE(window.isUpdating());
    EXPECT_EQ(LogLines(), c.log);
    if (c.screen == kScreenFirmwareIncorrect) {
        // The box over the screen names the folder looked in and how to give another.
        EXPECT_EQ(m_messageBoxes, Names{"W38Updater|No complete firmware package was found in " +
                                        packageFolder().string() +
                                        ".\nCopy a complete package into that folder, or give "
                                        "the folder that holds one: start \"W38Updater FOLDER\", "
                                        "or drop the folder on the updater's launcher."});
    } else {
        EXPECT_TRUE(m_messageBoxes.empty() || c.screen == kScreenCanNotFind);
    }
    EXPECT_EQ(m_endRequests, 0);
}

void Unplugged(UpdaterWindowFixture& f) {
    f.ChangeMouse([](simulator::MouseState& s) { s.plugged = false; });
}

INSTANTIATE_TEST_SUITE_P(, UpdaterStartTest,
                         ::
                             testing::Values(StartCase{"ConfigurationProgramRuns",
                                                       [](UpdaterWindowFixture& f) {
                                                           f.m_configProgram =
                                                               SingleInstance::Acquire(
                                                                   kVeskInstanceName);
                                                           ASSERT_NE(f.m_configProgram, nullptr);
                                                       },
                                                       kScreenPleaseExit,
                                                       0,
                                                       {"OK", "softVersion"},
                                                       {},
                                                       {{"OK", QRect(316, 149, 58, 26)}},
                                                       {}},
                                             StartCase{"PackageMissing",
                                                       [](UpdaterWindowFixture& f) {
                                                           std::filesystem::remove(
                                                               f.packageFolder() / "config.ini");
                                                       },
                                                       kScreenFirmwareIncorrect,
                                                       0,
                                                       {"OK", "Close", "softVersion"},
                                                       {},
                                                       {{"OK", QRect(317, 150, 56, 24)},
                                                        {"Close", QRect(348, 0, 27, 23)}},
                                                       {"the firmware file is incorrect",
                                                        "[the fub firmware file name is:]"}},
                                             StartCase{
                                                 "PackageDamaged",
                                                 [](UpdaterWindowFixture& f) {
                                                     const auto file =
                                                         f.packageFolder() / "SOLUNE300_1.08.fub";
                                                     std::vector<std::uint8_t> bytes =
                                                         ReadBytes(file);
                                                     bytes[100] ^= 0x01;
                                                     WriteBytes(file, bytes);
                                                 },
                                                 kScreenFirmwareIncorrect,
                                                 0,
                                                 {"OK", "Close", "softVersion"},
                                                 {},
                                                 {},
                                                 {kFileName,
                                                  "checksunm or check fub filelength is failed"}},
                                             StartCase{"NoMouse",
                                                       Unplugged,
                                                       kScreenCanNotFind,
                                                       0,
                                                       {"OK", "Close", "softVersion"},
                                                       {},
                                                       {{"OK", QRect(317, 150, 56, 24)}},
                                                       {kFileName,
                                                        "mouse bootloader device is not found"}},
                                             StartCase{
                                                 "VersionsEqual",
                                                 [](UpdaterWindowFixture& f) {
                                                     f.ChangeMouse([](simulator::MouseState& s) {
                                                         s.firmwareVersion = 108;
                                                     });
                                                 },
                                                 kScreenUpToDate,
                                                 0,
                                                 {"OK", "Close", "softVersion", "Mouse FWVersion"},
                                                 {{"Mouse FWVersion", "1.08"}},
                                                 {{"Mouse FWVersion", QRect(248, 61, 27, 12)}},
                                                 {kFileName}},
                                             StartCase{"MouseNewer",
                                                       [](UpdaterWindowFixture& f) {
                                                           f.ChangeMouse(
                                                               [](simulator::MouseState& s) {
                                                                   s.firmwareVersion = 110;
                                                               });
                                                       },
                                                       kScreenFirmwareNewer,
                                                       4,
                                                       {"OK", "Cancel", "Close", "softVersion",
                                                        "Mouse FWVersion", "File FWVersion"},
                                                       {{"Mouse FWVersion", "1.10"},
                                                        {"File FWVersion", "1.08"}},
                                                       {{"OK", QRect(256, 151, 55, 23)},
                                                        {"Cancel", QRect(318, 151, 55, 23)},
                                                        {"Mouse FWVersion", QRect(283, 62, 26, 12)},
                                                        {"File FWVersion", QRect(273, 77, 26, 11)}},
                                                       {kFileName}},
                                             StartCase{
                                                 "FileNewer",
                                                 {},
                                                 kScreenUpdateFirmware,
                                                 5,
                                                 {"OK", "Cancel",
                                                  "Close", "softVersion", "Mouse FWVersion",
                                                  "File FWVersion"},
                                                 {{"Mouse FWVersion", "1.07"},
                                                  {"File FWVersion", "1.08"}},
                                                 {{"OK", QRect(256, 151, 55, 23)},
                                                  {"Mouse FWVersion", QRect(113, 77, 26, 11)},
                                                  {"File FWVersion", QRect(221, 77, 24, 11)}},
                                                 {kFileName}},
                                             StartCase{"OlderMouseFileNewer",
                                                       [](UpdaterWindowFixture& f) {
                                                           f.ChangeMouse(
                                                               [](simulator::MouseState& s) {
                                                                   s.firmwareVersion = 105;
                                                                   s.protocolGeneration = 1;
                                                               });
                                                       },
                                                       kScreenUpdateFirmware,
                                                       5,
                                                       {"OK", "Cancel", "Close", "softVersion",
                                                        "Mouse FWVersion", "File FWVersion"},
                                                       {{"Mouse FWVersion", "1.05"}},
                                                       {},
                                                       {kFileName}},
                                             // The mouse answers in normal mode but never tells its
                                             // version.
                                             StartCase{"VersionUnreadable",
                                                       [](UpdaterWindowFixture& f) {
                                                           f.ChangeMouse(
                                                               [](simulator::MouseState& s) {
                                                                   s.protocolGeneration = 1;
                                                               });
                                                           f.Fault("not-ready", 10);
                                                       },
                                                       kScreenCanNotFind,
                                                       0,
                                                       {"OK", "Close", "softVersion"},
                                                       {},
                                                       {},
                                                       {kFileName}}),
                         [](const ::testing::TestParamInfo<StartCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(UpdaterWindowFixture, NoMouseLooksForTheBootLoaderAfterTellingTheUser) {
    Unplugged(*this);
    Open();
    EXPECT_EQ(m_messageBoxes, Names{kSearchBox});
    std::vector<std::int64_t> waits = {1500, 1500};
    waits.insert(waits.end(), 301, 1000);
    EXPECT_EQ(m_clock.Waits(), waits);
}

// The check at start runs beside the window: the window is on screen while it
// looks for the boot loader, and closing it then ends the search at its next
// try and the program with it.
TEST_F(UpdaterWindowFixture, ClosingTheWindowDuringTheSearchEndsIt) {
    Unplugged(*this);
    m_window = std::make_unique<CW38UpdaterDlg>(Environment());
    bool visibleDuringSearch = false;
    int waits = 0;
    m_clock.SetWaitObserver([&](std::chrono::milliseconds) {
        if (++waits == 1) {
            OnWindowThread(m_window.get(), [&] {
                visibleDuringSearch = m_window->isVisible();
                m_window->close();
            });
        }
    });
    m_window->Initialize();
    m_window->show();
    FinishCheck();
    EXPECT_TRUE(visibleDuringSearch);
    EXPECT_FALSE(m_window->isVisible());
    EXPECT_EQ(m_window->result(), QDialog::Rejected);
    EXPECT_EQ(m_clock.Waits(), (std::vector<std::int64_t>{1500})) << "no try after the close";
    EXPECT_EQ(m_messageBoxes, Names{});
}

// The worker waits on the window's thread for the user to close the search box.
// A window destroyed meanwhile (the program ends by a signal, its event loop
// has stopped) releases the worker instead of waiting for it for ever.
TEST_F(UpdaterWindowFixture, DestroyingTheWindowWhileTheSearchBoxIsDueDoesNotHang) {
    Unplugged(*this);
    std::atomic<bool> boxDue{false};
    int waits = 0;
    m_clock.SetWaitObserver([&](std::chrono::milliseconds) {
        if (++waits == 2) {  // the two short tries are over; the box comes next
            boxDue = true;
        }
    });
    m_window = std::make_unique<CW38UpdaterDlg>(Environment());
    m_window->Initialize();
    for (int i = 0; i < 10000 && !boxDue; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_TRUE(boxDue);
    // Give the worker time to queue the box and wait for it.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    Watchdog watchdog(std::chrono::seconds(20), "the window's destructor waits for its worker");
    m_window.reset();
    EXPECT_EQ(m_messageBoxes, Names{}) << "no event loop ran to show it";
    EXPECT_EQ(m_clock.Waits(), (std::vector<std::int64_t>{1500, 1500})) << "no try after that";
}

TEST_F(UpdaterWindowFixture, AMouseThatShowsUpDuringTheLongSearchGetsTheImage) {
    ChangeMouse([](simulator::MouseState& s) { s.plugged = false; });
    int waits = 0;
    m_clock.SetWaitObserver([&](std::chrono::milliseconds) {
        if (++waits == 10) {  // eight tries into the long search
            ChangeMouse([](simulator::MouseState& s) {
                s.plugged = true;
                simulator::EnterBootLoaderMode(s);
            });
        }
    });
    CW38UpdaterDlg& window = Open();
    EXPECT_EQ(m_messageBoxes, Names{kSearchBox});
    FinishUpdate();
    EXPECT_EQ(window.currentScreen(), kScreenSuccessfullyUpdate);
    EXPECT_EQ(m_sim.State().firmwareVersion, 108);
}

TEST_F(UpdaterWindowFixture, OkOnPleaseExitClosesWithoutTouchingThePackageOrTheMouse) {
    auto configProgram = SingleInstance::Acquire(kVeskInstanceName);
    ASSERT_NE(configProgram, nullptr);
    const simulator::MouseState before = m_sim.State();
    CW38UpdaterDlg& window = Open();
    Click("OK");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_TRUE(LogLines().empty());
    EXPECT_TRUE(m_clock.Waits().empty());
    EXPECT_EQ(simulator::ToJson(m_sim.State()), simulator::ToJson(before));
}

// What the update tells reaches the user as one screen: its number and its
// Normal picture as the window's background.
TEST_F(UpdaterWindowFixture, EachEventOfTheUpdateShowsItsScreen) {
    struct Case {
        UpdateEvent event;
        int screen;
        const char* picture;
    };
    const Case cases[] = {
        {UpdateEvent::PackageRefused, 1, "01 Firmware incorrect Normal.bmp"},
        {UpdateEvent::NoMouse, 2, "02 Can not find Normal.bmp"},
        {UpdateEvent::UpToDate, 3, "03 Firmware up to date Normal.bmp"},
        {UpdateEvent::MouseNewer, 4, "04 Firmware Newer Normal.bmp"},
        {UpdateEvent::FileNewer, 5, "05 Update firmware Normal.bmp"},
        {UpdateEvent::UpdateFailed, 6, "06 encountered problem Normal.bmp"},
        {UpdateEvent::TransferDone, 7, "07 Update Completed Normal.bmp"},
        {UpdateEvent::MouseRestarted, 9, "09 Successfully update Normal.bmp"},
        {UpdateEvent::UpdateStarted, 10, "10 Firmware update Normal.bmp"},
        {UpdateEvent::ConfigProgramRunning, 11, "11 Please exit Normal.bmp"},
    };
    CW38UpdaterDlg& window = Open();
    for (const Case& c : cases) {
        window.Report(c.event);
        EXPECT_EQ(window.currentScreen(), c.screen) << c.picture;
        const QImage expected(QString::fromStdString((m_skinFolder / c.picture).string()));
        ASSERT_FALSE(expected.isNull()) << c.picture;
        EXPECT_EQ(window.backgroundImage().convertToFormat(QImage::Format_ARGB32),
                  expected.convertToFormat(QImage::Format_ARGB32))
            << c.picture;
    }
    EXPECT_TRUE(m_messageBoxes.empty());
}

class UpdaterCloseTest : public UpdaterWindowFixture,
                         public ::testing::WithParamInterface<const char*> {};

TEST_P(UpdaterCloseTest, ClosesTheWindowWithoutAnUpdate) {
    CW38UpdaterDlg& window = Open();
    ASSERT_EQ(window.currentScreen(), kScreenUpdateFirmware);
    Click(GetParam());
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.isUpdating());
    EXPECT_EQ(window.currentScreen(), kScreenUpdateFirmware);
    EXPECT_EQ(m_sim.State().mode, simulator::MouseMode::Normal);
    EXPECT_EQ(m_sim.State().firmwareVersion, 107);
}

INSTANTIATE_TEST_SUITE_P(, UpdaterCloseTest, ::testing::Values("Cancel", "Close"));

// Screen 03 (up to date): OK only closes.
TEST_F(UpdaterWindowFixture, OkWithNothingToInstallCloses) {
    ChangeMouse([](simulator::MouseState& s) { s.firmwareVersion = 108; });
    CW38UpdaterDlg& window = Open();
    ASSERT_EQ(window.currentScreen(), kScreenUpToDate);
    Click("OK");
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.isUpdating());
    EXPECT_EQ(m_sim.State().mode, simulator::MouseMode::Normal);
}

TEST_F(UpdaterWindowFixture, DraggingTheBodyMovesTheWindow) {
    CW38UpdaterDlg& window = Open();
    const QPoint start = window.pos();
    // A point of the body that no control covers.
    QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, QPoint(60, 130));
    QMouseEvent move(QEvent::MouseMove, QPointF(90, 170), window.mapToGlobal(QPointF(90, 170)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
    QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, QPoint(90, 170));
    EXPECT_EQ(window.pos(), start + QPoint(30, 40));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.currentScreen(), kScreenUpdateFirmware);
}

TEST_F(UpdaterWindowFixture, AMissingScreenPictureTellsTheUserOnceAndEndsTheProgram) {
    const std::filesystem::path skins = m_dir / "skins";
    std::filesystem::copy(m_skinFolder, skins);
    std::filesystem::remove(skins / "05 Update firmware Normal.bmp");
    m_skinFolder = skins;
    CW38UpdaterDlg& window = Open();
    EXPECT_EQ(window.currentScreen(), kScreenUpdateFirmware);
    EXPECT_EQ(m_messageBoxes, Names{"W38Updater|UI load failed!"});
    EXPECT_EQ(m_endRequests, 1);
}

}  // namespace
}  // namespace solune::test
