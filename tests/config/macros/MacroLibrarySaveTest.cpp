// What a save writes: only the macros that changed, file names that fit, the
// permissions of private files, and no leftover that could block a later save.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

#include "config/macros/MacroFile.h"
#include "config/macros/MacroFileName.h"
#include "config/macros/MacroLibrary.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using solune::CMacro;
using solune::MacroLibrary;
using solune::MacroRect;
using solune::MacroSaveResult;
using solune::test::TempDir;

namespace {

struct stat statOf(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

class SavedLibrary : public testing::Test {
  protected:
    SavedLibrary() { library.SetMacroFolder(folder); }

    CMacro& add(std::int32_t id, std::u16string name) {
        CMacro& m = library.SelectOrCreateMacro(id, std::move(name), MacroRect{0, 0, 200, 199});
        m.AddEvent(solune::kMacroKey, 'A', 0, 5, solune::kInsertAppend);
        return m;
    }

    TempDir dir;
    fs::path folder = dir.path() / "Dravik" / "SOLUNE300" / "Macros";
    MacroLibrary library;
};

TEST_F(SavedLibrary, OnlyChangedMacroFilesAreWritten) {
    add(16, u"One");
    add(17, u"Two");
    CMacro& three = add(18, u"Three");
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    const struct stat one = statOf(folder / "One.macro");
    const struct stat index = statOf(folder / "macroList.dat");
    const struct stat threeBefore = statOf(folder / "Three.macro");

    three.AddEvent(solune::kMacroKey, 'B', 1, 9, solune::kInsertAppend);
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    const struct stat oneAfter = statOf(folder / "One.macro");
    EXPECT_EQ(oneAfter.st_ino, one.st_ino);
    EXPECT_EQ(oneAfter.st_mtim.tv_sec, one.st_mtim.tv_sec);
    EXPECT_EQ(oneAfter.st_mtim.tv_nsec, one.st_mtim.tv_nsec);
    EXPECT_EQ(statOf(folder / "macroList.dat").st_ino, index.st_ino) << "the index did not change";
    EXPECT_NE(statOf(folder / "Three.macro").st_ino, threeBefore.st_ino);

    // A fresh load followed by a save without edits writes nothing.
    MacroLibrary fresh;
    fresh.SetMacroFolder(folder);
    fresh.LoadAllMacros();
    const struct stat threeNow = statOf(folder / "Three.macro");
    ASSERT_EQ(fresh.SaveAllMacros(), MacroSaveResult::Saved);
    EXPECT_EQ(statOf(folder / "Three.macro").st_ino, threeNow.st_ino);
    EXPECT_EQ(statOf(folder / "macroList.dat").st_ino, index.st_ino);
}

TEST_F(SavedLibrary, FoldersArePrivateAndFilesReadableByTheUserOnly) {
    add(16, u"M");
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    EXPECT_EQ(statOf(folder).st_mode & 07777, 0700u);
    EXPECT_EQ(statOf(folder.parent_path()).st_mode & 07777, 0700u);
    EXPECT_EQ(statOf(folder / "M.macro").st_mode & 07777, 0600u);
    EXPECT_EQ(statOf(folder / "macroList.dat").st_mode & 07777, 0600u);
}

// Sixty macros of one 200-character name once asked for file names past 255
// bytes, and every save failed.
TEST_F(SavedLibrary, ManyEqualLongNamesGetFileNamesThatFit) {
    const std::u16string name(200, u'n');
    for (int i = 0; i < 60; ++i) {
        add(16 + i, name);
    }
    add(80, std::u16string(300, u'\u00e9'));  // cut to 200 bytes
    add(81, std::u16string(300, u'\u00e9'));
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    std::set<std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string file = entry.path().filename().string();
        EXPECT_LE(file.size(), solune::kMaxFileNameBytes) << file;
        files.insert(file);
    }
    EXPECT_EQ(files.size(), 63u);
    MacroLibrary fresh;
    fresh.SetMacroFolder(folder);
    fresh.LoadAllMacros();
    ASSERT_EQ(fresh.macros().size(), 62u);
    EXPECT_EQ(fresh.macros()[1]->name, name + u"1") << "the name takes the 1 while it fits";
    EXPECT_EQ(fresh.macros()[59]->name, name) << "past that the name stays whole";
    EXPECT_EQ(fresh.macros()[61]->name, std::u16string(300, u'\u00e9'));
    // And the next save changes nothing.
    ASSERT_EQ(fresh.SaveAllMacros(), MacroSaveResult::Saved);
    EXPECT_EQ(fresh.macros().size(), 62u);
}

TEST(MacroFileName, NumberedNamesAlwaysFit) {
    const std::string stem(200, 'a');
    std::size_t ones = 0;
    EXPECT_EQ(solune::MacroFileNameFor(stem, true, 49, ones), stem + std::string(49, '1') + ".macro");
    EXPECT_EQ(ones, 49u);
    const std::string numbered = solune::MacroFileNameFor(stem, true, 1000000, ones);
    EXPECT_EQ(ones, 0u);
    EXPECT_LE(numbered.size(), 255u);
    EXPECT_TRUE(numbered.ends_with("~1000000.macro")) << numbered;
    // A cut never splits a character.
    const std::string wide = solune::MacroFileNameFor(std::string(200, 'a') + "\xc3\xa9\xc3\xa9", false, 123456789, ones);
    EXPECT_LE(wide.size(), 255u);
}

// A staging folder an earlier version left, even one whose permissions were
// taken away, never blocks a save.
TEST_F(SavedLibrary, LeftoversOfAnEarlierSaveNeverBlockASave) {
    const fs::path saving = folder.string() + ".saving";
    fs::create_directories(saving / "inner");
    solune::test::WriteBytes(saving / "inner" / "x.macro", {1});
    ::chmod((saving / "inner").c_str(), 0500);
    ::chmod(saving.c_str(), 0500);
    add(16, u"M");
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    EXPECT_FALSE(fs::exists(saving));
    EXPECT_TRUE(fs::exists(folder / "M.macro"));
}

TEST_F(SavedLibrary, AFolderWithoutWritePermissionFailsTheSave) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    add(16, u"M");
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    ::chmod(folder.c_str(), 0500);
    add(17, u"N");
    EXPECT_EQ(library.SaveAllMacros(), MacroSaveResult::Failed);
    ::chmod(folder.c_str(), 0700);
    EXPECT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    EXPECT_TRUE(fs::exists(folder / "N.macro"));
}

