#include "platform/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using solune::test::ReadBytes;
using solune::test::TempDir;
using solune::test::WriteBytes;

namespace {

const std::vector<std::uint8_t> kNew{1, 2, 3, 4};
const std::vector<std::uint8_t> kOld{9, 9};

// Runs `write` under a file-size limit of 1000 bytes, which makes a longer
// write fail part-way, as a full disk does.
template <typename Write>
auto UnderASmallFileSizeLimit(Write write) {
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1000;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const auto result = write();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return result;
}

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
    const bool written = UnderASmallFileSizeLimit(
        [&] { return solune::WriteFileAtomically(dir / "f", std::vector<std::uint8_t>(5000, 7)); });
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

TEST(WriteFileAtomically, KeepsALinkToAFileNotMadeYet) {
    TempDir dir;
    fs::create_directory(dir / "real");
    fs::create_symlink("real/target.profile", dir / "link.profile");
    ASSERT_TRUE(solune::WriteFileAtomically(dir / "link.profile", kNew));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "link.profile")));
    EXPECT_EQ(ReadBytes(dir / "real" / "target.profile"), kNew);
}

// A save killed between writing and renaming leaves "<name>.tmp.<pid>.<n>";
// the next save of the same file removes those of processes that are gone and
// nothing else.
TEST(WriteFileAtomically, RemovesTheTemporariesOfDeadSavesOfTheSameFileOnly) {
    TempDir dir;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::_exit(0);
    }
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    const std::string dead = std::to_string(child);
    const std::string alive = std::to_string(::getppid());
    const std::vector<std::string> stale = {"f.tmp." + dead + ".0", "f.tmp." + dead + ".17"};
    const std::vector<std::string> kept = {
        "f.tmp." + alive + ".3",   // its process still runs
        "g.tmp." + dead + ".0",    // another file's
        "f.tmp." + dead + ".x",    // not our naming
        "f.tmp." + dead,           // not our naming
        "ff.tmp." + dead + ".1",   // another file's
        "f.tmp." + dead + ".1.2",  // not our naming
        "f.tmp.other",             // not our naming
    };
    for (const std::string& name : stale) {
        WriteBytes(dir / name, kOld);
    }
    for (const std::string& name : kept) {
        WriteBytes(dir / name, kOld);
    }
    fs::create_directory(dir / ("f.tmp." + dead + ".9"));  // a folder is never removed
    ASSERT_TRUE(solune::WriteFileAtomically(dir / "f", kNew));
    for (const std::string& name : stale) {
        EXPECT_FALSE(fs::exists(dir / name)) << name;
    }
    for (const std::string& name : kept) {
        EXPECT_TRUE(fs::exists(dir / name)) << name;
    }
    EXPECT_TRUE(fs::is_directory(dir / ("f.tmp." + dead + ".9")));
    EXPECT_EQ(ReadBytes(dir / "f"), kNew);
}

// The status names the step's reason, so the user can be told why.
TEST(WriteFileAtomically, TheStatusCarriesTheReasonOfAFailure) {
    TempDir dir;
    fs::create_directories(dir / "folder-in-the-way");
    WriteBytes(dir / "plain-file", kOld);
    struct Case {
        const char* path;
        int error;
    };
    for (const Case& c : {Case{"folder-in-the-way", EISDIR}, Case{"missing/f", ENOENT},
                          Case{"plain-file/f", ENOTDIR}}) {
        const solune::FileWriteStatus status =
            solune::WriteFileAtomicallyWithStatus(dir / c.path, kNew);
        EXPECT_FALSE(status.ok()) << c.path;
        EXPECT_EQ(status.error, c.error) << c.path;
    }
    EXPECT_EQ(solune::WriteFileAtomicallyWithStatus(dir / "f", kNew).error, 0);
    EXPECT_EQ(entriesIn(dir.path()), 3);
}

TEST(WriteFileAtomically, AWriteCutShortByAFileSizeLimitSaysSo) {
    TempDir dir;
    const solune::FileWriteStatus status = UnderASmallFileSizeLimit([&] {
        return solune::WriteFileAtomicallyWithStatus(dir / "f", std::vector<std::uint8_t>(5000, 7));
    });
    EXPECT_EQ(status.error, EFBIG);
    EXPECT_FALSE(fs::exists(dir / "f"));
}
