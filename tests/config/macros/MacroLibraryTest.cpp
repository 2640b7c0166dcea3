// The macro library on disk: saving, loading, and what survives a failed or
// interrupted save.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "config/macros/MacroFile.h"
#include "config/macros/MacroLibrary.h"
#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"
#include "tests/config/macros/MacroTestSupport.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using solune::CMacro;
using solune::MacroLibrary;
using solune::MacroRect;
using solune::MacroSaveResult;
using solune::test::ReadBytes;
using solune::test::TempDir;
using solune::test::WriteBytes;

namespace {

constexpr MacroRect kClientRect{0, 0, 200, 199};

// Everything a macro file holds, for comparing libraries.
struct Snapshot {
    std::u16string name;
    std::int32_t id;
    MacroRect rect;
    std::vector<solune::CEventItem> events;
    bool operator==(const Snapshot&) const = default;
    friend void PrintTo(const Snapshot& s, std::ostream* os) {
        *os << solune::ToUtf8(s.name) << " #" << s.id << " (" << s.events.size() << " rows)";
    }
};

std::vector<Snapshot> snapshot(const MacroLibrary& library) {
    std::vector<Snapshot> out;
    for (const auto& m : library.macros()) {
        out.push_back({m->name, m->id, m->rect, m->events});
    }
    return out;
}

// Every file and folder below `root`, relative to it.
std::set<std::string> treeOf(const fs::path& root) {
    std::set<std::string> out;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        out.insert(fs::relative(entry.path(), root).string());
    }
    return out;
}

class MacroLibraryOnDisk : public testing::Test {
  protected:
    MacroLibraryOnDisk() { library.SetMacroFolder(folder); }

    // A macro with `rows` key rows, made through the library.
    CMacro& addMacro(std::int32_t id, std::u16string name, int rows, MacroLibrary& into) {
        CMacro& macro = into.SelectOrCreateMacro(id, std::move(name), kClientRect);
        for (int i = 0; i < rows; ++i) {
            macro.AddEvent(solune::kMacroKey, static_cast<std::int16_t>('A' + i),
                           static_cast<std::uint8_t>(i % 2), 10 * i, solune::kInsertAppend);
        }
        return macro;
    }
    CMacro& addMacro(std::int32_t id, std::u16string name, int rows) {
        return addMacro(id, std::move(name), rows, library);
    }

    std::vector<Snapshot> loadFromDisk() const {
        MacroLibrary fresh;
        fresh.SetMacroFolder(folder);
        fresh.LoadAllMacros();
        return snapshot(fresh);
    }

    TempDir dir;
    fs::path folder = dir.path() / "Dravik" / "SOLUNE300" / "Macros";
    MacroLibrary library;
};

TEST_F(MacroLibraryOnDisk, SavedLibraryLoadsBackInOrderWithEveryField) {
    addMacro(16, u"Alpha", 3);
    addMacro(17, u"Beta \u00e9", 0);
    addMacro(40, u"Gamma", 12).events[4].selected = 1;
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);

    EXPECT_EQ(treeOf(folder), (std::set<std::string>{"Alpha.macro", "Beta \u00e9.macro",
                                                     "Gamma.macro", "macroList.dat"}));
    MacroLibrary fresh;
    fresh.SetMacroFolder(folder);
    const solune::MacroLoadReport report = fresh.LoadAllMacros();
    EXPECT_TRUE(report.indexFound);
    EXPECT_TRUE(report.indexComplete);
    EXPECT_EQ(report.loaded, 3);
    EXPECT_EQ(report.unlisted, 0);
    EXPECT_TRUE(report.problems.empty());
    EXPECT_FALSE(fresh.NeedsAcknowledgement());
    EXPECT_EQ(snapshot(fresh), snapshot(library));
}

