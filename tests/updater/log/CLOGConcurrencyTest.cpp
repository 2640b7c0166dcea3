// Entries written at once by several threads and processes: none is lost, none
// is torn or interleaved with another.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/NamedLock.h"
#include "tests/support/TempDir.h"
#include "updater/log/CLOG.h"

namespace solune {
namespace {

using test::TempDir;

constexpr int kEntries = 400;
// A long message makes a torn or interleaved write visible.
const std::string kPadding(300, 'x');

// Stamps entries with a time that moves on by one millisecond per call.
LocalTimeSource steppingTime() {
    auto ms = std::make_shared<std::atomic<int>>(0);
    return [ms] {
        const int t = (*ms)++;
        return LocalTime{1, 2, 3, 4, (t / 1000) % 60, t % 1000};
    };
}

void writeEntries(CLOG& log, const std::string& writer) {
    for (int i = 0; i < kEntries; ++i) {
        log.WriteTagged(writer, std::to_string(i) + kPadding);
    }
}

// Checks that the file holds exactly kEntries well-formed entries of each writer,
// each writer's entries in order.
void expectWholeEntries(const std::filesystem::path& path,
                        const std::vector<std::string>& writers) {
    const std::vector<std::uint8_t> bytes = test::ReadBytes(path);
    const std::string text(bytes.begin(), bytes.end());
    ASSERT_EQ(text.rfind("\r\n", 0), 0u);
    const std::regex line(
        R"(\[ 1- 2  3: 4:[ \d]\d\.[ \d]{2}\d\],(\[-?\d+\],)?\[(\w+)\](\d+)x{300})");
    std::map<std::string, int> next;
    std::size_t start = 2;
    int total = 0;
    while (start <= text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string entry = text.substr(start, end - start);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(entry, m, line)) << "torn entry: " << entry;
        EXPECT_EQ(std::stoi(m[3].str()), next[m[2].str()]++) << "entry out of order";
        ++total;
        start = end + 2;
    }
    EXPECT_EQ(total, kEntries * static_cast<int>(writers.size()));
    for (const std::string& w : writers) {
        EXPECT_EQ(next[w], kEntries) << w;
    }
}

TEST(CLOGConcurrency, TwoThreadsSharingOneLogLoseAndTearNothing) {
    TempDir dir;
    CLOG log(steppingTime());
    log.SetFilePath(dir / "SOLUNELog.log");
    std::thread window([&] { writeEntries(log, "window"); });
    std::thread worker([&] { writeEntries(log, "worker"); });
    window.join();
    worker.join();
    expectWholeEntries(dir / "SOLUNELog.log", {"window", "worker"});
}

// The first entry of a fresh log makes its lock: two threads writing their
// first entries at the same moment must share one lock, many times over.
TEST(CLOGConcurrency, TwoThreadsWritingTheFirstEntriesAtOnceShareOneLock) {
    TempDir dir;
    const std::filesystem::path path = dir / "SOLUNELog.log";
    constexpr int kRounds = 300;
    for (int round = 0; round < kRounds; ++round) {
        CLOG log(steppingTime());
        log.SetFilePath(path);
        std::atomic<int> ready{0};
        auto firstEntry = [&](const char* writer) {
            ready.fetch_add(1);
            while (ready.load() < 2) {
                std::this_thread::yield();
            }
            log.WriteTagged(writer, kPadding);
        };
        std::thread window(firstEntry, "window");
        std::thread worker(firstEntry, "worker");
        window.join();
        worker.join();
    }
    const std::vector<std::uint8_t> bytes = test::ReadBytes(path);
    const std::string text(bytes.begin(), bytes.end());
    std::size_t entries = 0;
    for (std::size_t at = text.find(kPadding); at != std::string::npos;
         at = text.find(kPadding, at + kPadding.size())) {
        ++entries;
    }
    EXPECT_EQ(entries, 2u * kRounds);
}

TEST(CLOGConcurrency, ThreadsWithTheirOwnLogObjectsLoseAndTearNothing) {
    TempDir dir;
    std::vector<std::string> names = {"a", "b", "c"};
    std::vector<std::thread> threads;
    for (const std::string& name : names) {
        threads.emplace_back([&, name] {
            CLOG log(steppingTime());
            log.SetFilePath(dir / "SOLUNELog.log");
            writeEntries(log, name);
        });
    }
    for (std::thread& t : threads) {
        t.join();
    }
    expectWholeEntries(dir / "SOLUNELog.log", names);
}

TEST(CLOGConcurrency, TwoProcessesLoseAndTearNothing) {
    TempDir dir;
    const std::filesystem::path path = dir / "SOLUNELog.log";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        CLOG log(steppingTime());
        log.SetFilePath(path);
        writeEntries(log, "child");
        ::_exit(0);
    }
    CLOG log(steppingTime());
    log.SetFilePath(path);
    writeEntries(log, "parent");
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    expectWholeEntries(path, {"child", "parent"});
}

TEST(NamedLock, HeldLockKeepsOtherProcessesOut) {
    TempDir dir;
    const std::filesystem::path lockFile = dir / "MouseLogWrite.lock";
    int toParent[2];
    int toChild[2];
    ASSERT_EQ(::pipe(toParent), 0);
    ASSERT_EQ(::pipe(toChild), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        NamedLock lock("MouseLogWrite", lockFile);
        lock.Acquire();
        char c = 'h';
        (void)!::write(toParent[1], &c, 1);
        (void)!::read(toChild[0], &c, 1);  // hold until the parent has looked
        lock.Release();
        (void)!::write(toParent[1], &c, 1);
        (void)!::read(toChild[0], &c, 1);
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(toParent[0], &c, 1), 1);
    const int fd = ::open(lockFile.c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    EXPECT_NE(::flock(fd, LOCK_EX | LOCK_NB), 0) << "the child holds the lock";
    (void)!::write(toChild[1], &c, 1);
    ASSERT_EQ(::read(toParent[0], &c, 1), 1);
    EXPECT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0) << "released by the child";
    ::flock(fd, LOCK_UN);
    (void)!::write(toChild[1], &c, 1);
    ::close(fd);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace solune
