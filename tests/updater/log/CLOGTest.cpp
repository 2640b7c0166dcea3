#include "updater/log/CLOG.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

namespace solune {
namespace {

using test::TempDir;

std::string readText(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = test::ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

// A log whose entries are stamped with the times of a script, one per entry.
struct ScriptedLog {
    explicit ScriptedLog(std::vector<LocalTime> times)
        : m_times(std::move(times)), log([this] { return m_times.at(m_next++); }) {}
    std::vector<LocalTime> m_times;
    std::size_t m_next = 0;
    CLOG log;
};

struct Entry {
    LocalTime time;
    std::string tag;  // empty: Write, else WriteTagged
    std::string message;
};

struct LogCase {
    const char* name;
    std::string ownTag;
    std::vector<Entry> entries;
    std::string expected;
};

void PrintTo(const LogCase& c, std::ostream* os) {
    *os << c.name;
}

class CLOGFormat : public ::testing::TestWithParam<LogCase> {};

TEST_P(CLOGFormat, WritesTheExactBytes) {
    const LogCase& c = GetParam();
    TempDir dir;
    std::vector<LocalTime> times;
    for (const Entry& e : c.entries) {
        times.push_back(e.time);
    }
    ScriptedLog scripted(times);
    scripted.log.SetFilePath(dir / "SOLUNELog.log");
    scripted.log.SetOwnTag(c.ownTag);
    for (const Entry& e : c.entries) {
        const int result = e.tag.empty() ? scripted.log.Write(e.message)
                                         : scripted.log.WriteTagged(e.tag, e.message);
        EXPECT_EQ(result, 1);
    }
    EXPECT_EQ(readText(dir / "SOLUNELog.log"), c.expected);
}

const LocalTime k080503045{7, 9, 8, 5, 3, 45};

INSTANTIATE_TEST_SUITE_P(
    Lines, CLOGFormat,
    ::testing::Values(
        LogCase{"FirstEntryShowsMinusTheTimeOfDayAndBlankPaddedFields",
                "",
                {{k080503045, "", "the firmware file is incorrect"},
                 {{7, 9, 8, 5, 3, 295}, "the fub firmware file name is:", "MOUSE_1.08.fub"}},
                "\r\n[ 7- 9  8: 5: 3. 45],[-29103045],the firmware file is incorrect"
                "\r\n[ 7- 9  8: 5: 3.295],[-250],[the fub firmware file name is:]MOUSE_1.08.fub"},
        LogCase{"SameMillisecondHasNoDifferenceField",
                "",
                {{k080503045, "", "HC_OK"}, {k080503045, "", "HC_OK"}},
                "\r\n[ 7- 9  8: 5: 3. 45],[-29103045],HC_OK\r\n[ 7- 9  8: 5: 3. 45],HC_OK"},
        LogCase{"AcrossAnHourBoundary",
                "",
                {{{12, 31, 8, 59, 59, 900}, "", "a"}, {{12, 31, 9, 0, 0, 100}, "", "b"}},
                "\r\n[12-31  8:59:59.900],[-32399900],a\r\n[12-31  9: 0: 0.100],[-200],b"},
        LogCase{"TimeGoingBackShowsAPositiveDifference",
                "",
                {{{1, 1, 0, 0, 1, 0}, "", "a"}, {{1, 1, 0, 0, 0, 500}, "", "b"}},
                "\r\n[ 1- 1  0: 0: 1.  0],[-1000],a\r\n[ 1- 1  0: 0: 0.500],[500],b"},
        LogCase{"MidnightFirstEntryEqualsTheStartValue",
                "",
                {{{1, 1, 0, 0, 0, 0}, "", "a"}},
                "\r\n[ 1- 1  0: 0: 0.  0],a"},
        LogCase{"OwnTagComesFirstAndEmptyCallTagIsLeftOut",
                "W38",
                {{k080503045, "", "x"}},
                "\r\n[W38][ 7- 9  8: 5: 3. 45],[-29103045],x"},
        LogCase{"BlanksOfTheMessagesAreKept",
                "",
                {{k080503045, "", " Send_bl_complete failed "}},
                "\r\n[ 7- 9  8: 5: 3. 45],[-29103045], Send_bl_complete failed "},
        // Text from outside (package fields, file names, device strings)
        // never starts a line of its own or moves a terminal's cursor.
        LogCase{"LineBreaksInsideAMessageAreEscaped",
                "",
                {{k080503045, "", "one\ntwo\r\n"}},
                "\r\n[ 7- 9  8: 5: 3. 45],[-29103045],one\\x0Atwo\\x0D\\x0A"},
        LogCase{"ControlCharactersOfTagsAndMessagesAreEscaped",
                "own\ttag",
                {{k080503045, "the fub firmware file name is:\x1b[2J", "X1.08;#\x7f\x01"}},
                "\r\n[own\\x09tag][ 7- 9  8: 5: 3. 45],[-29103045],"
                "[the fub firmware file name is:\\x1B[2J]X1.08;#\\x7F\\x01"},
        LogCase{"PercentSignsAreNotFormatted",
                "",
                {{k080503045, "%s%d", "100%s"}},
                "\r\n[ 7- 9  8: 5: 3. 45],[-29103045],[%s%d]100%s"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CLOG, AppendsToEarlierRunsWithoutShorteningTheFile) {
    TempDir dir;
    test::WriteText(dir / "SOLUNELog.log", "\r\nearlier run");
    ScriptedLog scripted({k080503045});
    scripted.log.SetFilePath(dir / "SOLUNELog.log");
    scripted.log.Write("next");
    EXPECT_EQ(readText(dir / "SOLUNELog.log"),
              "\r\nearlier run\r\n[ 7- 9  8: 5: 3. 45],[-29103045],next");
}

TEST(CLOG, UnopenableFileLosesTheEntryAndReleasesTheLock) {
    TempDir dir;
    ScriptedLog scripted({k080503045, {7, 9, 8, 5, 4, 0}, {7, 9, 8, 5, 5, 0}});
    scripted.log.SetFilePath(dir / "missing" / "SOLUNELog.log");
    EXPECT_EQ(scripted.log.Write("lost"), 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));

    // A second log object takes the same lock; it would block forever if the
    // failed write had kept it.
    ScriptedLog other({k080503045});
    other.log.SetFilePath(dir / "SOLUNELog.log");
    other.log.Write("kept");
    EXPECT_EQ(readText(dir / "SOLUNELog.log"), "\r\n[ 7- 9  8: 5: 3. 45],[-29103045],kept");
}

// A pipe (with or without a reader) or a folder in place of the log file
// loses the entry at once instead of blocking the writer.
TEST(CLOG, APipeOrFolderInPlaceOfTheFileLosesTheEntryWithoutBlocking) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "SOLUNELog.log").c_str(), 0600), 0);
    const int reader = ::open((dir / "SOLUNELog.log").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    ScriptedLog scripted({k080503045, k080503045});
    scripted.log.SetFilePath(dir / "SOLUNELog.log");
    EXPECT_EQ(scripted.log.Write("lost with a reader"), 1);
    char byte = 0;
    EXPECT_LE(::read(reader, &byte, 1), 0) << "nothing reached the pipe";
    ::close(reader);
    EXPECT_EQ(scripted.log.Write("lost without a reader"), 1);
    std::filesystem::create_directory(dir / "folder.log");
    scripted.log.SetFilePath(dir / "folder.log");
    EXPECT_EQ(scripted.log.Write("lost"), 1);
}

TEST(CLOG, EmptyPathLosesEveryEntry) {
    CLOG log([] { return k080503045; });
    EXPECT_EQ(log.Write("nowhere"), 1);
    EXPECT_EQ(log.WriteTagged("tag", "nowhere"), 1);
}

TEST(CLOG, UpdaterLogFileLivesUnderTheUserDataFolderAndItsFoldersAreCreated) {
    TempDir dir;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    CLOG log([] { return k080503045; });
    UseUpdaterLogFile(log);
    log.Write("first");
    if (old) {
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
    const std::filesystem::path expected = dir / "Dravik/SOLUNE300/Log/SOLUNELog.log";
    EXPECT_EQ(log.FilePath(), expected);
    EXPECT_EQ(readText(expected), "\r\n[ 7- 9  8: 5: 3. 45],[-29103045],first");
}

unsigned modeOf(const std::filesystem::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 07777;
}

// A data folder whose log and lock are links planted there: one to a file
// outside, one to a file that does not exist yet.
struct PlantedLinks {
    PlantedLinks() {
        std::filesystem::create_directories(root / "Log");
        std::filesystem::create_directories(dir / "outside");
        test::WriteText(victim, "#!/bin/sh\n");
        std::filesystem::create_symlink(victim, root / "Log/SOLUNELog.log");
        std::filesystem::create_symlink(madeByLock, root / "Log/MouseLogWrite.lock");
    }
    void WriteEntry() const {
        CLOG log([] { return k080503045; });
        log.SetFilePath(root, kLogFileInDataFolder);
        log.WriteTagged("the fub firmware file name is:", "X1.08;touch PWNED;#");
    }
    void ExpectNothingOutsideChanged() const {
        EXPECT_EQ(readText(victim), "#!/bin/sh\n");
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(madeByLock)));
    }
    TempDir dir;
    const std::filesystem::path root = dir / "config/Dravik/SOLUNE300";
    const std::filesystem::path victim = dir / "outside/.bashrc";
    const std::filesystem::path madeByLock = dir / "outside/made-by-lock";
};