TEST_F(MacroLibraryOnDisk, IndexListsTheFullPathOfEachFileInLibraryOrder) {
    addMacro(20, u"Zed", 1);
    addMacro(16, u"Ant", 1);
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    solune::DataStream index;
    ASSERT_TRUE(index.LoadFile(folder / "macroList.dat"));
    std::vector<std::u16string> paths;
    ASSERT_TRUE(solune::ReadMacroList(index, paths));
    std::u16string zed, ant;
    ASSERT_TRUE(solune::FromUtf8((folder / "Zed.macro").string(), zed));
    ASSERT_TRUE(solune::FromUtf8((folder / "Ant.macro").string(), ant));
    EXPECT_EQ(paths, (std::vector<std::u16string>{zed, ant}));
}

TEST_F(MacroLibraryOnDisk, EqualNamesAreSavedUnderOnesAppendedAndRenamedInMemory) {
    addMacro(16, u"X", 1);
    addMacro(17, u"X", 2);
    addMacro(18, u"X1", 3);
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    EXPECT_EQ(treeOf(folder),
              (std::set<std::string>{"X.macro", "X1.macro", "X11.macro", "macroList.dat"}));
    std::vector<std::u16string> names;
    for (const auto& m : library.macros()) {
        names.push_back(m->name);
    }
    EXPECT_EQ(names, (std::vector<std::u16string>{u"X", u"X1", u"X11"}));
    EXPECT_EQ(loadFromDisk(), snapshot(library));
}

TEST_F(MacroLibraryOnDisk, EmptyLibraryLeavesOnlyAFourByteIndex) {
    addMacro(16, u"Old", 2);
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    WriteBytes(folder / "notes.txt", {1, 2, 3});
    fs::create_directory(folder / "stuff");
    WriteBytes(folder / "stuff" / "x.macro", {1});

    library.DeleteMacro(16);
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);

    EXPECT_EQ(treeOf(folder), (std::set<std::string>{"macroList.dat"}));
    EXPECT_EQ(ReadBytes(folder / "macroList.dat"), (std::vector<std::uint8_t>{0, 0, 0, 0}));
    // Nothing is left beside the folder either.
    EXPECT_EQ(treeOf(folder.parent_path()),
              (std::set<std::string>{"Macros", "Macros/macroList.dat"}));
}

TEST_F(MacroLibraryOnDisk, HostileNamesStayInsideTheFolderAndKeepTheirText) {
    const std::vector<std::u16string> names{u"../../escape",
                                            u"/",
                                            u"..",
                                            u"",
                                            u".",
                                            std::u16string(u"nul\0byte", 8),
                                            u"sub/dir/x",
                                            u"../Macros.saving/y",
                                            std::u16string(300, u'n')};
    std::int32_t id = 16;
    for (const std::u16string& name : names) {
        addMacro(id++, name, 1);
    }
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);

    // Only the macro folder exists beside it, and it holds no sub-folder.
    EXPECT_EQ(treeOf(dir.path() / "Dravik" / "SOLUNE300").count("Macros"), 1u);
    for (const auto& entry : fs::directory_iterator(dir.path() / "Dravik" / "SOLUNE300")) {
        EXPECT_EQ(entry.path().filename(), "Macros");
    }
    std::size_t files = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        EXPECT_TRUE(entry.is_regular_file()) << entry.path();
        ++files;
    }
    EXPECT_EQ(files, names.size() + 1);
    const std::vector<Snapshot> loaded = loadFromDisk();
    ASSERT_EQ(loaded.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(loaded[i].name, names[i]) << i;
    }
}

