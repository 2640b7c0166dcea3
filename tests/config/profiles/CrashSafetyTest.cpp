// Saving killed at random points: a child process saves a profile file and the
// macro library in a loop, alternating two versions, and is killed with
// SIGKILL at random moments (1,000 times with a small library, 100 times with
// one of 2,000 macros). After each kill the profile file holds one complete
// version and the library loads every macro once, each in one of its two
// versions, and the next save leaves no temporary file or folder behind. Each
// kill waits at most 3 ms after the child's first whole round; every save is flushed to disk, so on a slow or
// busy disk the test makes its first 50 kills whatever they take and then
// stops once 50 seconds have gone by.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
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
constexpr int kLargeLibraryKills = 100;
constexpr int kMaxDelayMicroseconds = 3000;
constexpr auto kTimeBudget = std::chrono::seconds(50);
constexpr int kLeastKills = 50;

// Two versions of one library: the first `changed` macros differ between them
// in name and row count (so a save renames and rewrites them); the others are
// the same in both and are never written again.
struct LibraryShape {
    int macros;
    int changed;
};

struct MacroForm {
    std::u16string name;
    std::size_t rows;
    bool operator==(const MacroForm&) const = default;
};

MacroForm formOf(const LibraryShape& shape, int i, int version) {
    const std::string number = std::to_string(i);
    std::u16string name = u"M" + std::u16string(number.begin(), number.end());
    if (i < shape.changed && version == 1) {
        return {name + u" b", 9};
    }
    return {name, i < shape.changed ? 5u : 3u};
}

// Puts the library into `version`, editing the macros in place as a user does.
void setVersion(MacroLibrary& library, const LibraryShape& shape, int version) {
    for (int i = 0; i < shape.macros; ++i) {
        CMacro& macro = library.SelectOrCreateMacro(16 + i, u"", MacroRect{0, 0, 200, 199});
        const MacroForm form = formOf(shape, i, version);
        macro.name = form.name;
        while (macro.events.size() > form.rows) {
            macro.events.pop_back();
        }
        while (macro.events.size() < form.rows) {
            const auto r = static_cast<std::int32_t>(macro.events.size());
            macro.AddEvent(kMacroKey, 0x41, static_cast<std::uint8_t>(r % 2), r, kInsertAppend);
        }
    }
}

// The library in the folder as the program loads it: macro id -> its form.
std::map<std::int32_t, std::vector<MacroForm>> loadedLibrary(const fs::path& macroFolder) {
    MacroLibrary library;
    library.SetMacroFolder(macroFolder);
    library.LoadAllMacros();
    std::map<std::int32_t, std::vector<MacroForm>> out;
    for (const auto& macro : library.macros()) {
        out[macro->id].push_back({macro->name, macro->events.size()});
    }
    return out;
}

// Each macro of the shape once, in one of its two forms, and nothing else.
std::string libraryFault(const LibraryShape& shape, const fs::path& macroFolder) {
    const auto loaded = loadedLibrary(macroFolder);
    if (loaded.size() != static_cast<std::size_t>(shape.macros)) {
        return std::to_string(loaded.size()) + " macros";
    }
    for (int i = 0; i < shape.macros; ++i) {
        auto it = loaded.find(16 + i);
        if (it == loaded.end() || it->second.size() != 1) {
            return "macro " + std::to_string(i) + " lost or doubled";
        }
        const MacroForm& form = it->second.front();
        if (!(form == formOf(shape, i, 0)) && !(form == formOf(shape, i, 1))) {
            return "macro " + std::to_string(i) + " torn";
        }
    }
    return {};
}

// Saves the library in `version` after loading what the folder holds, as the
// program does at Apply.
bool saveLibrary(const fs::path& macroFolder, const LibraryShape& shape, int version) {
    MacroLibrary library;
    library.SetMacroFolder(macroFolder);
    library.LoadAllMacros();
    setVersion(library, shape, version);
    return library.SaveAllMacros() == MacroSaveResult::Saved;
}

