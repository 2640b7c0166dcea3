// The recorder's logic, fed keystrokes and tick counts by hand.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "config/macros/MacroRecorder.h"
#include "tests/config/macros/MacroTestSupport.h"

using solune::CMacro;
using solune::MacroLibrary;
using solune::MacroRecorder;
using solune::test::KeysOf;
using solune::test::OnlySelectedRow;

namespace {

using Keys = std::vector<std::pair<int, int>>;

constexpr int kA = 'A';
constexpr int kB = 'B';

class Recorder : public testing::Test {
  protected:
    Recorder() : macro(&library.SelectOrCreateMacro(16, u"M", {0, 0, 200, 199})) {}

    // Presses (false) and releases (true) of keys at the given ticks.
    void feed(std::initializer_list<std::tuple<int, bool, std::uint32_t>> keys) {
        for (const auto& [vk, released, tick] : keys) {
            recorder.HandleKeyCapture(vk, released, tick);
        }
    }
    std::vector<std::int32_t> delays() const {
        std::vector<std::int32_t> out;
        for (const auto& row : macro->events) {
            out.push_back(row.delay);
        }
        return out;
    }

    MacroLibrary library;
    CMacro* macro;
    MacroRecorder recorder{library};
};

TEST_F(Recorder, PressesAndReleasesBecomeRowsWithoutDelays) {
    recorder.StartRecord(1000);
    feed({{kA, false, 1100}, {kA, true, 1200}, {kB, false, 1300}, {kB, true, 1400}});
    EXPECT_EQ(KeysOf(*macro), (Keys{{kA, 0}, {kA, 1}, {kB, 0}, {kB, 1}}));
    EXPECT_EQ(delays(), (std::vector<std::int32_t>{0, 0, 0, 0}));
    std::vector<std::uint32_t> serials;
    for (const auto& row : macro->events) {
        serials.push_back(row.serial);
        EXPECT_EQ(row.kind, solune::kMacroKey);
    }
    EXPECT_EQ(serials, (std::vector<std::uint32_t>{1, 2, 3, 4}));
    EXPECT_EQ(OnlySelectedRow(*macro), 3);
}

TEST_F(Recorder, AutoRepeatRecordsOnePressAndRestartsTheDelay) {
    recorder.SetDelayOption(true);
    recorder.StartRecord(1000);
    EXPECT_EQ(recorder.HandleKeyCapture(kA, false, 1050), solune::kKeyHandled);
    EXPECT_EQ(recorder.HandleKeyCapture(kA, false, 1550), solune::kKeyRepeatDropped);
    EXPECT_EQ(recorder.HandleKeyCapture(kA, false, 1580), solune::kKeyRepeatDropped);
    EXPECT_EQ(recorder.HandleKeyCapture(kA, true, 1600), solune::kKeyHandled);
    EXPECT_EQ(KeysOf(*macro), (Keys{{kA, 0}, {kA, 1}}));
    // The first delay counts from the start; the release's from the last repeat.
    EXPECT_EQ(delays(), (std::vector<std::int32_t>{50, 20}));
}

TEST_F(Recorder, DelayIsMeasuredAcrossTheTickCountWrap) {
    recorder.SetDelayOption(true);
    recorder.StartRecord(0xFFFFFF00u);
    feed({{kA, false, 0x00000010u}});
    EXPECT_EQ(delays(), (std::vector<std::int32_t>{0x110}));
}

TEST_F(Recorder, DelayTooLongForTheRowIsKeptAsTheLongest) {
    recorder.SetDelayOption(true);
    recorder.StartRecord(0);
    feed({{kA, false, 0x90000000u}});
    EXPECT_EQ(delays(), (std::vector<std::int32_t>{std::numeric_limits<std::int32_t>::max()}));
}

TEST_F(Recorder, HoldModeDropsReleasesSoTwoTapsGiveTwoPresses) {
    recorder.SetHoldOption(true);
    recorder.StartRecord(0);
    feed({{kA, false, 10}, {kA, true, 20}, {kA, false, 30}, {kA, true, 40}});
    EXPECT_EQ(KeysOf(*macro), (Keys{{kA, 0}, {kA, 0}}));
    EXPECT_TRUE(macro->IsHoldMacro());
}

TEST_F(Recorder, StartRecordClearsRowsAndContextMenuStartsKeepThem) {
    macro->AddEvent(solune::kMacroKey, 'Z', 0, 0, solune::kInsertAppend);
    recorder.StartRecordAfterEvent(0);
    EXPECT_EQ(macro->events.size(), 1u);
    recorder.StopRecord();
    recorder.StartRecordBeforeEvent(0);
    EXPECT_EQ(macro->events.size(), 1u);
    recorder.StopRecord();
    recorder.StartRecord(0);
    EXPECT_TRUE(macro->events.empty());
}

struct InsertionCase {
    std::string name;
    bool before;      // "Start record before event", else "... after event"
    int selectedRow;  // of the rows X, Y, Z; -1 none
    Keys expected;
    friend void PrintTo(const InsertionCase& c, std::ostream* os) { *os << c.name; }
};

class RecordIntoExistingRows : public Recorder,
                               public testing::WithParamInterface<InsertionCase> {};

TEST_P(RecordIntoExistingRows, PlacesTheRecordedRowsInTypingOrder) {
    const InsertionCase& c = GetParam();
    for (char code : std::string("XYZ")) {
        macro->AddEvent(solune::kMacroKey, code, 0, 0, solune::kInsertAppend);
    }
    macro->DeselectAll();
    if (c.selectedRow >= 0) {
        macro->events[static_cast<std::size_t>(c.selectedRow)].selected = 1;
    }
    c.before ? recorder.StartRecordBeforeEvent(0) : recorder.StartRecordAfterEvent(0);
    feed({{kA, false, 1}, {kA, true, 2}, {kB, false, 3}});
    EXPECT_EQ(KeysOf(*macro), c.expected);
    EXPECT_EQ(recorder.insertMode(), solune::kInsertAfterSelected);
}

INSTANTIATE_TEST_SUITE_P(
    Starts, RecordIntoExistingRows,
    testing::Values(InsertionCase{"BeforeFirstRow", true, 0,
                                  Keys{{kA, 0}, {kA, 1}, {kB, 0}, {'X', 0}, {'Y', 0}, {'Z', 0}}},
                    InsertionCase{"BeforeMiddleRow", true, 1,
                                  Keys{{'X', 0}, {kA, 0}, {kA, 1}, {kB, 0}, {'Y', 0}, {'Z', 0}}},
                    InsertionCase{"BeforeWithoutSelectionGoesToTop", true, -1,
                                  Keys{{kA, 0}, {kA, 1}, {kB, 0}, {'X', 0}, {'Y', 0}, {'Z', 0}}},
                    InsertionCase{"AfterWithoutSelectionGoesToTop", false, -1,
                                  Keys{{kA, 0}, {kA, 1}, {kB, 0}, {'X', 0}, {'Y', 0}, {'Z', 0}}},
                    InsertionCase{"AfterMiddleRow", false, 1,
                                  Keys{{'X', 0}, {'Y', 0}, {kA, 0}, {kA, 1}, {kB, 0}, {'Z', 0}}},
                    InsertionCase{"AfterLastRowAppends", false, 2,
                                  Keys{{'X', 0}, {'Y', 0}, {'Z', 0}, {kA, 0}, {kA, 1}, {kB, 0}}}),
    [](const auto& info) { return info.param.name; });

TEST_F(Recorder, KeystrokesOutsideARecordingDoNothing) {
    recorder.SetDelayOption(true);
    EXPECT_EQ(recorder.HandleKeyCapture(kA, false, 500), solune::kKeyHandled);
    recorder.StartRecord(1000);
    recorder.StopRecord();
    EXPECT_EQ(recorder.HandleKeyCapture(kB, false, 5000), solune::kKeyHandled);
    EXPECT_TRUE(macro->events.empty());
    EXPECT_EQ(recorder.lastTick(), 1000u);
    // Neither did they count as the last pair: A is not a repeat now.
    recorder.StartRecord(6000);
    EXPECT_EQ(recorder.HandleKeyCapture(kA, false, 6001), solune::kKeyHandled);
    EXPECT_EQ(macro->events.size(), 1u);
}

TEST_F(Recorder, LastPairOutlivesARecording) {
    recorder.StartRecord(0);
    feed({{kA, false, 1}});
    recorder.StopRecord();
    recorder.StartRecord(10);
    EXPECT_EQ(recorder.HandleKeyCapture(kA, false, 11), solune::kKeyRepeatDropped);
    EXPECT_TRUE(macro->events.empty());
}

TEST(RecorderWithoutMacro, KeystrokesMoveTheTickAndPairButInsertNothing) {
    MacroLibrary library;
    MacroRecorder recorder(library);
    recorder.SetDelayOption(true);
    recorder.StartRecord(100);
    EXPECT_EQ(recorder.HandleKeyCapture(kA, false, 250), solune::kKeyHandled);
    EXPECT_EQ(recorder.lastTick(), 250u);
    EXPECT_EQ(recorder.HandleKeyCapture(kA, false, 260), solune::kKeyRepeatDropped);
    // A macro chosen while recording receives the next keystrokes.
    CMacro& macro = library.SelectOrCreateMacro(16, u"M", {0, 0, 200, 199});
    recorder.HandleKeyCapture(kA, true, 300);
    EXPECT_EQ(KeysOf(macro), (Keys{{kA, 1}}));
    EXPECT_EQ(macro.events[0].delay, 40);
}

}  // namespace