TEST_F(SavedLibrary, TwoMacrosSwappingNamesKeepTheirOwnFiles) {
    add(16, u"A");
    add(17, u"B").AddEvent(solune::kMacroKey, 'C', 0, 1, solune::kInsertAppend);
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    const auto a = library.macros()[0].get();
    const auto b = library.macros()[1].get();
    a->name = u"B";
    b->name = u"A";
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    MacroLibrary fresh;
    fresh.SetMacroFolder(folder);
    fresh.LoadAllMacros();
    ASSERT_EQ(fresh.macros().size(), 2u);
    EXPECT_EQ(fresh.macros()[0]->name, u"B");
    EXPECT_EQ(fresh.macros()[0]->id, 16);
    EXPECT_EQ(fresh.macros()[1]->name, u"A");
    EXPECT_EQ(fresh.macros()[1]->events.size(), 2u);
}

TEST_F(SavedLibrary, ExtremeRectanglesAreHeldToTheSafeRange) {
    CMacro macro(nullptr, MacroRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 16, u"Edge");
    solune::CEventItem row;
    row.rect = MacroRect{INT_MAX, INT_MIN, INT_MIN, INT_MAX};
    macro.events.push_back(row);
    fs::create_directories(folder);
    ASSERT_TRUE(solune::SaveMacroFile(macro, folder / "Edge.macro"));
    library.LoadAllMacros();
    ASSERT_EQ(library.macros().size(), 1u);
    const auto& loaded = *library.macros()[0];
    const std::int32_t m = solune::kMaxMacroCoordinate;
    EXPECT_EQ(loaded.rect, (MacroRect{-m, -m, m, m}));
    EXPECT_EQ(loaded.events[0].rect, (MacroRect{m, -m, -m, m}));
    EXPECT_EQ(loaded.rect.height(), 2 * m);
    EXPECT_EQ((MacroRect{0, INT_MIN, 0, INT_MAX}).height(), INT_MAX) << "held, not wrapped";
}

}  // namespace
