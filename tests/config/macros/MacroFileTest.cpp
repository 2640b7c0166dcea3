// The ".macro" file and the "macroList.dat" index, byte for byte.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "config/macros/MacroFile.h"
#include "tests/support/TempDir.h"

using solune::CEventItem;
using solune::CMacro;
using solune::DataStream;
using solune::MacroFileStatus;
using solune::MacroRect;
using solune::test::TempDir;

namespace {

std::vector<std::uint8_t> bytesOf(const CMacro& macro) {
    DataStream s;
    solune::WriteMacro(s, macro);
    return {s.bytes().begin(), s.bytes().end()};
}

// A macro that uses every field, with values at the edges of their ranges
// (rectangles at the edge of the range a load keeps, see MacroRect.h).
CMacro richMacro() {
    CMacro macro(nullptr, MacroRect{-1, 2, solune::kMaxMacroCoordinate, 199}, -7,
                 u"K\u00e4se \U0001F5B1");
    CEventItem a;
    a.kind = solune::kMacroKey;
    a.code = -1;
    a.edge = solune::kEdgeRelease;
    a.delay = std::numeric_limits<std::int32_t>::min();
    a.rect = MacroRect{4, -13, 198, 5};
    a.selected = 1;
    a.serial = 0xFFFFFFFFu;
    CEventItem b;
    b.kind = solune::kMacroWheel;
    b.code = solune::kWheelUpCode;
    b.delay = 250;
    b.rect = MacroRect{4, 5, 198, 23};
    b.serial = 2;
    macro.events = {a, b};
    return macro;
}

TEST(MacroFile, LayoutIsByteExact) {
    CMacro macro(nullptr, MacroRect{0, 0, 200, 199}, 16, u"Ab");
    CEventItem row;
    row.kind = 1;
    row.code = 0x41;
    row.edge = 1;
    row.delay = 0x01020304;
    row.rect = MacroRect{4, 5, 198, 23};
    row.selected = 1;
    row.serial = 0xFFFFFFFEu;
    macro.events = {row};

    const std::vector<std::uint8_t> expected{
        0x02, 0,    0,    0,    'A',  0,    'b',  0,                                 // name
        0x10, 0,    0,    0,                                                         // id 16
        0,    0,    0,    0,    0,    0,    0,    0,    200, 0, 0, 0, 199, 0, 0, 0,  // rect
        0x01, 0,    0,    0,                                                         // N
        0x01, 0x41, 0x00, 0x01, 0x04, 0x03, 0x02, 0x01,  // kind, code, edge, delay
        4,    0,    0,    0,    5,    0,    0,    0,    198, 0, 0, 0, 23,  0, 0, 0,  // row rect
        1,    0,    0,    0,    0xFE, 0xFF, 0xFF, 0xFF};  // selected, serial
    EXPECT_EQ(bytesOf(macro), expected);
}

TEST(MacroFile, MacroWithoutRowsIsTwentyEightPlusNameBytesAndLoadsBackEmpty) {
    CMacro macro(nullptr, MacroRect{0, 0, 200, 199}, 17, u"Empty");
    const std::vector<std::uint8_t> bytes = bytesOf(macro);
    ASSERT_EQ(bytes.size(), 28u + 2 * 5);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.end() - 4, bytes.end()),
              (std::vector<std::uint8_t>{0, 0, 0, 0}));

    CMacro read = richMacro();
    DataStream s(bytes);
    ASSERT_EQ(solune::ReadMacro(s, read), MacroFileStatus::Complete);
    EXPECT_EQ(read.name, u"Empty");
    EXPECT_TRUE(read.events.empty());
}

TEST(MacroFile, EveryFieldSurvivesAWriteAndARead) {
    const CMacro macro = richMacro();
    DataStream s(bytesOf(macro));
    CMacro read;
    ASSERT_EQ(solune::ReadMacro(s, read), MacroFileStatus::Complete);
    EXPECT_EQ(read.name, macro.name);
    EXPECT_EQ(read.id, macro.id);
    EXPECT_EQ(read.rect, macro.rect);
    EXPECT_EQ(read.events, macro.events);
    EXPECT_EQ(s.position(), s.size());
}

TEST(MacroFile, DataEndingAnywhereInsideTheRecordLeavesTheMacroUnchanged) {
    const std::vector<std::uint8_t> bytes = bytesOf(richMacro());
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        DataStream s(std::span(bytes.data(), length));
        CMacro macro(nullptr, MacroRect{1, 2, 3, 4}, 99, u"before");
        macro.events.resize(1);
        EXPECT_EQ(solune::ReadMacro(s, macro), MacroFileStatus::Truncated) << length;
        EXPECT_EQ(macro.name, u"before") << length;
        EXPECT_EQ(macro.id, 99) << length;
        EXPECT_EQ(macro.events.size(), 1u) << length;
    }
}

