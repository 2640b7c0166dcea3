// A macro library on a damaged disk: whatever the load could not read stays in
// the folder, is copied aside and is named to the user before the first save.
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "config/macros/MacroFile.h"
#include "config/macros/MacroLibrary.h"
#include "platform/TextCodec.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using solune::CMacro;
using solune::MacroLibrary;
using solune::MacroLoadReport;
using solune::MacroRect;
using solune::MacroSaveResult;
using solune::test::ReadBytes;
using solune::test::TempDir;
using solune::test::WriteBytes;

namespace {

constexpr int kMacros = 20;

std::u16string nameOf(int i) {
    return u"Macro " + std::u16string(1, char16_t(u'A' + i));
}

// The ".macro" files of a folder with their bytes.
std::map<std::string, std::vector<std::uint8_t>> macroFiles(const fs::path& folder) {
    std::map<std::string, std::vector<std::uint8_t>> out;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.ends_with(".macro")) {
            out[name] = entry.is_regular_file() ? ReadBytes(entry.path()) : std::vector<std::uint8_t>{};
        }
    }
    return out;
}

std::vector<fs::path> damagedCopies(const fs::path& folder) {
    std::vector<fs::path> out;
    for (const auto& entry : fs::directory_iterator(folder.parent_path())) {
        if (entry.path().filename().string().starts_with("Macros.damaged-")) {
            out.push_back(entry.path());
        }
    }
    return out;
}

std::set<std::u16string> namesOf(const MacroLibrary& library) {
    std::set<std::u16string> out;
    for (const auto& macro : library.macros()) {
        out.insert(macro->name);
    }
    return out;
}

class DamagedLibrary : public testing::Test {
  protected:
    DamagedLibrary() {
        MacroLibrary library;
        library.SetMacroFolder(folder);
        for (int i = 0; i < kMacros; ++i) {
            CMacro& m = library.SelectOrCreateMacro(16 + i, nameOf(i), MacroRect{0, 0, 200, 199});
            m.AddEvent(solune::kMacroKey, static_cast<std::int16_t>('A' + i), 0, i, 0);
        }
        EXPECT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
        original = macroFiles(folder);
        for (int i = 0; i < kMacros; ++i) {
            allNames.insert(nameOf(i));
        }
    }

    // Loads, checks the save waits for the user, acknowledges and saves.
    MacroLoadReport loadAndSave() {
        MacroLibrary library;
        library.SetMacroFolder(folder);
        const MacroLoadReport report = library.LoadAllMacros();
        loadedNames = namesOf(library);
        if (report.NeedsTelling()) {
            EXPECT_FALSE(solune::LoadProblemMessage(report).empty());
            EXPECT_EQ(library.SaveAllMacros(), MacroSaveResult::NotAcknowledged);
            library.AcknowledgeLoadProblems();
        }
        EXPECT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
        return report;
    }

    // No ".macro" file that was there is gone.
    void expectNoFileLost(const std::string& context) {
        const auto now = macroFiles(folder);
        for (const auto& [name, bytes] : original) {
            EXPECT_EQ(now.count(name), 1u) << context << ": " << name << " lost";
        }
    }

    TempDir dir;
    fs::path folder = dir.path() / "Macros";
    std::map<std::string, std::vector<std::uint8_t>> original;
    std::set<std::u16string> allNames;
    std::set<std::u16string> loadedNames;
};

struct IndexDamage {
    const char* what;
    std::function<void(const fs::path& index)> damage;
    bool unreadable;  // the load must report it and copy it aside
};

