#include "platform/SingleInstance.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "tests/support/TempDir.h"

using solune::SingleInstance;

namespace {

constexpr const char* kConfig = "SOLUNE300 Config";
constexpr const char* kUpdater = "W38_SOLUNE420_Firmware_Upadter";

// Every test gets its own runtime folder.
class SingleInstanceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("XDG_RUNTIME_DIR", m_dir.path().c_str(), 1);
        ::setenv("SOLUNE300_RUNTIME_FOLDER", m_dir.path().c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("XDG_RUNTIME_DIR");
        ::unsetenv("SOLUNE300_RUNTIME_FOLDER");
    }

    solune::test::TempDir m_dir;
};

// A child process that takes the instance lock of `name`, says so through a
// pipe, and holds it until its parent closes the other pipe (or kills it).
class HolderProcess {
  public:
    explicit HolderProcess(const char* name, bool crash = false) {
        int ready[2], release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0) {
            return;
        }
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            auto instance = SingleInstance::Acquire(name);
            const char ok = instance ? '1' : '0';
            (void)!::write(ready[1], &ok, 1);
            char done;
            (void)!::read(release[0], &done, 1);
            if (crash) {
                ::_exit(3);  // no destructor runs: the system must drop the lock
            }
            instance.reset();
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        m_release = release[1];
        char ok = '0';
        (void)!::read(ready[0], &ok, 1);
        ::close(ready[0]);
        m_acquired = ok == '1';
    }
    ~HolderProcess() { Finish(); }

    bool acquired() const { return m_acquired; }

    void Finish() {
        if (m_pid > 0) {
            ::close(m_release);
            ::waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }

  private:
    pid_t m_pid = -1;
    int m_release = -1;
    bool m_acquired = false;
};

}  // namespace

TEST_F(SingleInstanceTest, ASecondHolderIsRefusedUntilTheFirstLetsGo) {
    auto first = SingleInstance::Acquire(kConfig);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(SingleInstance::Acquire(kConfig), nullptr);
    EXPECT_NE(SingleInstance::Acquire(kUpdater), nullptr);  // another program's lock is its own
    first.reset();
    EXPECT_NE(SingleInstance::Acquire(kConfig), nullptr);
    EXPECT_TRUE(std::filesystem::exists(SingleInstance::RuntimeFolder() / "SOLUNE300_Config.lock"));
}

TEST_F(SingleInstanceTest, AnotherProcesssLockIsSeenAndRefused) {
    EXPECT_FALSE(SingleInstance::IsHeld(kConfig));
    HolderProcess configProgram(kConfig);
    ASSERT_TRUE(configProgram.acquired());
    EXPECT_TRUE(SingleInstance::IsHeld(kConfig));  // what the updater looks at
    EXPECT_EQ(SingleInstance::Acquire(kConfig), nullptr);
    configProgram.Finish();
    EXPECT_FALSE(SingleInstance::IsHeld(kConfig));
    EXPECT_NE(SingleInstance::Acquire(kConfig), nullptr);
}

TEST_F(SingleInstanceTest, ACrashedHolderDoesNotBlockTheNextStart) {
    HolderProcess crashed(kUpdater, /*crash=*/true);
    ASSERT_TRUE(crashed.acquired());
    crashed.Finish();
    EXPECT_FALSE(SingleInstance::IsHeld(kUpdater));
    EXPECT_NE(SingleInstance::Acquire(kUpdater), nullptr);
}

TEST_F(SingleInstanceTest, ProbingTheLockNeverGetsInTheWayOfAHolder) {
    for (int i = 0; i < 100; ++i) {
        EXPECT_FALSE(SingleInstance::IsHeld(kConfig));
        auto holder = SingleInstance::Acquire(kConfig);
        ASSERT_NE(holder, nullptr) << i;
        EXPECT_TRUE(SingleInstance::IsHeld(kConfig));
    }
}