// The first library, written without flushing (the test needs no durable
// start, and thousands of flushed files take long).
void writeFirstLibrary(const fs::path& macroFolder, const LibraryShape& shape) {
    MacroLibrary library(nullptr, [](const fs::path& path, std::span<const std::uint8_t> bytes) {
        test::WriteBytes(path, {bytes.begin(), bytes.end()});
        return true;
    });
    library.SetMacroFolder(macroFolder);
    setVersion(library, shape, 0);
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
}

std::vector<std::uint8_t> profileBytes(const Profile& profile) {
    DataStream stream;
    WriteProfile(stream, profile);
    return {stream.bytes().begin(), stream.bytes().end()};
}

Profile profileVersion(int version) {
    Profile profile;
    profile.name = version == 0 ? u"Profile A" : u"Profile B";
    profile.macros[0] = ButtonMacro{profile.name, 7, std::vector<CMacroEvent>(version ? 90 : 50)};
    return profile;
}

// Names in `folder` (not below it) that a save leaves only while it runs.
std::vector<std::string> leftovers(const fs::path& folder) {
    std::vector<std::string> out;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.find(".tmp.") != std::string::npos || name.ends_with(".saving") ||
            name.ends_with(".previous") || name.starts_with(".moving-")) {
            out.push_back(fs::relative(entry.path(), folder).string());
        }
    }
    return out;
}

// Loads the library once, then saves the two versions in turn (with the
// profile) until killed; writes one byte to `ready` once the first round is
// on disk.
[[noreturn]] void saveForever(const LibraryShape& shape, const fs::path& profileFile,
                              const fs::path& macroFolder, int ready) {
    MacroLibrary library;
    library.SetMacroFolder(macroFolder);
    library.LoadAllMacros();
    for (bool first = true;; first = false) {
        for (int version : {1, 0}) {
            SaveProfile(profileVersion(version), profileFile);
            setVersion(library, shape, version);
            library.SaveAllMacros();
        }
        if (first) {
            const char byte = 1;
            (void)!::write(ready, &byte, 1);
        }
    }
}

// Kills the saving child at random moments; after each kill the profile is
// one whole version, every macro is there once in one of its versions, and
// the next save leaves nothing behind.
void killSavesAtRandom(const LibraryShape& shape, int wanted, std::chrono::seconds budget) {
    test::TempDir dir;
    const fs::path profileFile = dir / "Profile1.profile";
    const fs::path macroFolder = dir / "Macros";
    const auto bytesA = profileBytes(profileVersion(0));
    const auto bytesB = profileBytes(profileVersion(1));
    ASSERT_TRUE(SaveProfile(profileVersion(0), profileFile));
    writeFirstLibrary(macroFolder, shape);

    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> delay(0, kMaxDelayMicroseconds);
    const auto end = std::chrono::steady_clock::now() + budget;
    int kills = 0;
    for (int kill = 0;
         kill < wanted && (kill < kLeastKills || std::chrono::steady_clock::now() < end); ++kill) {
        int ready[2];
        ASSERT_EQ(::pipe(ready), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::close(ready[0]);
            saveForever(shape, profileFile, macroFolder, ready[1]);
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
        const std::string fault = libraryFault(shape, macroFolder);
        ASSERT_TRUE(fault.empty()) << "kill " << kill << ": " << fault;

        ASSERT_TRUE(SaveProfile(profileVersion(0), profileFile));
        ASSERT_TRUE(saveLibrary(macroFolder, shape, 0));
        const std::vector<std::string> left = leftovers(dir.path());
        ASSERT_TRUE(left.empty()) << "kill " << kill << ": left " << left.front();
        ++kills;
    }
    testing::Test::RecordProperty("kills", kills);
}

TEST(CrashSafety, KilledSavesLeaveAWholeVersionAndNoTemporaries) {
    killSavesAtRandom(LibraryShape{5, 5}, kKills, kTimeBudget);
}

// A large library whose saves write only a few of its files. Each round loads
// and checks 2,000 files, so it gets fewer kills.
TEST(CrashSafety, KilledSavesOfALargeLibraryLoseNoMacro) {
    killSavesAtRandom(LibraryShape{2000, 8}, kLargeLibraryKills, kTimeBudget);
}

}  // namespace
}  // namespace solune
