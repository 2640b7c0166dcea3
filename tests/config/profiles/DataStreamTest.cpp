#include "config/profiles/DataStream.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/TempDir.h"

using solune::DataStream;

namespace {

std::vector<std::uint8_t> bytesOf(const DataStream& s) {
    return {s.bytes().begin(), s.bytes().end()};
}

}  // namespace

TEST(DataStream, GrowsByTwiceTheRequestOrAtLeast1024) {
    struct Case {
        std::int32_t fill;      // bytes written before the request
        std::int32_t request;   // bytes reserved
        std::int32_t capacity;  // capacity afterwards
    };
    const Case cases[] = {
        {0, 1024, 1024},    // fits exactly: no growth
        {1000, 24, 1024},   // fits exactly
        {1000, 25, 2048},   // 2 x 25 < 1024: grows by 1024
        {1024, 600, 2224},  // 2 x 600 = 1200
        {0, 5000, 11024},   // 1024 + 10000
    };
    for (const Case& c : cases) {
        DataStream s;
        EXPECT_EQ(s.capacity(), 1024);
        for (std::int32_t i = 0; i < c.fill; ++i) {
            s.WriteByte(0xAA);
        }
        ASSERT_TRUE(s.Reserve(c.request));
        EXPECT_EQ(s.capacity(), c.capacity) << c.fill << " + " << c.request;
        EXPECT_EQ(s.size(), c.fill);
    }
}

TEST(DataStream, GrowingKeepsTheWrittenBytes) {
    DataStream s;
    for (int i = 0; i < 3000; ++i) {
        s.WriteByte(static_cast<std::uint8_t>(i));
    }
    ASSERT_EQ(s.size(), 3000);
    for (int i = 0; i < 3000; ++i) {
        std::uint8_t b = 0;
        ASSERT_TRUE(s.ReadByte(b));
        ASSERT_EQ(b, static_cast<std::uint8_t>(i));
    }
}

TEST(DataStream, WritesLittleEndianNumbersAndCountedStrings) {
    DataStream s;
    s.WriteInt16(-2);
    s.WriteInt32(0x01020304);
    s.WriteString(u"Ab");
    s.WriteString(u"");
    s.WriteNumberText(-45);
    EXPECT_EQ(bytesOf(s),
              (std::vector<std::uint8_t>{0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01,          //
                                         2,    0,    0,    0,    'A',  0,    'b', 0,  //
                                         0,    0,    0,    0,                         //
                                         3,    0,    0,    0,    '-',  0,    '4', 0, '5', 0}));
}

TEST(DataStream, ReadsNumberTextLikeTheCLibrary) {
    struct Case {
        std::u16string text;
        std::int32_t value;
    };
    const Case cases[] = {
        {u"16776960", 16776960},
        {u"  \t42", 42},
        {u"-7", -7},
        {u"+9", 9},
        {u"12abc", 12},
        {u"abc", 0},
        {u"", 0},
        {u"-", 0},
        {u"99999999999", 2147483647},
        {u"-99999999999", -2147483647 - 1},
    };
    for (const Case& c : cases) {
        DataStream out;
        out.WriteString(c.text);
        DataStream in(out.bytes());
        std::int32_t value = -1;
        ASSERT_TRUE(in.ReadNumberText(value));
        EXPECT_EQ(value, c.value);
    }
}

TEST(DataStream, ANegativeCountReadsAsAnEmptyString) {
    const std::uint8_t bytes[] = {0xFF, 0xFF, 0xFF, 0xFF, 'x', 0};
    DataStream s(bytes);
    std::u16string text = u"old";
    ASSERT_TRUE(s.ReadString(text));
    EXPECT_EQ(text, u"");
    EXPECT_EQ(s.position(), 4);
}

TEST(DataStream, ReadsNeverPassTheEndAndLeaveTheirOutputAlone) {
    const std::uint8_t bytes[] = {0x05, 0x00, 0x00, 0x00, 'a', 0x00, 'b'};  // count 5, 1.5 units
    DataStream s(bytes);
    std::u16string text = u"old";
    EXPECT_FALSE(s.ReadString(text));
    EXPECT_EQ(text, u"old");
    EXPECT_EQ(s.position(), 0);

    std::int32_t i32 = 77;
    std::int16_t i16 = 77;
    std::uint8_t b = 77;
    std::array<std::int32_t, 4> four{1, 2, 3, 4};
    ASSERT_TRUE(s.ReadInt32(i32));  // the count
    EXPECT_FALSE(s.ReadInt32(i32));
    EXPECT_FALSE(s.ReadFourInt32(four));
    ASSERT_TRUE(s.ReadInt16(i16));
    EXPECT_FALSE(s.ReadInt16(i16));
    ASSERT_TRUE(s.ReadByte(b));
    EXPECT_FALSE(s.ReadByte(b));
    EXPECT_EQ(i32, 5);
    EXPECT_EQ(i16, 'a');
    EXPECT_EQ(b, 'b');
    EXPECT_EQ(four, (std::array<std::int32_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(s.position(), s.size());
}

TEST(DataStream, ReadsFourInt32) {
    DataStream out;
    for (std::int32_t v : {10, -20, 30, 40}) {
        out.WriteInt32(v);
    }
    DataStream in(out.bytes());
    std::array<std::int32_t, 4> four{};
    ASSERT_TRUE(in.ReadFourInt32(four));
    EXPECT_EQ(four, (std::array<std::int32_t, 4>{10, -20, 30, 40}));
}

TEST(DataStream, SavesAndLoadsFiles) {
    solune::test::TempDir dir;
    DataStream out;
    out.WriteString(u"saved");
    ASSERT_TRUE(out.SaveFile(dir / "new/folders/data.bin"));
    DataStream in;
    ASSERT_TRUE(in.LoadFile(dir / "new/folders/data.bin"));
    EXPECT_EQ(in.size(), 14);
    EXPECT_EQ(in.capacity(), 14);
    std::u16string text;
    ASSERT_TRUE(in.ReadString(text));
    EXPECT_EQ(text, u"saved");

    // A file name without an extension is still a file.
    ASSERT_TRUE(out.SaveFile(dir / "plain"));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "plain"));
}

TEST(DataStream, LoadingAMissingFileOrAFolderFailsAndLeavesTheStreamEmpty) {
    solune::test::TempDir dir;
    DataStream s;
    s.WriteInt32(1);
    EXPECT_FALSE(s.LoadFile(dir / "missing"));
    EXPECT_EQ(s.size(), 0);
    EXPECT_FALSE(s.LoadFile(dir.path()));
    EXPECT_EQ(s.size(), 0);
}