TEST_F(SingleInstanceTest, ASecondStartAsksTheFirstToShowItself) {
    EXPECT_FALSE(SingleInstance::AskToShow(kConfig));  // nothing runs
    auto first = SingleInstance::Acquire(kConfig);
    ASSERT_NE(first, nullptr);
    ASSERT_GE(first->RequestDescriptor(), 0);
    EXPECT_EQ(first->TakeShowRequests(), 0);
    EXPECT_TRUE(SingleInstance::AskToShow(kConfig));
    EXPECT_TRUE(SingleInstance::AskToShow(kConfig));
    EXPECT_EQ(first->TakeShowRequests(), 2);
    EXPECT_EQ(first->TakeShowRequests(), 0);
}

TEST_F(SingleInstanceTest, AStaleSocketIsReplacedByTheNextHolder) {
    const auto socket = SingleInstance::RuntimeFolder() / "SOLUNE300_Config.sock";
    solune::test::WriteText(socket, "left behind");
    EXPECT_FALSE(SingleInstance::AskToShow(kConfig));
    auto holder = SingleInstance::Acquire(kConfig);
    ASSERT_NE(holder, nullptr);
    EXPECT_TRUE(SingleInstance::AskToShow(kConfig));
    EXPECT_EQ(holder->TakeShowRequests(), 1);
}

// The per-user folder that holds the locks when no test folder is chosen.
std::filesystem::path userRuntimeFolder() {
    const std::string uid = std::to_string(::getuid());
    struct stat st {};
    const std::string session = "/run/user/" + uid;
    if (::lstat(session.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
        (st.st_mode & 022) == 0) {
        return session + "/solune300";
    }
    return "/tmp/solune300-" + uid;
}

// Without XDG_RUNTIME_DIR and with TMPDIR naming a missing folder, the lock
// still works (in the per-user folder) instead of ending the program.
TEST(SingleInstanceFolder, AMissingTemporaryFolderDoesNotEndTheProgram) {
    const char* oldTmp = std::getenv("TMPDIR");
    const std::string savedTmp = oldTmp != nullptr ? oldTmp : "";
    ::unsetenv("XDG_RUNTIME_DIR");
    ::unsetenv("SOLUNE300_RUNTIME_FOLDER");
    ::setenv("TMPDIR", "/nonexistent/solune-missing-tmp", 1);
    std::filesystem::path folder;
    EXPECT_NO_THROW(folder = SingleInstance::RuntimeFolder());
    EXPECT_EQ(folder, userRuntimeFolder());
    oldTmp != nullptr ? ::setenv("TMPDIR", savedTmp.c_str(), 1) : ::unsetenv("TMPDIR");
}

// The folder is the user's, whatever XDG_RUNTIME_DIR says.
TEST(SingleInstanceFolder, DoesNotDependOnTheRuntimeFolderOfTheSession) {
    solune::test::TempDir one;
    solune::test::TempDir other;
    ::unsetenv("SOLUNE300_RUNTIME_FOLDER");
    ::setenv("XDG_RUNTIME_DIR", one.path().c_str(), 1);
    const std::filesystem::path first = SingleInstance::RuntimeFolder();
    ::setenv("XDG_RUNTIME_DIR", other.path().c_str(), 1);
    EXPECT_EQ(SingleInstance::RuntimeFolder(), first);
    EXPECT_EQ(first, userRuntimeFolder());
    ::unsetenv("XDG_RUNTIME_DIR");
}

// The updater sees a configuration program of the same user that was started
// with another XDG_RUNTIME_DIR (a desktop session and a terminal, or sudo).
TEST_F(SingleInstanceTest, AHolderIsSeenFromAnotherSessionsRuntimeFolder) {
    solune::test::TempDir holderSession;
    solune::test::TempDir updaterSession;
    ::setenv("XDG_RUNTIME_DIR", holderSession.path().c_str(), 1);
    HolderProcess holder(kConfig);
    ASSERT_TRUE(holder.acquired());
    ::setenv("XDG_RUNTIME_DIR", updaterSession.path().c_str(), 1);
    EXPECT_TRUE(SingleInstance::IsHeld(kConfig));
    EXPECT_EQ(SingleInstance::Acquire(kConfig), nullptr);
}