// A save writes in place, so a failure part-way may leave some macros in their
// new version; at every instant each macro loads once, old or new, and none
// is lost or doubled. A later save completes the work.
TEST_F(MacroLibraryOnDisk, SaveInterruptedAtAnyFileLoadsEveryMacroOnceOldOrNew) {
    addMacro(16, u"Keep", 2);
    addMacro(17, u"Change", 1);
    addMacro(19, u"Gone", 1);
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    const std::vector<Snapshot> old = snapshot(library);

    // The new library: one macro changed, one renamed by a clash, one added,
    // one deleted. Every write of the save is failed in turn.
    for (int failAt = 0;; ++failAt) {
        int call = 0;
        std::vector<Snapshot> next;
        const auto onceOldOrNew = [&](const std::vector<Snapshot>& loaded) {
            std::set<std::int32_t> ids;
            for (const Snapshot& s : loaded) {
                EXPECT_TRUE(ids.insert(s.id).second) << "macro " << s.id << " doubled";
                const bool known = std::count(old.begin(), old.end(), s) == 1 ||
                                   std::count(next.begin(), next.end(), s) == 1;
                EXPECT_TRUE(known) << solune::ToUtf8(s.name) << " #" << s.id;
            }
            for (const Snapshot& s : next) {
                if (s.id != 18) {  // the new macro may not be there yet
                    EXPECT_EQ(ids.count(s.id), 1u) << "macro " << s.id << " lost";
                }
            }
        };
        MacroLibrary changed(nullptr, [&](const fs::path& path, std::span<const std::uint8_t> b) {
            onceOldOrNew(loadFromDisk());
            return call++ != failAt && solune::WriteFileAtomically(path, b);
        });
        changed.SetMacroFolder(folder);
        changed.LoadAllMacros();
        changed.macros()[1]->events.clear();
        changed.DeleteMacro(19);
        addMacro(18, u"Keep", 5, changed);
        next = snapshot(changed);
        next[2].name = u"Keep1";

        const MacroSaveResult result = changed.SaveAllMacros();
        onceOldOrNew(loadFromDisk());
        if (result == MacroSaveResult::Saved) {
            EXPECT_EQ(changed.macros()[2]->name, u"Keep1");
            EXPECT_EQ(loadFromDisk(), snapshot(changed));
            EXPECT_EQ(failAt, call) << "every write was failed once before";
            break;
        }
        EXPECT_EQ(result, MacroSaveResult::Failed) << failAt;
        EXPECT_EQ(changed.macros()[2]->name, u"Keep") << "no rename after a failed save";
        // The next save of the same library finishes the job.
        ASSERT_EQ(changed.SaveAllMacros(), MacroSaveResult::Saved) << failAt;
        EXPECT_EQ(loadFromDisk(), snapshot(changed)) << failAt;
        // Back to the old library for the next round.
        ASSERT_TRUE(fs::remove_all(folder) > 0);
        MacroLibrary again;
        again.SetMacroFolder(folder);
        for (const Snapshot& s : old) {
            auto m = std::make_unique<CMacro>(nullptr, s.rect, s.id, s.name);
            m->events = s.events;
            again.AppendMacro(std::move(m));
        }
        ASSERT_EQ(again.SaveAllMacros(), MacroSaveResult::Saved);
    }
}

TEST_F(MacroLibraryOnDisk, LoadSkipsListedFilesThatAreMissingOrIncomplete) {
    addMacro(16, u"Good", 2);
    addMacro(17, u"Cut", 3);
    addMacro(18, u"Gone", 1);
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    std::vector<std::uint8_t> cut = ReadBytes(folder / "Cut.macro");
    cut.pop_back();
    WriteBytes(folder / "Cut.macro", cut);
    fs::remove(folder / "Gone.macro");

    MacroLibrary fresh;
    fresh.SetMacroFolder(folder);
    const solune::MacroLoadReport report = fresh.LoadAllMacros();
    EXPECT_EQ(report.loaded, 1);
    ASSERT_EQ(report.problems.size(), 1u);
    EXPECT_EQ(report.problems[0].path, folder / "Cut.macro");
    EXPECT_EQ(report.missing, (std::vector<fs::path>{folder / "Gone.macro"}));
    ASSERT_EQ(fresh.macros().size(), 1u);
    EXPECT_EQ(fresh.macros()[0]->name, u"Good");
}