// A name count or row count of zero or with its top bit set reads as empty;
// a positive count asking for more than the data holds is refused.
TEST(MacroFile, CountsFromTheFileAreCheckedAgainstTheData) {
    struct Case {
        std::int32_t nameCount;
        std::int32_t rowCount;
        MacroFileStatus status;
    };
    const Case cases[] = {
        {-1, 0, MacroFileStatus::Complete},
        {std::numeric_limits<std::int32_t>::min(), -5, MacroFileStatus::Complete},
        {0, std::numeric_limits<std::int32_t>::max(), MacroFileStatus::Truncated},
        {0, 2, MacroFileStatus::Truncated},  // one row present
        {0x40000000, 0, MacroFileStatus::Truncated},
    };
    for (const Case& c : cases) {
        DataStream s;
        s.WriteInt32(c.nameCount);
        s.WriteInt32(16);
        for (int i = 0; i < 4; ++i) {
            s.WriteInt32(0);
        }
        s.WriteInt32(c.rowCount);
        for (int i = 0; i < 32; ++i) {
            s.WriteByte(0);
        }
        DataStream input(s.bytes());
        CMacro macro;
        EXPECT_EQ(solune::ReadMacro(input, macro), c.status) << c.nameCount << " " << c.rowCount;
        if (c.status == MacroFileStatus::Complete) {
            EXPECT_TRUE(macro.name.empty());
            EXPECT_TRUE(macro.events.empty());
        }
    }
}

TEST(MacroFile, FilesThatCannotBeReadAreReportedUnreadable) {
    TempDir dir;
    CMacro macro;
    EXPECT_EQ(solune::LoadMacroFile(dir / "missing.macro", macro), MacroFileStatus::Unreadable);
    EXPECT_EQ(solune::LoadMacroFile(dir.path(), macro), MacroFileStatus::Unreadable);
    // Larger than any real macro: not read at all (the file is sparse).
    const auto huge = dir / "huge.macro";
    ASSERT_TRUE(solune::SaveMacroFile(richMacro(), huge));
    std::filesystem::resize_file(huge, solune::kMaxMacroFileBytes + 1);
    EXPECT_EQ(solune::LoadMacroFile(huge, macro), MacroFileStatus::Unreadable);
    EXPECT_TRUE(macro.name.empty());
}

TEST(MacroFile, SavedFileLoadsBack) {
    TempDir dir;
    const auto path = dir / "sub" / "m.macro";
    ASSERT_TRUE(solune::SaveMacroFile(richMacro(), path));
    CMacro read;
    ASSERT_EQ(solune::LoadMacroFile(path, read), MacroFileStatus::Complete);
    EXPECT_EQ(read.events, richMacro().events);
}

TEST(MacroList, EmptyIndexIsFourZeroBytes) {
    DataStream s;
    solune::WriteMacroList(s, {});
    EXPECT_EQ(std::vector<std::uint8_t>(s.bytes().begin(), s.bytes().end()),
              (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

TEST(MacroList, PathsSurviveAWriteAndARead) {
    const std::vector<std::u16string> paths{u"/home/u/.config/Dravik/SOLUNE300/Macros/A.macro", u"",
                                            u"/x/\u00e9.macro"};
    DataStream s;
    solune::WriteMacroList(s, paths);
    EXPECT_EQ(s.size(), 4 + (4 + 2 * 47) + 4 + (4 + 2 * 10));
    DataStream input(s.bytes());
    std::vector<std::u16string> read{u"old"};
    ASSERT_TRUE(solune::ReadMacroList(input, read));
    EXPECT_EQ(read, paths);
}

TEST(MacroList, IndexEndingEarlyKeepsThePathsReadWhole) {
    DataStream s;
    solune::WriteMacroList(s, {u"/a/A.macro", u"/a/B.macro"});
    const auto bytes = s.bytes();
    DataStream cut(bytes.first(bytes.size() - 1));
    std::vector<std::u16string> read;
    EXPECT_FALSE(solune::ReadMacroList(cut, read));
    EXPECT_EQ(read, (std::vector<std::u16string>{u"/a/A.macro"}));

    DataStream huge;  // a count far beyond the data, and nothing else
    huge.WriteInt32(std::numeric_limits<std::int32_t>::max());
    DataStream hugeInput(huge.bytes());
    EXPECT_FALSE(solune::ReadMacroList(hugeInput, read));
    EXPECT_TRUE(read.empty());

    DataStream negative;
    negative.WriteInt32(-3);
    DataStream negativeInput(negative.bytes());
    EXPECT_TRUE(solune::ReadMacroList(negativeInput, read));
    EXPECT_TRUE(read.empty());
}

}  // namespace
