// Rows of a macro: where AddEvent puts them, their serials, layout,
// notifications and deletion.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/macros/CMacro.h"
#include "tests/config/macros/MacroTestSupport.h"

using solune::CEventItem;
using solune::CMacro;
using solune::MacroRect;
using solune::test::KeysOf;
using solune::test::OnlySelectedRow;
using solune::test::RecordingOwner;

namespace {

constexpr MacroRect kClientRect{0, 0, 200, 199};

// A macro with key rows of codes 'A', 'B', ... (serials 1, 2, ...) and the
// given rows selected.
CMacro macroWithRows(int count, std::vector<int> selected = {}) {
    CMacro macro(nullptr, kClientRect, 16, u"M");
    for (int i = 0; i < count; ++i) {
        CEventItem row;
        row.code = static_cast<std::int16_t>('A' + i);
        row.serial = static_cast<std::uint32_t>(i + 1);
        macro.events.push_back(row);
    }
    for (int i : selected) {
        macro.events[static_cast<std::size_t>(i)].selected = 1;
    }
    macro.LayOutRows();
    return macro;
}

struct PlacementCase {
    std::string name;
    int rows;
    std::vector<int> selected;
    std::int32_t mode;
    int expectedIndex;
    friend void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }
};

class AddEventPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(AddEventPlacement, PutsTheNewRowWhereTheModeSaysAndSelectsOnlyIt) {
    const PlacementCase& c = GetParam();
    RecordingOwner owner;
    CMacro macro = macroWithRows(c.rows, c.selected);
    macro.owner = &owner;

    macro.AddEvent(solune::kMacroKey, 'Z', solune::kEdgePress, 7, c.mode);

    ASSERT_EQ(macro.events.size(), static_cast<std::size_t>(c.rows + 1));
    const CEventItem& added = macro.events[static_cast<std::size_t>(c.expectedIndex)];
    EXPECT_EQ(added.code, 'Z');
    EXPECT_EQ(added.delay, 7);
    EXPECT_EQ(added.serial, static_cast<std::uint32_t>(c.rows + 1));
    EXPECT_EQ(OnlySelectedRow(macro), c.expectedIndex);
    // The other rows keep their order.
    std::vector<int> others;
    for (const CEventItem& row : macro.events) {
        if (row.code != 'Z') {
            others.push_back(row.code);
        }
    }
    std::vector<int> expected;
    for (int i = 0; i < c.rows; ++i) {
        expected.push_back('A' + i);
    }
    EXPECT_EQ(others, expected);
    ASSERT_FALSE(owner.calls.empty());
    EXPECT_EQ(owner.calls.back(), std::make_pair(solune::kNotifyShowRow, c.expectedIndex));
}

INSTANTIATE_TEST_SUITE_P(
    Modes, AddEventPlacement,
    testing::Values(
        PlacementCase{"AppendIgnoresSelection", 3, {1}, solune::kInsertAppend, 3},
        PlacementCase{"AppendToEmpty", 0, {}, solune::kInsertAppend, 0},
        PlacementCase{"AfterSelectedMiddle", 3, {1}, solune::kInsertAfterSelected, 2},
        PlacementCase{"AfterSelectedLastAppends", 3, {2}, solune::kInsertAfterSelected, 3},
        PlacementCase{"AfterNothingSelectedGoesToTop", 3, {}, solune::kInsertAfterSelected, 0},
        PlacementCase{"AfterSelectedIntoEmpty", 0, {}, solune::kInsertAfterSelected, 0},
        PlacementCase{"AfterFirstOfTwoSelected", 3, {0, 2}, solune::kInsertAfterSelected, 1}),
    [](const auto& info) { return info.param.name; });

TEST(CMacro, ConsecutiveInsertionsAfterTheSelectionComeOutInOrder) {
    CMacro macro = macroWithRows(2, {0});
    for (char c : std::string("XYZ")) {
        macro.AddEvent(solune::kMacroKey, c, solune::kEdgePress, 0, solune::kInsertAfterSelected);
    }
    EXPECT_EQ(KeysOf(macro),
              (std::vector<std::pair<int, int>>{{'A', 0}, {'X', 0}, {'Y', 0}, {'Z', 0}, {'B', 0}}));
    EXPECT_EQ(OnlySelectedRow(macro), 3);
}

TEST(CMacro, NewSerialIsOneMoreThanTheLargestComparedUnsigned) {
    CMacro macro = macroWithRows(0);
    EXPECT_EQ(macro.NextSerial(), 1u);
    macro = macroWithRows(3);
    macro.events[0].serial = 0x80000000u;  // negative if it were compared signed
    macro.events[1].serial = 9;
    EXPECT_EQ(macro.NextSerial(), 0x80000001u);
}

TEST(CMacro, SerialOfTheDeletedLargestRowIsGivenAgain) {
    CMacro macro = macroWithRows(3, {2});  // serials 1, 2, 3; the last is selected
    ASSERT_TRUE(macro.DeleteSelectedRow());
    macro.AddEvent(solune::kMacroKey, 'Q', solune::kEdgePress, 0, solune::kInsertAppend);
    EXPECT_EQ(macro.events.back().serial, 3u);
}