TEST_F(MacroLibraryOnDisk, ListedPathsAreLookedUpByFileNameInsideTheFolder) {
    addMacro(16, u"Here", 1);
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    const fs::path outside = dir.path() / "outside.macro";
    ASSERT_TRUE(solune::SaveMacroFile(CMacro(nullptr, kClientRect, 99, u"Outside"), outside));
    // An index written elsewhere (the folder moved), one naming a file outside
    // the folder, and entries that name no file.
    solune::DataStream index;
    std::u16string outsideText;
    ASSERT_TRUE(solune::FromUtf8(outside.string(), outsideText));
    solune::WriteMacroList(index, {u"/old/home/Macros/Here.macro", outsideText, u"/x/..", u""});
    ASSERT_TRUE(index.SaveFile(folder / "macroList.dat"));

    MacroLibrary fresh;
    fresh.SetMacroFolder(folder);
    const solune::MacroLoadReport report = fresh.LoadAllMacros();
    ASSERT_EQ(fresh.macros().size(), 1u);
    EXPECT_EQ(fresh.macros()[0]->name, u"Here");
    EXPECT_EQ(report.missing, (std::vector<fs::path>{folder / "outside.macro"}));
    ASSERT_EQ(report.problems.size(), 1u) << "entries naming no file damage the index";
    EXPECT_EQ(report.problems[0].path, folder / "macroList.dat");
}

// An index that lists one file many times (however its path is written) loads
// that macro once, at its first place.
TEST_F(MacroLibraryOnDisk, AFileListedAgainLoadsOnce) {
    addMacro(16, u"Big", 300);
    addMacro(17, u"Small", 1);
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    std::vector<std::u16string> listed(200, u"/old/Macros/Big.macro");
    listed.insert(listed.begin() + 1, u"Small.macro");
    listed.push_back(u"C:\\Users\\x\\Big.macro");
    solune::DataStream index;
    solune::WriteMacroList(index, listed);
    ASSERT_TRUE(index.SaveFile(folder / "macroList.dat"));

    MacroLibrary fresh;
    fresh.SetMacroFolder(folder);
    const solune::MacroLoadReport report = fresh.LoadAllMacros();
    EXPECT_EQ(report.loaded, 2);
    ASSERT_EQ(fresh.macros().size(), 2u);
    EXPECT_EQ(fresh.macros()[0]->name, u"Big");
    EXPECT_EQ(fresh.macros()[1]->name, u"Small");
}

TEST_F(MacroLibraryOnDisk, WithoutIndexTheLibraryIsUnchanged) {
    addMacro(16, u"Mine", 2);
    const solune::MacroLoadReport report = library.LoadAllMacros();
    EXPECT_FALSE(report.indexFound);
    ASSERT_EQ(library.macros().size(), 1u);
    // Loading always empties the current macro's rows first.
    EXPECT_TRUE(library.currentMacro()->events.empty());
}

TEST_F(MacroLibraryOnDisk, ShortFolderPathSavesNothing) {
    library.SetMacroFolder("abc");
    addMacro(16, u"M", 1);
    EXPECT_EQ(library.SaveAllMacros(), MacroSaveResult::NoFolder);
    EXPECT_FALSE(fs::exists("abc"));
}

TEST_F(MacroLibraryOnDisk, FileInPlaceOfTheFolderIsRefusedAndStays) {
    fs::create_directories(folder.parent_path());
    WriteBytes(folder, {7});
    const solune::MacroLoadReport report = library.LoadAllMacros();
    EXPECT_TRUE(report.folderRefused);
    addMacro(16, u"M", 1);
    library.AcknowledgeLoadProblems();
    EXPECT_EQ(library.SaveAllMacros(), MacroSaveResult::Refused);
    EXPECT_EQ(ReadBytes(folder), (std::vector<std::uint8_t>{7}));
    EXPECT_FALSE(fs::exists(folder.string() + ".saving"));
}