const std::vector<IndexDamage>& indexDamages() {
    static const std::vector<IndexDamage> table = {
        {"cut in half",
         [](const fs::path& p) {
             auto b = ReadBytes(p);
             b.resize(b.size() / 2);
             WriteBytes(p, b);
         },
         true},
        {"empty", [](const fs::path& p) { WriteBytes(p, {}); }, true},
        {"random bytes",
         [](const fs::path& p) {
             std::mt19937 random(7);
             std::vector<std::uint8_t> b(ReadBytes(p).size());
             for (auto& byte : b) {
                 byte = static_cast<std::uint8_t>(random());
             }
             WriteBytes(p, b);
         },
         true},
        {"count -1",
         [](const fs::path& p) {
             auto b = ReadBytes(p);
             std::fill(b.begin(), b.begin() + 4, 0xFF);
             WriteBytes(p, b);
         },
         true},
        {"padded past 1 MiB",
         [](const fs::path& p) {
             auto b = ReadBytes(p);
             b.resize(solune::kMaxMacroListBytes + 1);
             WriteBytes(p, b);
         },
         true},
        {"a FIFO",
         [](const fs::path& p) {
             fs::remove(p);
             ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0);
         },
         true},
        {"a directory",
         [](const fs::path& p) {
             fs::remove(p);
             fs::create_directory(p);
         },
         true},
        {"missing", [](const fs::path& p) { fs::remove(p); }, false},
    };
    return table;
}

TEST_F(DamagedLibrary, DamagedIndexLosesNoMacroAndListsEveryOne) {
    for (const IndexDamage& row : indexDamages()) {
        SCOPED_TRACE(row.what);
        TempDir rowDir;
        folder = rowDir.path() / "Macros";
        fs::copy(dir.path() / "Macros", folder);
        row.damage(folder / "macroList.dat");

        const MacroLoadReport first = loadAndSave();
        EXPECT_EQ(loadedNames, allNames);
        EXPECT_EQ(first.loaded, kMacros);
        EXPECT_EQ(first.NeedsTelling(), row.unreadable);
        const auto copies = damagedCopies(folder);
        EXPECT_EQ(copies.size(), row.unreadable ? 1u : 0u);
        if (row.unreadable && !copies.empty()) {
            EXPECT_TRUE(fs::exists(fs::symlink_status(copies[0] / "macroList.dat")));
            EXPECT_EQ(first.damagedCopy, copies[0]);
        }
        expectNoFileLost("first save");

        const MacroLoadReport second = loadAndSave();
        EXPECT_EQ(loadedNames, allNames);
        EXPECT_FALSE(second.NeedsTelling()) << "the first save mended the index";
        EXPECT_EQ(second.unlisted, 0);
        expectNoFileLost("second save");
        folder = dir.path() / "Macros";
    }
}

struct FileDamage {
    const char* what;
    std::function<void(const fs::path& file)> damage;
};

TEST_F(DamagedLibrary, UnreadableMacroFileStaysIsCopiedAndIsNamed) {
    const std::vector<FileDamage> table = {
        {"over 1 MiB",
         [](const fs::path& p) {
             auto b = ReadBytes(p);
             b.resize(solune::kMaxMacroFileBytes + 1);
             WriteBytes(p, b);
         }},
        {"cut short",
         [](const fs::path& p) {
             auto b = ReadBytes(p);
             b.resize(b.size() - 3);
             WriteBytes(p, b);
         }},
    };
    for (const FileDamage& row : table) {
        SCOPED_TRACE(row.what);
        TempDir rowDir;
        folder = rowDir.path() / "Macros";
        fs::copy(dir.path() / "Macros", folder);
        const fs::path victim = folder / "Macro C.macro";
        row.damage(victim);
        const auto damagedBytes = ReadBytes(victim);
        original = macroFiles(folder);

        const MacroLoadReport first = loadAndSave();
        std::set<std::u16string> expected = allNames;
        expected.erase(u"Macro C");
        EXPECT_EQ(loadedNames, expected);
        ASSERT_EQ(first.problems.size(), 1u);
        EXPECT_EQ(first.problems[0].path, victim);
        EXPECT_NE(solune::LoadProblemMessage(first).find("Macro C.macro"), std::string::npos);
        ASSERT_EQ(damagedCopies(folder).size(), 1u);
        EXPECT_EQ(ReadBytes(damagedCopies(folder)[0] / "Macro C.macro"), damagedBytes);

        // A new macro of the same name does not take the kept file's name.
        MacroLibrary again;
        again.SetMacroFolder(folder);
        again.LoadAllMacros();
        again.AcknowledgeLoadProblems();
        again.SelectOrCreateMacro(99, u"Macro C", MacroRect{});
        ASSERT_EQ(again.SaveAllMacros(), MacroSaveResult::Saved);
        EXPECT_EQ(ReadBytes(victim), damagedBytes);
        expectNoFileLost("second save");
        EXPECT_TRUE(fs::exists(folder / "Macro C1.macro"));
        folder = dir.path() / "Macros";
    }
}

