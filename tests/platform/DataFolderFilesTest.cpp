#include "platform/DataFolderFiles.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using solune::FileReadResult;
using solune::test::ReadBytes;
using solune::test::TempDir;
using solune::test::WriteBytes;

namespace {

const std::vector<std::uint8_t> kNew{1, 2, 3, 4};
const std::vector<std::uint8_t> kOld{9, 9};
constexpr uid_t kOtherUser = 65534;  // "nobody"

unsigned modeOf(const fs::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 07777;
}

// A data folder below a test folder, and a folder outside it that links may
// point to; the outside file must never change.
class DataFolderFilesTest : public ::testing::Test {
  protected:
    DataFolderFilesTest() {
        fs::create_directories(m_root);
        fs::create_directories(m_outside);
        WriteBytes(m_outsideFile, kOld);
    }

    FileReadResult read(const fs::path& relative, std::vector<std::uint8_t>& bytes) const {
        return solune::ReadDataFile(m_root, relative, 1024, bytes);
    }
    FileReadResult replace(const fs::path& relative) const {
        return solune::ReplaceDataFile(m_root, relative, kNew);
    }

    TempDir m_dir;
    const fs::path m_root = m_dir / "config/Dravik/SOLUNE300";
    const fs::path m_outside = m_dir / "outside";
    const fs::path m_outsideFile = m_outside / "victim";
};

void skipUnlessRoot() {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give files to another user";
    }
}

}  // namespace

TEST_F(DataFolderFilesTest, ReadsAndReplacesTheUsersOwnFiles) {
    ASSERT_EQ(replace("Profiles/Default1.profile"), FileReadResult::Done);
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(read("Profiles/Default1.profile", bytes), FileReadResult::Done);
    EXPECT_EQ(bytes, kNew);
    EXPECT_EQ(read("Profiles/Default2.profile", bytes), FileReadResult::CannotOpen);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(read("Profiles", bytes), FileReadResult::NotRegularFile);
}

// A link inside the data folder, to a file or to a folder, is never followed:
// reading refuses it, and nothing is written where it points.
TEST_F(DataFolderFilesTest, NeverFollowsALinkInsideTheDataFolder) {
    fs::create_directories(m_root / "Profiles");
    fs::create_symlink(m_outsideFile, m_root / "Profiles/Default1.profile");
    fs::create_symlink(m_outside, m_root / "Macros");
    WriteBytes(m_outside / "macroList.dat", kOld);
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(read("Profiles/Default1.profile", bytes), FileReadResult::Link);
    EXPECT_EQ(read("Macros/macroList.dat", bytes), FileReadResult::Link);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(replace("Macros/macroList.dat"), FileReadResult::Link);
    EXPECT_EQ(ReadBytes(m_outside / "macroList.dat"), kOld);
    int fd = -1;
    EXPECT_EQ(solune::OpenDataFileForAppend(m_root, "Macros/x.log", fd), FileReadResult::Link);
    EXPECT_EQ(fd, -1);
    EXPECT_FALSE(fs::exists(m_outside / "x.log"));
}

// A save replaces a link at its name by the file itself: the link's target
// keeps its contents, and the next read finds what was saved.
TEST_F(DataFolderFilesTest, ASaveReplacesALinkAtItsNameAndLeavesItsTargetAlone) {
    fs::create_directories(m_root / "Profiles");
    fs::create_symlink(m_outsideFile, m_root / "Profiles/Default1.profile");
    ASSERT_EQ(replace("Profiles/Default1.profile"), FileReadResult::Done);
    EXPECT_EQ(ReadBytes(m_outsideFile), kOld);
    EXPECT_FALSE(fs::is_symlink(m_root / "Profiles/Default1.profile"));
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(read("Profiles/Default1.profile", bytes), FileReadResult::Done);
    EXPECT_EQ(bytes, kNew);
}

// The log and its lock: a link there, to a file or to nothing yet, gives no
// descriptor and makes nothing where it points.
TEST_F(DataFolderFilesTest, AppendAndLockRefuseLinksDanglingOrNot) {
    fs::create_directories(m_root / "Log");
    fs::create_symlink(m_outsideFile, m_root / "Log/SOLUNELog.log");
    fs::create_symlink(m_outside / "made-by-lock", m_root / "Log/MouseLogWrite.lock");
    int fd = -1;
    EXPECT_EQ(solune::OpenDataFileForAppend(m_root, "Log/SOLUNELog.log", fd), FileReadResult::Link);
    EXPECT_EQ(solune::OpenDataLockFile(m_root, "Log/MouseLogWrite.lock", fd), FileReadResult::Link);
    EXPECT_EQ(fd, -1);
    EXPECT_EQ(ReadBytes(m_outsideFile), kOld);
    EXPECT_FALSE(fs::exists(fs::symlink_status(m_outside / "made-by-lock")));
}

// The root itself may be reached through links (a user's ~/.config may be one).
TEST_F(DataFolderFilesTest, FollowsTheLinksThatLeadToTheRoot) {
    fs::create_symlink(m_dir / "config", m_dir / "linked-config");
    const fs::path root = m_dir / "linked-config/Dravik/SOLUNE300";
    ASSERT_EQ(solune::ReplaceDataFile(root, "Profiles/Default1.profile", kNew),
              FileReadResult::Done);
    EXPECT_EQ(ReadBytes(m_root / "Profiles/Default1.profile"), kNew);
}

