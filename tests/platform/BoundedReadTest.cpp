// Files and streams from outside: only regular files are read, never waited
// on, and never beyond the reader's limit.

#include "platform/BoundedRead.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

#include "platform/JsonDepth.h"
#include "tests/support/TempDir.h"

namespace solune {
namespace {

using test::TempDir;

TEST(ReadRegularFile, ReadsUpToTheLimitAndRefusesMore) {
    TempDir dir;
    test::WriteText(dir / "f", "12345");
    std::string text;
    EXPECT_EQ(ReadRegularFile(dir / "f", 5, text), FileReadResult::Done);
    EXPECT_EQ(text, "12345");
    EXPECT_EQ(ReadRegularFile(dir / "f", 4, text), FileReadResult::TooLarge);
    EXPECT_EQ(text, "");
    EXPECT_EQ(FileReadProblem(FileReadResult::TooLarge, 4), "is larger than 4 bytes");
    test::WriteText(dir / "empty", "");
    EXPECT_EQ(ReadRegularFile(dir / "empty", 0, text), FileReadResult::Done);
}

// A pipe without a writer, an endless device and a folder are refused at once.
TEST(ReadRegularFile, RefusesWhatIsNotARegularFileWithoutWaiting) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    std::vector<std::uint8_t> bytes;
    for (const std::filesystem::path& path :
         {dir / "pipe", std::filesystem::path("/dev/zero"), dir.path()}) {
        EXPECT_EQ(ReadRegularFile(path, 1u << 20, bytes), FileReadResult::NotRegularFile) << path;
        EXPECT_TRUE(bytes.empty());
    }
    EXPECT_EQ(ReadRegularFile(dir / "missing", 10, bytes), FileReadResult::CannotOpen);
}

TEST(OpenRegularFileForAppend, OpensOnlyARegularFile) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(OpenRegularFileForAppend(dir / "pipe"), -1);
    EXPECT_EQ(OpenRegularFileForAppend(dir.path()), -1);
    const int fd = OpenRegularFileForAppend(dir / "new.log");
    ASSERT_GE(fd, 0);
    EXPECT_EQ(::write(fd, "ab", 2), 2);  // blocking again, appending
    ::close(fd);
    EXPECT_EQ(test::ReadBytes(dir / "new.log"), (std::vector<std::uint8_t>{'a', 'b'}));
}

TEST(ReadStreamUpTo, StopsOnceTheStreamHoldsMoreThanTheLimit) {
    std::string text;
    std::istringstream small("abc");
    EXPECT_TRUE(ReadStreamUpTo(small, 3, text));
    EXPECT_EQ(text, "abc");
    std::istringstream large(std::string(200000, 'x'));
    EXPECT_FALSE(ReadStreamUpTo(large, 199999, text));
    EXPECT_EQ(text, "");
}

TEST(JsonNestingWithin, CountsArraysAndObjectsButNotBracketsInStrings) {
    struct Case {
        std::string text;
        int maxDepth;
        bool within;
    };
    const Case cases[] = {
        {"{}", 1, true},
        {"{\"a\":[1,{\"b\":2}]}", 3, true},
        {"{\"a\":[1,{\"b\":2}]}", 2, false},
        {"\"[[[[\"", 0, true},
        {"[\"\\\"[[\"]", 1, true},
        {std::string(100000, '['), kMaxJsonDepth, false},
        {std::string(kMaxJsonDepth, '[') + std::string(kMaxJsonDepth, ']'), kMaxJsonDepth, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JsonNestingWithin(c.text, c.maxDepth), c.within) << c.text.substr(0, 40);
    }
}

}  // namespace
}  // namespace solune
