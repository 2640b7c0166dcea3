// Recording on the macro page through the scripted key source: the record
// options, repeats, the three ways to start, the recording state, and a
// recorded macro through the macro file and back. Delays are ticks of the
// virtual clock that the test advances between keys; nothing waits.
#include <gtest/gtest.h>

#include <QTest>

#include "config/macros/MacroFile.h"
#include "config/macros/widgets/CVixListBox.h"
#include "config/macros/widgets/CVixMacroCtrl.h"
#include "shared/skin/CVixEdit.h"
#include "shared/skin/CVixMenu.h"
#include "tests/config/macros/widgets/MacroPageFixture.h"

namespace solune::test {
namespace {

constexpr std::uint32_t kA = 0x41;
constexpr std::uint32_t kB = 0x42;
constexpr std::uint32_t kX = 0x58;
constexpr std::uint32_t kY = 0x59;

using Keys = std::vector<std::pair<int, int>>;

class Recorder : public MacroPageFixture {
  protected:
    void OpenWithMacro() {
        OpenPage();
        NewMacro("Rec");
    }
    void Start() { ClickControl("Start Record"); }
    void Stop() { ClickControl("Stop Record"); }
};

TEST_F(Recorder, BothOptionsOffRecordsEveryPressAndReleaseWithoutDelay) {
    OpenWithMacro();
    Start();
    EXPECT_TRUE(m_keys.listening());
    Tap(kA, 120);
    Tap(kB, 80);
    Stop();
    EXPECT_FALSE(m_keys.listening());
    EXPECT_EQ(Rows(), (Keys{{kA, 0}, {kA, 1}, {kB, 0}, {kB, 1}}));
    EXPECT_EQ(Delays(), (std::vector<std::int32_t>{0, 0, 0, 0}));
    std::vector<std::uint32_t> serials;
    for (const CEventItem& row : current()->events) {
        serials.push_back(row.serial);
        EXPECT_EQ(row.kind, kMacroKey);
    }
    EXPECT_EQ(serials, (std::vector<std::uint32_t>{1, 2, 3, 4}));
    EXPECT_EQ(SelectedEventRow(), 3);
    Tap(kB);  // after the stop nothing is recorded
    EXPECT_EQ(Rows().size(), 4u);
}

TEST_F(Recorder, AutoRepeatRecordsOnePress) {
    OpenWithMacro();
    Start();
    Play(kA, false);
    Play(kA, false, 30);
    Play(kA, false, 30);
    Play(kA, true, 30);
    EXPECT_EQ(Rows(), (Keys{{kA, 0}, {kA, 1}}));
}

TEST_F(Recorder, HoldModeDropsReleases) {
    OpenWithMacro();
    ClickControl("Record Hold");
    Start();
    Tap(kA);
    Tap(kA);
    EXPECT_EQ(Rows(), (Keys{{kA, 0}, {kA, 0}}));
    Stop();
    // Chosen again, the macro is seen as recorded in hold mode.
    ClickControl("Record Delay");
    NewMacro("Other");
    ClickListRow(0);
    EXPECT_TRUE(IsChecked("Record Hold"));
    EXPECT_FALSE(IsChecked("Record Delay"));
}

TEST_F(Recorder, DelayModeMeasuresFromTheStartAndBetweenKeys) {
    OpenWithMacro();
    ClickControl("Record Delay");
    m_clock.Advance(std::chrono::milliseconds(5000));  // before the start: not counted
    Start();
    Play(kA, false, 300);
    Play(kA, false, 40);  // auto-repeat: dropped, but the measurement restarts
    Play(kA, true, 25);
    Play(kB, false, 1000);
    EXPECT_EQ(Rows(), (Keys{{kA, 0}, {kA, 1}, {kB, 0}}));
    EXPECT_EQ(Delays(), (std::vector<std::int32_t>{300, 25, 1000}));
}

TEST_F(Recorder, DelaysSurviveTheWrapOfTheTickCount) {
    OpenWithMacro();
    ClickControl("Record Delay");
    m_clock.SetTickCount(0xFFFFFF00u);
    Start();
    Play(kA, false, 0x200);
    EXPECT_EQ(Delays(), (std::vector<std::int32_t>{0x200}));
}

TEST_F(Recorder, StartRecordClearsTheRowsAndLocksTheOptions) {
    OpenWithMacro();
    Start();
    Tap(kA);
    Stop();
    ClickControl("Record Delay");
    Start();
    EXPECT_TRUE(Rows().empty());
    EXPECT_FALSE(Control("Record Delay")->isEnabled());
    EXPECT_FALSE(Control("Record Hold")->isEnabled());
    EXPECT_TRUE(Control("Start Record")->isHidden());
    EXPECT_FALSE(Control("Stop Record")->isHidden());
    Stop();
    EXPECT_TRUE(Control("Record Delay")->isEnabled());
    EXPECT_TRUE(Control("Record Hold")->isEnabled());
    EXPECT_FALSE(Control("Start Record")->isHidden());
    EXPECT_TRUE(Control("Stop Record")->isHidden());
    EXPECT_TRUE(IsChecked("Record Delay"));
}

// A macro X down, X up, Y down with row `selected` selected (-1: none).
class MenuStart : public Recorder {
  protected:
    void Prepare(int selected) {
        OpenWithMacro();
        Start();
        Play(kX, false);
        Play(kX, true);
        Play(kY, false);
        Stop();
        current()->DeselectAll();
        if (selected >= 0) {
            ClickEventRow(selected);
        }
    }
    void RecordAB(const char* item) {
        ChooseFromMenu({item});
        EXPECT_TRUE(page().recording());
        // The context-menu starts leave the options usable.
        EXPECT_TRUE(Control("Record Delay")->isEnabled());
        Tap(kA);
        Tap(kB);
        Stop();
    }
};

TEST_F(MenuStart, BeforeEventWithTheFirstRowSelectedInsertsAtTheTop) {
    Prepare(0);
    RecordAB("Start record before event");
    EXPECT_EQ(Rows(), (Keys{{kA, 0}, {kA, 1}, {kB, 0}, {kB, 1}, {kX, 0}, {kX, 1}, {kY, 0}}));
    EXPECT_EQ(SelectedEventRow(), 3);
}

TEST_F(MenuStart, BeforeEventWithTheLastRowSelectedInsertsBeforeIt) {
    Prepare(2);
    RecordAB("Start record before event");
    EXPECT_EQ(Rows(), (Keys{{kX, 0}, {kX, 1}, {kA, 0}, {kA, 1}, {kB, 0}, {kB, 1}, {kY, 0}}));
}

TEST_F(MenuStart, BeforeEventWithNoRowSelectedInsertsAtTheTop) {
    Prepare(-1);
    RecordAB("Start record before event");
    EXPECT_EQ(Rows(), (Keys{{kA, 0}, {kA, 1}, {kB, 0}, {kB, 1}, {kX, 0}, {kX, 1}, {kY, 0}}));
}

TEST_F(MenuStart, AfterEventWithTheFirstRowSelectedInsertsAfterIt) {
    Prepare(0);
    RecordAB("Start record after event");
    EXPECT_EQ(Rows(), (Keys{{kX, 0}, {kA, 0}, {kA, 1}, {kB, 0}, {kB, 1}, {kX, 1}, {kY, 0}}));
}

TEST_F(MenuStart, AfterEventWithTheLastRowSelectedAppends) {
    Prepare(2);
    RecordAB("Start record after event");
    EXPECT_EQ(Rows(), (Keys{{kX, 0}, {kX, 1}, {kY, 0}, {kA, 0}, {kA, 1}, {kB, 0}, {kB, 1}}));
}

TEST_F(MenuStart, AfterEventWithNoRowSelectedInsertsAtTheTop) {
    Prepare(-1);
    RecordAB("Start record after event");
    EXPECT_EQ(Rows(), (Keys{{kA, 0}, {kA, 1}, {kB, 0}, {kB, 1}, {kX, 0}, {kX, 1}, {kY, 0}}));
}

TEST_F(MenuStart, StartRecordAfterAMenuStartStillInsertsAfterTheSelection) {
    // The insert mode set by a menu start is never set back.
    Prepare(-1);
    RecordAB("Start record after event");
    Start();  // clears the rows
    Tap(kA);
    Tap(kB);
    ClickEventRow(0);  // the list stays usable while recording
    Tap(kX);
    EXPECT_EQ(Rows(), (Keys{{kA, 0}, {kX, 0}, {kX, 1}, {kA, 1}, {kB, 0}, {kB, 1}}));
}

TEST_F(Recorder, StartRecordAloneAppends) {
    OpenWithMacro();
    Start();
    Tap(kA);
    ClickEventRow(0);
    Tap(kB);
    EXPECT_EQ(Rows(), (Keys{{kA, 0}, {kA, 1}, {kB, 0}, {kB, 1}}));
}

TEST_F(Recorder, WhileRecordingTheEditingControlsAreInert) {
    WriteLibrary({{u"Keep", 16, {{kA, 0}, {kA, 1}}}, {u"Rec", 17, {}}});
    OpenPage();
    Start();
    ClickControl("New Macro");
    EXPECT_FALSE(list().isNameEditOpen());
    ClickControl("Delete");  // no pop-up opens: the test would hang on it
    EXPECT_EQ(list().rowCount(), 2);
    RightClickEvents();
    EXPECT_FALSE(menu().isVisible());
    // Keys typed into the page are swallowed while recording; the key source
    // still hears them (it is scripted here).
    ClickListRow(0);
    QTest::keyClick(&list(), Qt::Key_Down);
    Tap(kB);
    // Choosing another macro makes the recording go on in it.
    EXPECT_EQ(current()->name, u"Keep");
    EXPECT_EQ(Rows(), (Keys{{kA, 0}, {kA, 1}, {kB, 0}, {kB, 1}}));
    Stop();
    RightClickEvents();
    EXPECT_TRUE(menu().isVisible());
}

TEST_F(Recorder, KeysArePassedOnWhenNotRecordingAndSwallowedWhileRecording) {
    OpenWithMacro();
    ClickControl("New Macro");
    QTest::keyClicks(list().nameEdit(), "ab");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(ListNames().back(), QString("ab"));
    ClickControl("New Macro");
    Start();  // commits the open edit first (empty here: nothing made)
    EXPECT_FALSE(list().isNameEditOpen());
    ClickControl("Stop Record");
    ClickControl("New Macro");
    Start();
    EXPECT_EQ(ListNames().size(), 2u);
    ClickControl("Stop Record");
    ClickControl("New Macro");
    QTest::keyClicks(list().nameEdit(), "cd");
    Start();  // a typed name becomes the macro that is recorded into
    EXPECT_EQ(ListNames().back(), QString("cd"));
    EXPECT_EQ(current()->name, u"cd");
    Tap(kA);
    EXPECT_EQ(Rows(), (Keys{{kA, 0}, {kA, 1}}));
}

TEST_F(Recorder, KeysTypedIntoThePageAreSwallowedWhileRecording) {
    OpenWithMacro();
    Start();
    Tap(kA);
    Stop();
    ClickEventRow(0);
    ChooseFromMenu({"Edit delay"});
    ASSERT_TRUE(events().isDelayEditOpen());
    Type("1", events().delayEdit());
    ChooseFromMenu({"Start record after event"});
    Type("5", events().delayEdit());  // swallowed
    EXPECT_EQ(events().delayEdit()->text(), QString("1"));
    PressKey(Qt::Key_Return, events().delayEdit());  // still commits the edit
    EXPECT_FALSE(events().isDelayEditOpen());
    EXPECT_EQ(current()->events[0].delay, 1);
}

TEST_F(Recorder, AFailedStartIsReportedAndStaysUntilStopRecord) {
    OpenWithMacro();
    m_keys.failStart = true;
    Start();
    EXPECT_EQ(m_messages.messages, std::vector<std::string>{"start hook failed!"});
    EXPECT_TRUE(page().recording());
    EXPECT_FALSE(Control("Stop Record")->isHidden());
    RightClickEvents();
    EXPECT_FALSE(menu().isVisible());
    Stop();
    EXPECT_FALSE(page().recording());
    EXPECT_FALSE(Control("Start Record")->isHidden());
    m_keys.failStart = false;
    Start();
    Tap(kA);
    EXPECT_EQ(Rows().size(), 2u);
}

TEST_F(Recorder, WithoutACurrentMacroKeysAreHeardButNothingIsInserted) {
    OpenPage();
    Start();
    Tap(kA);
    EXPECT_EQ(current(), nullptr);
    Stop();
    // The last key pair is kept: a recording that starts with the same key
    // release drops it as a repeat.
    NewMacro("After");
    Start();
    Play(kA, true);
    Play(kA, false);
    EXPECT_EQ(Rows(), (Keys{{kA, 0}}));
}

TEST_F(Recorder, ARecordedMacroIsSavedAndLoadedBackByteForByte) {
    OpenWithMacro();
    ClickControl("Record Delay");
    Start();
    Play(kA, false, 15);
    Play(0xA0, false, 100);  // Left SHIFT
    Play(kA, true, 7);
    Play(0xA0, true, 33);
    Stop();
    ChooseFromMenu({"Insert mouse event", "Middle button", "Click"});
    ASSERT_EQ(SaveLibrary(), MacroSaveResult::Saved);
    const auto file = macroFolder() / "Rec.macro";
    const std::vector<std::uint8_t> saved = ReadBytes(file);
    // 4 + 2 * 3 name bytes, id, rect, count, then 6 rows of 32 bytes.
    ASSERT_EQ(saved.size(), 28u + 6u + 32u * 6u);
    EXPECT_EQ(saved[0], 3);
    EXPECT_EQ(saved[4], 'R');
    EXPECT_EQ(saved[10], 16);  // the id
    const std::vector<CEventItem> recorded = current()->events;

    m_page.reset();
    OpenPage();
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(current()->name, u"Rec");
    EXPECT_EQ(current()->events, recorded);
    EXPECT_EQ(Delays(), (std::vector<std::int32_t>{15, 100, 7, 33, 0, 0}));
    ASSERT_EQ(SaveLibrary(), MacroSaveResult::Saved);
    EXPECT_EQ(ReadBytes(file), saved);
}

}  // namespace
}  // namespace solune::test