TEST_F(DamagedLibrary, UnlistedFilesComeAfterTheIndexedOnesByFileName) {
    MacroLibrary library;
    library.SetMacroFolder(folder);
    library.LoadAllMacros();
    // Two files copied in by hand.
    ASSERT_TRUE(solune::SaveMacroFile(CMacro(nullptr, {}, 90, u"Zulu"), folder / "z.macro"));
    ASSERT_TRUE(solune::SaveMacroFile(CMacro(nullptr, {}, 91, u"Alpha"), folder / "a.macro"));
    MacroLibrary fresh;
    fresh.SetMacroFolder(folder);
    const MacroLoadReport report = fresh.LoadAllMacros();
    EXPECT_EQ(report.unlisted, 2);
    EXPECT_FALSE(report.NeedsTelling());
    ASSERT_EQ(fresh.macros().size(), std::size_t(kMacros + 2));
    EXPECT_EQ(fresh.macros()[kMacros]->name, u"Alpha");
    EXPECT_EQ(fresh.macros()[kMacros + 1]->name, u"Zulu");
    EXPECT_EQ(fresh.macros()[0]->name, nameOf(0)) << "the index order comes first";
}

TEST_F(DamagedLibrary, TheLaterOfTwoMacrosWithOneIdGetsANewIdAndTheUserIsTold) {
    // A copy of macro 16 under another name: both carry id 16.
    auto bytes = ReadBytes(folder / "Macro A.macro");
    CMacro twin;
    solune::DataStream in{std::span<const std::uint8_t>(bytes)};
    ASSERT_EQ(solune::ReadMacro(in, twin), solune::MacroFileStatus::Complete);
    twin.name = u"Twin";
    twin.events.clear();
    ASSERT_TRUE(solune::SaveMacroFile(twin, folder / "Twin.macro"));

    MacroLibrary library;
    library.SetMacroFolder(folder);
    const MacroLoadReport report = library.LoadAllMacros();
    ASSERT_EQ(report.renumbered.size(), 1u);
    EXPECT_EQ(report.renumbered[0].name, u"Twin");
    EXPECT_EQ(report.renumbered[0].oldId, 16);
    EXPECT_NE(solune::LoadProblemMessage(report).find("Twin"), std::string::npos);
    const std::int32_t newId = report.renumbered[0].newId;
    EXPECT_EQ(newId, 16 + kMacros) << "one more than the largest id";
    EXPECT_EQ(library.MacroById(16)->name, nameOf(0)) << "the earlier one keeps its id";
    ASSERT_TRUE(library.MacroById(newId).has_value());
    EXPECT_EQ(library.MacroById(newId)->name, u"Twin");
    // Deleting one leaves the other.
    library.DeleteMacro(newId);
    EXPECT_EQ(library.MacroById(16)->events.size(), 1u);

    library.AcknowledgeLoadProblems();
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    EXPECT_FALSE(fs::exists(folder / "Twin.macro"));
    EXPECT_TRUE(fs::exists(folder / "Macro A.macro"));
}