TEST(CMacro, RowsAreLaidOutEighteenPixelsApartInsideTheControl) {
    CMacro macro(nullptr, MacroRect{0, 0, 150, 199}, 16, u"M");
    for (int i = 0; i < 3; ++i) {
        macro.AddEvent(solune::kMacroKey, 'A', solune::kEdgePress, 0, solune::kInsertAppend);
    }
    EXPECT_EQ(macro.events[0].rect, (MacroRect{4, 5, 148, 23}));
    EXPECT_EQ(macro.events[2].rect, (MacroRect{4, 41, 148, 59}));
}

TEST(CMacro, OverflowIsReportedOnlyOnceRowsReachBelowTheControl) {
    RecordingOwner owner;
    CMacro macro(&owner, kClientRect, 16, u"M");  // rows 0 ... 9 end at 185, row 10 at 203
    for (int i = 0; i < 10; ++i) {
        macro.AddEvent(solune::kMacroKey, 'A', solune::kEdgePress, 0, solune::kInsertAppend);
    }
    for (const auto& call : owner.calls) {
        EXPECT_EQ(call.first, solune::kNotifyShowRow);
    }
    owner.calls.clear();
    macro.AddEvent(solune::kMacroKey, 'A', solune::kEdgePress, 0, solune::kInsertAppend);
    EXPECT_EQ(owner.calls, (std::vector<std::pair<int, std::int32_t>>{
                               {solune::kNotifyRowsOverflow, 10}, {solune::kNotifyShowRow, 10}}));
}

struct DeleteCase {
    std::string name;
    int rows;
    int selected;
    int expectedSelected;  // -1: none
    bool showsFirstRow;
    friend void PrintTo(const DeleteCase& c, std::ostream* os) { *os << c.name; }
};

class DeleteSelectedRow : public testing::TestWithParam<DeleteCase> {};

TEST_P(DeleteSelectedRow, RemovesOneRowAndMovesTheSelection) {
    const DeleteCase& c = GetParam();
    RecordingOwner owner;
    CMacro macro = macroWithRows(c.rows, {c.selected});
    macro.owner = &owner;

    ASSERT_TRUE(macro.DeleteSelectedRow());

    ASSERT_EQ(macro.events.size(), static_cast<std::size_t>(c.rows - 1));
    EXPECT_EQ(OnlySelectedRow(macro), c.expectedSelected);
    for (std::size_t i = 0; i < macro.events.size(); ++i) {
        EXPECT_EQ(macro.events[i].rect.top, 5 + 18 * static_cast<int>(i)) << "row " << i;
    }
    std::vector<std::pair<int, std::int32_t>> expected{{solune::kNotifyRowDeleted, c.rows - 1}};
    if (c.showsFirstRow) {
        expected.emplace_back(solune::kNotifyShowRow, 0);
    }
    EXPECT_EQ(owner.calls, expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DeleteSelectedRow,
                         testing::Values(DeleteCase{"LastOfThreeSelectsFirst", 3, 2, 0, true},
                                         DeleteCase{"MiddleSelectsTheRowMovedUp", 3, 1, 1, false},
                                         DeleteCase{"FirstSelectsTheNewFirst", 3, 0, 0, false},
                                         DeleteCase{"OnlyRowLeavesNoSelection", 1, 0, -1, false}),
                         [](const auto& info) { return info.param.name; });

TEST(CMacro, DeleteWithoutSelectionChangesNothing) {
    RecordingOwner owner;
    CMacro macro = macroWithRows(2);
    macro.owner = &owner;
    EXPECT_FALSE(macro.DeleteSelectedRow());
    EXPECT_EQ(macro.events.size(), 2u);
    EXPECT_TRUE(owner.calls.empty());
}

TEST(CMacro, CopyForAProfileKeepsNameIdAndTheFourEventValues) {
    CMacro macro(nullptr, kClientRect, -5, u"Burst");
    macro.AddEvent(solune::kMacroMouseButton, 166, solune::kEdgeRelease, 250,
                   solune::kInsertAppend);
    macro.AddEvent(solune::kMacroWheel, solune::kWheelDownCode, solune::kEdgePress, -1,
                   solune::kInsertAppend);
    const solune::ButtonMacro copy = macro.ToButtonMacro();
    EXPECT_EQ(copy, (solune::ButtonMacro{u"Burst",
                                         -5,
                                         {{solune::kMacroMouseButton, 166, 1, 250},
                                          {solune::kMacroWheel, solune::kWheelDownCode, 0, -1}}}));
}

TEST(CMacro, HoldMacroHasRowsAndNoRelease) {
    CMacro macro = macroWithRows(0);
    EXPECT_FALSE(macro.IsHoldMacro());
    macro = macroWithRows(2);
    EXPECT_TRUE(macro.IsHoldMacro());
    macro.events[1].edge = solune::kEdgeRelease;
    EXPECT_FALSE(macro.IsHoldMacro());
}

}  // namespace
