// Saving killed at random points: a child process saves a profile file and the
// whole macro library in a loop, alternating two versions, and is killed with
// SIGKILL 1,000 times at random moments. After each kill the profile file and
// the library folder each hold one complete version, and the next save leaves
// no temporary file or folder behind. Each kill waits at most 3 ms after the
// child's first whole round; every save is flushed to disk, so on a slow or
// busy disk the test stops after 50 seconds with the kills made so far (at
// least 50 must have been made).

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "config/macros/MacroLibrary.h"
#include "config/profiles/DataStream.h"
#include "config/profiles/ProfileFile.h"
#include "tests/support/TempDir.h"

namespace solune {
namespace {

namespace fs = std::filesystem;

constexpr int kKills = 1000;
constexpr int kMaxDelayMicroseconds = 3000;
constexpr auto kTimeBudget = std::chrono::seconds(50);
constexpr int kLeastKills = 50;

// One version of everything saved: a profile and a library.
struct Version {
    Profile profile;
    std::vector<std::u16string> macroNames;
    int rows;
};

Version makeVersion(char16_t letter, int macros, int rows) {
    Version v;
    v.profile.name = std::u16string(u"Profile ") + letter;
    v.profile.macros[0] = ButtonMacro{v.profile.name, 7, std::vector<CMacroEvent>(rows * 10)};
    for (int i = 0; i < macros; ++i) {
        v.macroNames.push_back(std::u16string(1, letter) + char16_t(u'0' + i));
    }
    v.rows = rows;
    return v;
}

std::vector<std::uint8_t> profileBytes(const Profile& profile) {
    DataStream stream;
    WriteProfile(stream, profile);
    return {stream.bytes().begin(), stream.bytes().end()};
}

bool saveVersion(const Version& v, const fs::path& profileFile, const fs::path& macroFolder) {
    MacroLibrary library;
    library.SetMacroFolder(macroFolder);
    std::int32_t id = 16;
    for (const std::u16string& name : v.macroNames) {
        CMacro& macro = library.SelectOrCreateMacro(id++, name, MacroRect{0, 0, 200, 199});
        for (int r = 0; r < v.rows; ++r) {
            macro.AddEvent(kMacroKey, 0x41, static_cast<std::uint8_t>(r % 2), r, kInsertAppend);
        }
    }
    return SaveProfile(v.profile, profileFile) && library.SaveAllMacros() == MacroSaveResult::Saved;
}

// The names and row counts of the library in the folder, as the program loads it.
std::vector<std::pair<std::u16string, std::size_t>> loadedLibrary(const fs::path& macroFolder) {
    MacroLibrary library;
    library.SetMacroFolder(macroFolder);
    library.LoadAllMacros();
    std::vector<std::pair<std::u16string, std::size_t>> out;
    for (const auto& macro : library.macros()) {
        out.emplace_back(macro->name, macro->events.size());
    }
    return out;
}

std::vector<std::pair<std::u16string, std::size_t>> expectedLibrary(const Version& v) {
    std::vector<std::pair<std::u16string, std::size_t>> out;
    for (const std::u16string& name : v.macroNames) {
        out.emplace_back(name, static_cast<std::size_t>(v.rows));
    }
    return out;
}

// Names in `folder` (not below it) that a save leaves only while it runs.
std::vector<std::string> leftovers(const fs::path& folder) {
    std::vector<std::string> out;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.find(".tmp.") != std::string::npos || name.ends_with(".saving") ||
            name.ends_with(".previous")) {
            out.push_back(fs::relative(entry.path(), folder).string());
        }
    }
    return out;
}

// Saves the two versions in turn until killed; writes one byte to `ready`
// once the first round is on disk.
[[noreturn]] void saveForever(const Version& a, const Version& b, const fs::path& profileFile,
                              const fs::path& macroFolder, int ready) {
    for (bool first = true;; first = false) {
        saveVersion(b, profileFile, macroFolder);
        saveVersion(a, profileFile, macroFolder);
        if (first) {
            const char byte = 1;
            (void)!::write(ready, &byte, 1);
        }
    }
}

TEST(CrashSafety, KilledSavesLeaveAWholeVersionAndNoTemporaries) {
    test::TempDir dir;
    const fs::path profileFile = dir / "Profile1.profile";
    const fs::path macroFolder = dir / "Macros";
    const Version a = makeVersion(u'A', 3, 5);
    const Version b = makeVersion(u'B', 5, 9);
    const auto bytesA = profileBytes(a.profile);
    const auto bytesB = profileBytes(b.profile);
    ASSERT_TRUE(saveVersion(a, profileFile, macroFolder));

    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> delay(0, kMaxDelayMicroseconds);
    const auto end = std::chrono::steady_clock::now() + kTimeBudget;
    int kills = 0;
    for (int kill = 0; kill < kKills && std::chrono::steady_clock::now() < end; ++kill) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            saveForever(a, b, profileFile, macroFolder, ready[1]);
        }
        ::close(ready[1]);
        char byte = 0;
        ASSERT_EQ(::read(ready[0], &byte, 1), 1) << "the child saved nothing";
        ::close(ready[0]);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);

        const auto bytes = test::ReadBytes(profileFile);
        ASSERT_TRUE(bytes == bytesA || bytes == bytesB) << "kill " << kill << ": a torn profile";
        const auto library = loadedLibrary(macroFolder);
        ASSERT_TRUE(library == expectedLibrary(a) || library == expectedLibrary(b))
            << "kill " << kill << ": a library of " << library.size() << " macros";

        ASSERT_TRUE(saveVersion(a, profileFile, macroFolder));
        const std::vector<std::string> left = leftovers(dir.path());
        ASSERT_TRUE(left.empty()) << "kill " << kill << ": left " << left.front();
        ++kills;
    }
    RecordProperty("kills", kills);
    EXPECT_GE(kills, kLeastKills);
}

}  // namespace
}  // namespace solune