// The log never appends to what a link at its name points to, and its lock
// never makes the file that a dangling link names.
TEST(CLOG, LinksAtTheLogAndItsLockAreNeverFollowed) {
    const PlantedLinks planted;
    planted.WriteEntry();
    planted.ExpectNothingOutsideChanged();
}

// Run as root with a user's data folder (as "sudo -E" leaves XDG_CONFIG_HOME),
// the user's links lead nowhere: the folder is not root's, so it is not used.
TEST(CLOG, AnotherUsersLogFolderIsNotUsed) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give the folder to another user";
    }
    const PlantedLinks planted;
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(planted.dir / "config")) {
        ASSERT_EQ(::lchown(entry.path().c_str(), 65534, 65534), 0);
    }
    ASSERT_EQ(::lchown((planted.dir / "config").c_str(), 65534, 65534), 0);
    planted.WriteEntry();
    planted.ExpectNothingOutsideChanged();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(planted.root / "Log"),
                            std::filesystem::directory_iterator()),
              2)
        << "nothing of root's was left in the user's folder";
}

TEST(CLOG, TheLogItsLockAndTheirFoldersArePrivate) {
    TempDir dir;
    const std::filesystem::path root = dir / "config/Dravik/SOLUNE300";
    const mode_t oldMask = ::umask(022);
    CLOG log([] { return k080503045; });
    log.SetFilePath(root, kLogFileInDataFolder);
    log.Write("first");
    ::umask(oldMask);
    EXPECT_EQ(readText(root / "Log/SOLUNELog.log"), "\r\n[ 7- 9  8: 5: 3. 45],[-29103045],first");
    EXPECT_EQ(modeOf(root), 0700u);
    EXPECT_EQ(modeOf(root / "Log"), 0700u);
    EXPECT_EQ(modeOf(root / "Log/SOLUNELog.log"), 0600u);
    EXPECT_EQ(modeOf(root / "Log/MouseLogWrite.lock"), 0600u);
}

}  // namespace
}  // namespace solune
