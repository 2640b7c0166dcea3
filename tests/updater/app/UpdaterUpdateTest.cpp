// Updates run from the updater window on its worker thread, offscreen against
// the virtual mouse and the virtual clock: the screens on the way, the
// progress bar, the labels, the log lines and the update mode afterwards.

#include <gmock/gmock.h>
#include <QKeyEvent>

#include "shared/skin/CVixProgressCtrl.h"
#include "tests/updater/app/UpdaterWindowFixture.h"

namespace solune::test {
namespace {

using Names = std::vector<std::string>;

constexpr const char* kFileName = "[the fub firmware file name is:]SOLUNE300_1.08.fub";

// Watches the update from the clock's waits: what the window shows while the
// worker waits (the window's thread has handled everything queued before).
class UpdateWatch {
  public:
    UpdateWatch(VirtualClock& clock, CW38UpdaterDlg& window) : m_window(window) {
        clock.SetWaitObserver([this](std::chrono::milliseconds ms) { onWait(ms.count()); });
    }

    std::vector<int> progress;   // the bar's value at the waits after each move
    int screenOnCompletion = 0;  // the screen shown during the 6000 ms wait
    bool closedDuringUpdate = false;
    std::function<void()> atCompletionWait;

  private:
    void onWait(std::int64_t ms) {
        if (ms == 500 || ms == 70) {
            OnWindowThread(&m_window, [this] {
                progress.push_back(
                    m_window.findChild<CVixProgressCtrl*>(QStringLiteral("progress"))->value());
            });
        } else if (ms == 6000) {
            OnWindowThread(&m_window, [this] { screenOnCompletion = m_window.currentScreen(); });
            if (atCompletionWait) {
                atCompletionWait();
            }
        } else if (ms == 10000) {
            // The user presses Escape while the mouse settles in its boot loader.
            OnWindowThread(&m_window, [this] {
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(&m_window, &escape);
                closedDuringUpdate = !m_window.isVisible();
            });
        }
    }