TEST_F(DamagedLibrary, SymbolicLinksAndOddEntriesAmongTheFilesAreNeitherReadNorRemoved) {
    TempDir elsewhere;
    const fs::path target = elsewhere.path() / "secret.macro";
    ASSERT_TRUE(solune::SaveMacroFile(CMacro(nullptr, {}, 77, u"Secret"), target));
    const auto targetBytes = ReadBytes(target);
    fs::create_symlink(target, folder / "Macro B.macro.link.macro");
    fs::remove(folder / "Macro D.macro");
    fs::create_symlink(target, folder / "Macro D.macro");  // listed
    fs::create_directory(folder / "dir.macro");

    MacroLibrary library;
    library.SetMacroFolder(folder);
    const MacroLoadReport report = library.LoadAllMacros();
    EXPECT_EQ(library.macros().size(), std::size_t(kMacros - 1));
    EXPECT_EQ(namesOf(library).count(u"Secret"), 0u);
    EXPECT_EQ(report.problems.size(), 3u);
    library.AcknowledgeLoadProblems();
    library.DeleteMacro(16);
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    EXPECT_TRUE(fs::is_symlink(folder / "Macro D.macro"));
    EXPECT_TRUE(fs::is_symlink(folder / "Macro B.macro.link.macro"));
    EXPECT_TRUE(fs::is_directory(folder / "dir.macro"));
    EXPECT_EQ(ReadBytes(target), targetBytes);
}

// 2,097 macros of 200-character names once made an index just under the
// reader's limit, and one more macro made one over it: the whole library was
// lost at the next start. Now the writer refuses what the reader would.
TEST_F(DamagedLibrary, AFullLibraryRefusesOneMoreMacroAndNeverWritesWhatItCannotRead) {
    fs::remove_all(folder);
    const auto longName = [](int i) {
        const std::string number = std::to_string(i) + "-";
        std::u16string name(200, u'x');
        std::copy(number.begin(), number.end(), name.begin());
        return name;
    };
    const std::size_t entry = 4 + 2 * (folder.string().size() + 1 + 200 + 6);
    const int fit = static_cast<int>((solune::kMaxMacroListBytes - 4) / entry);
    // Thousands of files: written without the flush to disk, which the test
    // does not need.
    MacroLibrary library(nullptr, [](const fs::path& path, std::span<const std::uint8_t> bytes) {
        const fs::path temporary = path.parent_path() / ".tmp.test";
        WriteBytes(temporary, {bytes.begin(), bytes.end()});
        return ::rename(temporary.c_str(), path.c_str()) == 0;
    });
    library.SetMacroFolder(folder);
    for (int i = 0; i < fit; ++i) {
        library.AppendMacro(std::make_unique<CMacro>(nullptr, MacroRect{}, 16 + i, longName(i)));
    }
    EXPECT_FALSE(library.CanAddMacro(longName(fit)));
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    const auto indexBytes = ReadBytes(folder / "macroList.dat");
    EXPECT_LE(indexBytes.size(), solune::kMaxMacroListBytes);

    // Past the check (as a caller that does not ask): the save refuses and
    // writes nothing.
    library.AppendMacro(std::make_unique<CMacro>(nullptr, MacroRect{}, 9999, longName(fit)));
    EXPECT_EQ(library.SaveAllMacros(), MacroSaveResult::TooLarge);
    EXPECT_EQ(ReadBytes(folder / "macroList.dat"), indexBytes);
    EXPECT_FALSE(fs::exists(folder / (solune::ToUtf8(longName(fit)) + ".macro")));

    MacroLibrary fresh;
    fresh.SetMacroFolder(folder);
    const MacroLoadReport report = fresh.LoadAllMacros();
    EXPECT_FALSE(report.NeedsTelling());
    EXPECT_EQ(report.unlisted, 0);
    EXPECT_EQ(fresh.macros().size(), std::size_t(fit));
}

TEST(MacroLibraryLimits, RowsThatWouldOverfillTheFileAreRefused) {
    CMacro macro(nullptr, MacroRect{}, 16, u"M");
    const std::size_t room = (solune::kMaxMacroFileBytes - solune::MacroFileSize(macro)) / 32;
    EXPECT_TRUE(solune::MacroHasRoomFor(macro, room));
    EXPECT_FALSE(solune::MacroHasRoomFor(macro, room + 1));
    macro.events.resize(room);
    EXPECT_LE(solune::MacroFileSize(macro), solune::kMaxMacroFileBytes);
    EXPECT_FALSE(solune::MacroHasRoomFor(macro, 1));
    MacroLibrary library;
    EXPECT_FALSE(library.CanAddMacro(std::u16string(solune::kMaxMacroFileBytes / 2, u'n')))
        << "a name too long for its own file";
}

}  // namespace