TEST_F(DataFolderFilesTest, RefusesPathsThatLeaveTheDataFolder) {
    WriteBytes(m_dir / "config/Dravik/escape", kOld);
    std::vector<std::uint8_t> bytes;
    for (const char* relative : {"../escape", "Profiles/../../escape", "/etc/passwd", ""}) {
        EXPECT_EQ(read(relative, bytes), FileReadResult::CannotOpen) << relative;
        EXPECT_EQ(replace(relative), FileReadResult::CannotOpen) << relative;
    }
    EXPECT_EQ(ReadBytes(m_dir / "config/Dravik/escape"), kOld);
}

// Folders made on the way are 0700 and files 0600, whatever the umask allows;
// a replaced file becomes 0600, and the folders used lose group and other
// permissions they had.
TEST_F(DataFolderFilesTest, KeepsFoldersAndFilesPrivate) {
    const mode_t oldMask = ::umask(022);
    fs::remove_all(m_dir / "config");
    ASSERT_EQ(replace("Profiles/Default1.profile"), FileReadResult::Done);
    int fd = -1;
    ASSERT_EQ(solune::OpenDataFileForAppend(m_root, "Log/SOLUNELog.log", fd), FileReadResult::Done);
    ::close(fd);
    for (const fs::path& folder :
         {m_dir / "config", m_dir / "config/Dravik", m_root, m_root / "Profiles", m_root / "Log"}) {
        EXPECT_EQ(modeOf(folder), 0700u) << folder;
    }
    EXPECT_EQ(modeOf(m_root / "Profiles/Default1.profile"), 0600u);
    EXPECT_EQ(modeOf(m_root / "Log/SOLUNELog.log"), 0600u);

    ::chmod(m_root.c_str(), 0755);
    ::chmod((m_root / "Profiles").c_str(), 0755);
    ::chmod((m_root / "Profiles/Default1.profile").c_str(), 0644);
    ASSERT_EQ(replace("Profiles/Default1.profile"), FileReadResult::Done);
    EXPECT_EQ(modeOf(m_root), 0700u);
    EXPECT_EQ(modeOf(m_root / "Profiles"), 0700u);
    EXPECT_EQ(modeOf(m_root / "Profiles/Default1.profile"), 0600u);
    ::umask(oldMask);
}

TEST_F(DataFolderFilesTest, KeepsTheOldFileWhenTheNewOneCannotBeWritten) {
    ASSERT_EQ(replace("Profiles/Default1.profile"), FileReadResult::Done);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 1000;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const FileReadResult result = solune::ReplaceDataFile(m_root, "Profiles/Default1.profile",
                                                          std::vector<std::uint8_t>(5000, 7));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(result, FileReadResult::WriteFailed);
    EXPECT_EQ(ReadBytes(m_root / "Profiles/Default1.profile"), kNew);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_root / "Profiles"), fs::directory_iterator()),
              1);
}

// The macro library's folder swap: the staged folder and the live one change
// places in one step, and the old one is removed without following its links.
TEST_F(DataFolderFilesTest, ExchangesAStagedFolderAndRemovesTheOldOne) {
    ASSERT_EQ(replace("Macros/macroList.dat"), FileReadResult::Done);
    ASSERT_EQ(solune::MakeDataFolders(m_root, "Macros.saving"), FileReadResult::Done);
    WriteBytes(m_root / "Macros.saving/macroList.dat", kOld);
    fs::create_symlink(m_outside, m_root / "Macros/linked");
    ASSERT_EQ(solune::ExchangeDataEntries(m_root, "Macros.saving", "Macros"), FileReadResult::Done);
    EXPECT_EQ(ReadBytes(m_root / "Macros/macroList.dat"), kOld);
    EXPECT_EQ(solune::RemoveDataTree(m_root, "Macros.saving"), FileReadResult::Done);
    EXPECT_FALSE(fs::exists(m_root / "Macros.saving"));
    EXPECT_EQ(ReadBytes(m_outsideFile), kOld);
    EXPECT_EQ(solune::RemoveDataTree(m_root, "Macros.saving"), FileReadResult::Done);
    EXPECT_EQ(solune::ExchangeDataEntries(m_root, "Macros.saving", "Macros"),
              FileReadResult::CannotOpen);
}

// Files and folders of another user are refused: the data folder itself, a
// folder in it, a file in it (read, replaced, appended to).
TEST_F(DataFolderFilesTest, RefusesWhatBelongsToAnotherUser) {
    skipUnlessRoot();
    ASSERT_EQ(replace("Profiles/Default1.profile"), FileReadResult::Done);
    ASSERT_EQ(replace("Log/SOLUNELog.log"), FileReadResult::Done);
    ASSERT_EQ(::chown((m_root / "Profiles/Default1.profile").c_str(), kOtherUser, kOtherUser), 0);
    ASSERT_EQ(::chown((m_root / "Log").c_str(), kOtherUser, kOtherUser), 0);
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(read("Profiles/Default1.profile", bytes), FileReadResult::ForeignOwner);
    EXPECT_EQ(replace("Profiles/Default1.profile"), FileReadResult::ForeignOwner);
    EXPECT_EQ(ReadBytes(m_root / "Profiles/Default1.profile"), kNew);
    int fd = -1;
    EXPECT_EQ(solune::OpenDataFileForAppend(m_root, "Log/SOLUNELog.log", fd),
              FileReadResult::ForeignOwner);
    ASSERT_EQ(::chown(m_root.c_str(), kOtherUser, kOtherUser), 0);
    EXPECT_EQ(replace("Profiles/Default2.profile"), FileReadResult::ForeignOwner);
    EXPECT_FALSE(fs::exists(m_root / "Profiles/Default2.profile"));
}