    CW38UpdaterDlg& m_window;
};

TEST_F(UpdaterWindowFixture, OkOnUpdateFirmwareInstallsTheFileAndShowsTheNewVersion) {
    CW38UpdaterDlg& window = Open();
    ASSERT_EQ(window.currentScreen(), kScreenUpdateFirmware);
    UpdateWatch watch(m_clock, window);
    Click("OK");
    EXPECT_EQ(window.currentScreen(), kScreenFirmwareUpdate);
    EXPECT_EQ(VisibleControls(), (Names{"progress", "softVersion"}));
    EXPECT_EQ(Control("progress")->geometry(), QRect(22, 105, 334, 17));
    EXPECT_TRUE(window.isUpdating());
    FinishUpdate();

    EXPECT_FALSE(watch.closedDuringUpdate) << "the update cannot be cancelled";
    EXPECT_EQ(watch.progress, (std::vector<int>{2, 2, 35, 68}));
    EXPECT_EQ(watch.screenOnCompletion, kScreenUpdateCompleted);
    EXPECT_EQ(window.currentScreen(), kScreenSuccessfullyUpdate);
    EXPECT_EQ(static_cast<int>(window.updateMode()), 7);
    EXPECT_EQ(VisibleControls(), (Names{"OK", "Close", "softVersion", "Mouse FWVersion"}));
    EXPECT_EQ(LabelText("Mouse FWVersion"), "1.08");
    EXPECT_EQ(Control("Mouse FWVersion")->geometry(), QRect(171, 77, 30, 11));
    EXPECT_EQ(LogLines(), (Names{kFileName, "HC_OK", "HC_OK", "HC_OK", "HC_OK"}));
    EXPECT_EQ(m_sim.State().firmwareVersion, 108);
    EXPECT_EQ(m_sim.State().mode, simulator::MouseMode::Normal);

    // OK after a completed update closes the program; it starts no other update.
    Click("OK");
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.isUpdating());
    EXPECT_EQ(LogLines().size(), 5u);
}

TEST_F(UpdaterWindowFixture, OkOnFirmwareNewerInstallsTheOlderFile) {
    ChangeMouse([](simulator::MouseState& s) { s.firmwareVersion = 110; });
    CW38UpdaterDlg& window = Open();
    ASSERT_EQ(window.currentScreen(), kScreenFirmwareNewer);
    Click("OK");
    FinishUpdate();
    EXPECT_EQ(window.currentScreen(), kScreenSuccessfullyUpdate);
    EXPECT_EQ(LabelText("Mouse FWVersion"), "1.08");
    EXPECT_EQ(m_sim.State().firmwareVersion, 108);
}

TEST_F(UpdaterWindowFixture, AMouseInItsBootLoaderGetsTheImageWithoutAsking) {
    ChangeMouse([](simulator::MouseState& s) { simulator::EnterBootLoaderMode(s); });
    UpdateWatch watch(m_clock, *(m_window = std::make_unique<CW38UpdaterDlg>(Environment())));
    m_window->Initialize();
    m_window->show();
    FinishCheck();
    // The update starts at once without a question. The worker goes on while
    // the window's thread handles its queued screens, so by the time the check
    // is seen finished the window may show any screen of the update: the
    // transfer (10), its completion (07) or the new version (09).
    EXPECT_THAT(m_window->currentScreen(),
                ::testing::AnyOf(kScreenFirmwareUpdate, kScreenUpdateCompleted,
                                 kScreenSuccessfullyUpdate));
    EXPECT_EQ(m_messageBoxes, Names{});
    FinishUpdate();
    EXPECT_EQ(m_clock.Waits().front(), 1000) << "found at the first look, then 1000 ms";
    EXPECT_EQ(watch.progress, (std::vector<int>{2, 2, 35, 68}));
    EXPECT_EQ(m_window->currentScreen(), kScreenSuccessfullyUpdate);
    EXPECT_EQ(LabelText("Mouse FWVersion"), "1.08");
    EXPECT_EQ(LogLines(),
              (Names{kFileName, "open hid_device failed,into open BL device", "HC_OK", "HC_OK"}));
}

struct ProgressCase {
    int blocks;
    int lastValue;  // shown after the last block
};

class UpdaterProgressTest : public UpdaterWindowFixture,
                            public ::testing::WithParamInterface<ProgressCase> {};

// 120 blocks end at 119 * 100 / 120 + 2 = 101, which the bar shows as full.
TEST_P(UpdaterProgressTest, TheBarEndsFull) {
    WritePackage(static_cast<std::size_t>(GetParam().blocks) * 1024);
    CW38UpdaterDlg& window = Open();
    UpdateWatch watch(m_clock, window);
    Click("OK");
    FinishUpdate();
    ASSERT_EQ(watch.progress.size(), static_cast<std::size_t>(GetParam().blocks + 1));
    EXPECT_EQ(watch.progress.back(), GetParam().lastValue);
    EXPECT_TRUE(std::is_sorted(watch.progress.begin(), watch.progress.end()));
    auto* bar = Control<CVixProgressCtrl>("progress");
    EXPECT_EQ(bar->value(), GetParam().lastValue);
    EXPECT_EQ(bar->fillSize(), GetParam().lastValue * 334 / 100);
    EXPECT_EQ(window.currentScreen(), kScreenSuccessfullyUpdate);
}

INSTANTIATE_TEST_SUITE_P(, UpdaterProgressTest,
                         ::testing::Values(ProgressCase{1, 2}, ProgressCase{50, 100},
                                           ProgressCase{120, 100}),
                         [](const ::testing::TestParamInfo<ProgressCase>& info) {
                             return "Blocks" + std::to_string(info.param.blocks);
                         });

struct FailureCase {
    const char* name;
    const char* fault;
    int value;
    int screen;
    int updateMode;
    Names visible;
    Names logTail;  // the log's last lines
};

class UpdaterFailureTest : public UpdaterWindowFixture,
                           public ::testing::WithParamInterface<FailureCase> {};

TEST_P(UpdaterFailureTest, ShowsWhereTheUpdateStopped) {
    const FailureCase& c = GetParam();
    CW38UpdaterDlg& window = Open();
    Fault(c.fault, 1, c.value);
    Click("OK");
    FinishUpdate();
    EXPECT_EQ(window.currentScreen(), c.screen);
    EXPECT_EQ(static_cast<int>(window.updateMode()), c.updateMode);
    EXPECT_EQ(VisibleControls(), c.visible);
    const Names log = LogLines();
    ASSERT_GE(log.size(), c.logTail.size());
    EXPECT_EQ(Names(log.end() - static_cast<std::ptrdiff_t>(c.logTail.size()), log.end()),
              c.logTail);
    EXPECT_NE(m_sim.State().firmwareVersion, 108);
}

INSTANTIATE_TEST_SUITE_P(
    , UpdaterFailureTest,
    ::testing::Values(FailureCase{"BlockRefused",
                                  "bl-status-write",
                                  2,
                                  kScreenEncounteredProblem,
                                  0,
                                  {"OK", "Close", "softVersion"},
                                  {"HC_OK", "HC_CS_ERROR", "v2_makesure_block failed"}},
                      FailureCase{"EchoWrong",
                                  "bl-echo-byte",
                                  0,
                                  kScreenEncounteredProblem,
                                  0,
                                  {"OK", "Close", "softVersion"},
                                  {kFileName, "HC_ERROR",
                                   " rtn_int = v2_send_echo failed after try to 3 times"}},
                      FailureCase{"StartRefused",
                                  "bl-status-start",
                                  4,
                                  kScreenEncounteredProblem,
                                  0,
                                  {"OK", "Close", "softVersion"},
                                  {"HC_ERROR", "  v2_send_bl_start failed after try to 3 times"}},
                      // No log line of its own: the information's status was fine.
                      FailureCase{"WrongBootLoader",
                                  "bl-identity",
                                  0x1308,
                                  kScreenEncounteredProblem,
                                  0,
                                  {"OK", "Close", "softVersion"},
                                  {kFileName, "HC_OK", "HC_OK"}},
                      FailureCase{"BootLoaderNeverAppears",
                                  "bl-never-appears",
                                  0,
                                  kScreenEncounteredProblem,
                                  0,
                                  {"OK", "Close", "softVersion"},
                                  {kFileName, " Open_W38BL_device failed after try to 160 times"}},
                      // The screen stays on the update, without buttons.
                      FailureCase{"CompleteRefused",
                                  "bl-status-complete",
                                  4,
                                  kScreenFirmwareUpdate,
                                  5,
                                  {"progress", "softVersion"},
                                  {"HC_OK", "HC_ERROR", " Send_bl_complete failed "}}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST_F(UpdaterWindowFixture, OkAfterAProblemClosesTheProgram) {
    CW38UpdaterDlg& window = Open();
    Fault("bl-status-write", 1, 2);
    Click("OK");
    FinishUpdate();
    ASSERT_EQ(window.currentScreen(), kScreenEncounteredProblem);
    Click("OK");
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.isUpdating());
}

// With no button on the update screen, a failed complete command would leave
// a window that cannot be closed; once the worker has ended, Escape closes it.
TEST_F(UpdaterWindowFixture, AfterAFailedCompleteCommandEscapeClosesTheWindow) {
    CW38UpdaterDlg& window = Open();
    Fault("bl-status-complete", 1, 4);
    Click("OK");
    FinishUpdate();
    ASSERT_EQ(window.currentScreen(), kScreenFirmwareUpdate);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(UpdaterWindowFixture, AVersionThatCannotBeReadAgainShowsDashes) {
    ChangeMouse([](simulator::MouseState& s) { s.protocolGeneration = 1; });
    CW38UpdaterDlg& window = Open();
    ASSERT_EQ(window.currentScreen(), kScreenUpdateFirmware);
    UpdateWatch watch(m_clock, window);
    watch.atCompletionWait = [this] { Fault("not-ready", 10); };
    Click("OK");
    FinishUpdate();
    EXPECT_EQ(window.currentScreen(), kScreenSuccessfullyUpdate);
    EXPECT_EQ(LabelText("Mouse FWVersion"), "-.--");
    EXPECT_EQ(static_cast<int>(window.updateMode()), 7);
}

}  // namespace
}  // namespace solune::test