// A link in place of the macro folder, or of a folder a save uses beside it,
// may point anywhere: nothing behind it is read, emptied or replaced.
TEST_F(MacroLibraryOnDisk, SymlinkedFoldersAreNeitherReadNorSaved) {
    for (const char* linked : {"", ".saving", ".previous"}) {
        TempDir elsewhere;
        const fs::path target = elsewhere.path() / "synced";
        MacroLibrary theirs;
        theirs.SetMacroFolder(target);
        addMacro(16, u"Theirs", 1, theirs);
        ASSERT_EQ(theirs.SaveAllMacros(), MacroSaveResult::Saved);
        const std::set<std::string> before = treeOf(target);
        fs::remove_all(folder.parent_path());
        fs::create_directories(folder.parent_path());
        if (std::string(linked).empty()) {
            fs::create_directory_symlink(target, folder);
        } else {
            fs::create_directory(folder);
            fs::create_directory_symlink(target, folder.string() + linked);
        }

        MacroLibrary fresh;
        fresh.SetMacroFolder(folder);
        const solune::MacroLoadReport report = fresh.LoadAllMacros();
        EXPECT_TRUE(report.folderRefused) << linked;
        EXPECT_TRUE(fresh.macros().empty()) << linked;
        EXPECT_NE(solune::LoadProblemMessage(report).find("symbolic link"), std::string::npos);
        addMacro(17, u"Mine", 1, fresh);
        fresh.AcknowledgeLoadProblems();
        EXPECT_EQ(fresh.SaveAllMacros(), MacroSaveResult::Refused) << linked;
        EXPECT_EQ(treeOf(target), before) << linked;
    }
}

TEST_F(MacroLibraryOnDisk, FolderLeftAsideByACrashIsPutBackOnLoad) {
    addMacro(16, u"M", 2);
    ASSERT_EQ(library.SaveAllMacros(), MacroSaveResult::Saved);
    fs::rename(folder, folder.string() + ".previous");
    EXPECT_EQ(loadFromDisk(), snapshot(library));
    EXPECT_TRUE(fs::exists(folder / "macroList.dat"));
}

TEST(MacroLibrary, MacroByIdCopiesTheFirstMatchOrNothing) {
    MacroLibrary library;
    CMacro& macro = library.SelectOrCreateMacro(16, u"M", kClientRect);
    macro.AddEvent(solune::kMacroKey, 'A', solune::kEdgePress, 5, solune::kInsertAppend);
    const auto copy = library.MacroById(16);
    ASSERT_TRUE(copy.has_value());
    EXPECT_EQ(*copy, (solune::ButtonMacro{u"M", 16, {{solune::kMacroKey, 'A', 0, 5}}}));
    macro.events.clear();
    EXPECT_EQ(copy->events.size(), 1u) << "the copy is independent of the library";

    library.DeleteMacro(16);
    EXPECT_FALSE(library.MacroById(16).has_value());
}

TEST(MacroLibrary, SelectOrCreateMakesOneMacroPerIdAndDeleteClearsTheCurrent) {
    solune::test::RecordingOwner owner;
    MacroLibrary library(&owner);
    CMacro& a = library.SelectOrCreateMacro(16, u"A", kClientRect);
    EXPECT_EQ(a.rect, kClientRect);
    EXPECT_EQ(a.owner, &owner);
    library.SelectOrCreateMacro(17, u"B", kClientRect);
    CMacro& again = library.SelectOrCreateMacro(16, u"ignored", MacroRect{});
    EXPECT_EQ(&again, &a);
    EXPECT_EQ(again.name, u"A");
    EXPECT_EQ(library.macros().size(), 2u);
    EXPECT_EQ(library.currentMacro(), &a);

    EXPECT_TRUE(library.DeleteMacro(17));
    EXPECT_EQ(library.currentMacro(), &a) << "deleting another macro keeps the current one";
    EXPECT_TRUE(library.DeleteMacro(16));
    EXPECT_EQ(library.currentMacro(), nullptr);
    EXPECT_FALSE(library.DeleteMacro(16));
}

}  // namespace
