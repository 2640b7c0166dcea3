#include "platform/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using solune::test::ReadBytes;
using solune::test::TempDir;
using solune::test::WriteBytes;

namespace {

const std::vector<std::uint8_t> kNew{1, 2, 3, 4};
const std::vector<std::uint8_t> kOld{9, 9};

int entriesIn(const fs::path& folder) {
    int n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(folder)) {
        ++n;
    }
    return n;
}

}  // namespace

TEST(WriteFileAtomically, CreatesAndReplacesAFileLeavingNoTemporary) {
    TempDir dir;
    ASSERT_TRUE(solune::WriteFileAtomically(dir / "f", kOld));
    ASSERT_TRUE(solune::WriteFileAtomically(dir / "f", kNew));
    EXPECT_EQ(ReadBytes(dir / "f"), kNew);
    EXPECT_EQ(entriesIn(dir.path()), 1);
}

TEST(WriteFileAtomically, KeepsTheOldFileWhenTheNewOneCannotBeWritten) {
    TempDir dir;
    fs::create_directories(dir / "folder-in-the-way");
    EXPECT_FALSE(solune::WriteFileAtomically(dir / "folder-in-the-way", kNew));
    EXPECT_TRUE(fs::is_directory(dir / "folder-in-the-way"));
    EXPECT_FALSE(solune::WriteFileAtomically(dir / "missing/f", kNew));
    EXPECT_EQ(entriesIn(dir.path()), 1);
}

TEST(WriteFileAtomically, KeepsTheOldFileOnAFullDisk) {
    TempDir dir;
    WriteBytes(dir / "f", kOld);
    // A file-size limit makes the write fail part-way, as a full disk does.
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1000;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool written = solune::WriteFileAtomically(dir / "f", std::vector<std::uint8_t>(5000, 7));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(dir / "f"), kOld);
    EXPECT_EQ(entriesIn(dir.path()), 1);
}

TEST(WriteFileAtomically, WritesThroughALinkAndKeepsIt) {
    TempDir dir;
    WriteBytes(dir / "real", kOld);
    fs::create_symlink(dir / "real", dir / "link");
    ASSERT_TRUE(solune::WriteFileAtomically(dir / "link", kNew));
    EXPECT_TRUE(fs::is_symlink(dir / "link"));
    EXPECT_EQ(ReadBytes(dir / "real"), kNew);
}

TEST(WriteFileAtomically, KeepsThePermissionsOfAReplacedFile) {
    TempDir dir;
    WriteBytes(dir / "f", kOld);
    ::chmod((dir / "f").c_str(), 0640);
    ASSERT_TRUE(solune::WriteFileAtomically(dir / "f", kNew));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "f").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}
