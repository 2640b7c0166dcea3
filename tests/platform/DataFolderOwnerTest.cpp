#include "platform/DataFolderOwner.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using solune::DataFolderOwnerProblem;
using solune::test::TempDir;

namespace {

constexpr uid_t kOtherUser = 65534;

std::string nameOf(uid_t uid) {
    const passwd* pw = ::getpwuid(uid);
    return pw != nullptr ? pw->pw_name : std::to_string(uid);
}

}  // namespace

TEST(DataFolderOwner, TheUsersOwnFolderOrOneNotMadeYetIsFine) {
    TempDir dir;
    EXPECT_EQ(DataFolderOwnerProblem(dir / "config/Dravik/SOLUNE300", "VESK"), "");
    fs::create_directories(dir / "config/Dravik/SOLUNE300");
    EXPECT_EQ(DataFolderOwnerProblem(dir / "config/Dravik/SOLUNE300", "VESK"), "");
    EXPECT_EQ(DataFolderOwnerProblem("", "VESK"), "");
}

// Run as root with another user's folder (as "sudo -E" leaves XDG_CONFIG_HOME):
// one line that names the folder, both users and what to do.
TEST(DataFolderOwner, AnotherUsersFolderIsNamedInOneLine) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give a folder to another user";
    }
    TempDir dir;
    const fs::path data = dir / "config/Dravik/SOLUNE300";
    fs::create_directories(data);
    ASSERT_EQ(::chown((dir / "config").c_str(), kOtherUser, kOtherUser), 0);
    const std::string other = nameOf(kOtherUser);
    const std::string self = nameOf(0);
    // Not made yet: the folder where it would be made is the one that counts.
    const fs::path missing = dir / "config/Other/SOLUNE300";
    EXPECT_EQ(DataFolderOwnerProblem(missing, "W38Updater"),
              "W38Updater: the folder " + (dir / "config").string() + ", where the data folder " +
                  missing.string() + " would be made, belongs to user " + other + ", not to " +
                  self + "; run W38Updater as " + other + ".");
    EXPECT_EQ(DataFolderOwnerProblem(data, "VESK"), "");
    ASSERT_EQ(::chown(data.c_str(), kOtherUser, kOtherUser), 0);
    EXPECT_EQ(DataFolderOwnerProblem(data, "VESK"), "VESK: the data folder " + data.string() +
                                                        " belongs to user " + other + ", not to " +
                                                        self + "; run VESK as " + other + ".");
}
