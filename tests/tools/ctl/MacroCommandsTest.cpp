// solune300ctl's macro commands and "profile assign-macro", run in process.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdlib>

#include "config/macros/MacroFile.h"
#include "config/macros/MacroLibrary.h"
#include "config/profiles/ProfileFile.h"
#include "tests/support/CtlRunner.h"
#include "tests/support/TempDir.h"

using nlohmann::json;
using solune::CMacro;
using solune::test::ReadBytes;
using solune::test::TempDir;
using solune::test::WriteBytes;

namespace {

using solune::test::CtlRun;

CtlRun ctl(std::vector<std::string> args, const std::string& input = "") {
    return solune::test::RunCtlCommand(std::move(args), input);
}

// A macro with every field set, saved by the library itself.
CMacro sampleMacro(std::int32_t id = 16) {
    CMacro macro(nullptr, solune::MacroRect{0, 0, 200, 199}, id, u"Br\u00fcst");
    macro.AddEvent(solune::kMacroKey, 0x41, 0, 0, solune::kInsertAppend);
    macro.AddEvent(solune::kMacroMouseButton, 166, 1, 250, solune::kInsertAppend);
    macro.AddEvent(solune::kMacroWheel, 152, 0, -3, solune::kInsertAppend);
    macro.events[2].serial = 0xFFFFFFFFu;
    return macro;
}

TEST(CtlMacro, ShowThenWriteReproducesTheFileByteForByte) {
    TempDir dir;
    const auto original = dir / "a.macro";
    ASSERT_TRUE(solune::SaveMacroFile(sampleMacro(), original));

    CtlRun show = ctl({"macro", "show", original.string()});
    ASSERT_EQ(show.status, 0) << show.err;
    const json shown = json::parse(show.out);
    EXPECT_EQ(shown["name"], "Br\u00fcst");
    EXPECT_EQ(shown["rect"], (json{{"left", 0}, {"top", 0}, {"right", 200}, {"bottom", 199}}));
    EXPECT_EQ(shown["events"][1],
              (json{{"kind", 16},
                    {"code", 166},
                    {"edge", 1},
                    {"delay", 250},
                    {"rect", {{"left", 4}, {"top", 23}, {"right", 198}, {"bottom", 41}}},
                    {"selected", 0},
                    {"serial", 2}}));
    EXPECT_EQ(shown["events"][2]["serial"], 4294967295u);

    const auto copy = dir / "b.macro";
    CtlRun write = ctl({"macro", "write", copy.string()}, show.out);
    ASSERT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(ReadBytes(copy), ReadBytes(original));
}

// A macro file that cannot be written is refused with the reason.
TEST(CtlMacro, AWriteThatFailsSaysWhy) {
    TempDir dir;
    const auto original = dir / "a.macro";
    ASSERT_TRUE(solune::SaveMacroFile(sampleMacro(), original));
    CtlRun show = ctl({"macro", "show", original.string()});
    ASSERT_EQ(show.status, 0) << show.err;
    const auto target = dir / "a.macro" / "b.macro";
    CtlRun write = ctl({"macro", "write", target.string()}, show.out);
    EXPECT_EQ(write.status, 1);
    EXPECT_EQ(write.err, "solune300ctl: " + target.string() +
                             ": cannot write the file: a file is in the place of its folder\n");
}

TEST(CtlMacro, BadInputIsRefusedWithOneLineAndNothingWritten) {
    TempDir dir;
    const auto file = dir / "m.macro";
    const auto cut = dir / "cut.macro";
    ASSERT_TRUE(solune::SaveMacroFile(sampleMacro(), cut));
    std::vector<std::uint8_t> bytes = ReadBytes(cut);
    bytes.resize(bytes.size() - 3);
    WriteBytes(cut, bytes);

    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string message;
    };
    const Case cases[] = {
        {{"macro", "write", file.string()}, "{", "malformed JSON"},
        {{"macro", "write", file.string()}, "[]", "expected a JSON object"},
        {{"macro", "write", file.string()}, R"({"nmae": "x"})", "nmae: unknown key"},
        {{"macro", "write", file.string()},
         R"({"id": 2147483648})",
         "id: 2147483648 is out of range"},
        {{"macro", "write", file.string()},
         R"({"rect": {"left": 1, "width": 2}})",
         "rect.width: unknown key"},
        {{"macro", "write", file.string()},
         R"({"events": [{"kind": 256}]})",
         "events[0].kind: 256 is out of range"},
        {{"macro", "write", file.string()},
         R"({"events": [{"serial": -1}]})",
         "events[0].serial: -1 is out of range"},
        {{"macro", "write", file.string()},
         R"({"events": [{"rect": []}]})",
         "events[0].rect: expected a JSON object"},
        {{"macro", "show", (dir / "missing.macro").string()}, "", "cannot read the file"},
        {{"macro", "show", cut.string()}, "", "the macro file ends early"},
        {{"macro", "list", (dir / "nowhere").string()}, "", "not a folder"},
    };
    for (const Case& c : cases) {
        CtlRun r = ctl(c.args, c.input);
        EXPECT_EQ(r.status, 2) << c.input;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_FALSE(std::filesystem::exists(file)) << c.input;
    }
}

// A macro whose file the reader would refuse is not written at all.
TEST(CtlMacro, WriteRefusesAMacroLargerThanTheReaderAccepts) {
    TempDir dir;
    const auto file = (dir / "big.macro").string();
    const std::size_t fits = (solune::kMaxMacroFileBytes - 28 - 2) / 32;  // name "b"
    for (const std::size_t rows : {fits, fits + 1}) {
        json events = json::array();
        for (std::size_t i = 0; i < rows; ++i) {
            events.push_back({{"kind", 1}, {"code", 65}});
        }
        const CtlRun r = ctl({"macro", "write", file},
                             json{{"name", "b"}, {"id", 1}, {"events", events}}.dump());
        if (rows == fits) {
            EXPECT_EQ(r.status, 0) << r.err;
            CMacro read;
            EXPECT_EQ(solune::LoadMacroFile(file, read), solune::MacroFileStatus::Complete);
            EXPECT_EQ(read.events.size(), rows);
            std::filesystem::remove(file);
        } else {
            EXPECT_EQ(r.status, 2);
            EXPECT_NE(r.err.find("more than the 1048576 a macro file may hold"), std::string::npos)
                << r.err;
            EXPECT_FALSE(std::filesystem::exists(file));
        }
    }
}

TEST(CtlMacro, WriteFillsMissingKeysWithZeroes) {
    TempDir dir;
    const auto file = dir / "m.macro";
    CtlRun r = ctl({"macro", "write", file.string()}, R"({"name": "N", "events": [{"code": 65}]})");
    ASSERT_EQ(r.status, 0) << r.err;
    CMacro read;
    ASSERT_EQ(solune::LoadMacroFile(file, read), solune::MacroFileStatus::Complete);
    EXPECT_EQ(read.name, u"N");
    EXPECT_EQ(read.id, 0);
    ASSERT_EQ(read.events.size(), 1u);
    EXPECT_EQ(read.events[0].kind, solune::kMacroKey);
    EXPECT_EQ(read.events[0].code, 65);
    EXPECT_EQ(read.events[0].serial, 0u);
}

TEST(CtlMacro, ListShowsEachMacroOfTheFolderAndWarnsAboutSkippedFiles) {
    TempDir dir;
    solune::MacroLibrary library;
    library.SetMacroFolder(dir / "Macros");
    library.SelectOrCreateMacro(16, u"One", {0, 0, 200, 199});
    library.AppendMacro(std::make_unique<CMacro>(sampleMacro(17)));
    library.SelectOrCreateMacro(18, u"Gone", {0, 0, 200, 199});
    ASSERT_EQ(library.SaveAllMacros(), solune::MacroSaveResult::Saved);
    std::filesystem::remove(dir / "Macros" / "Gone.macro");

    CtlRun text = ctl({"macro", "list", (dir / "Macros").string()});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out, "16\t0\tOne\n17\t3\tBr\u00fcst\n");
    EXPECT_NE(text.err.find("Gone.macro: skipped"), std::string::npos) << text.err;

    CtlRun asJson = ctl({"macro", "list", (dir / "Macros").string(), "--json"});
    EXPECT_EQ(asJson.status, 0);
    EXPECT_EQ(json::parse(asJson.out), json::parse(R"([{"name": "One", "id": 16, "eventCount": 0},
                              {"name": "Br\u00fcst", "id": 17, "eventCount": 3}])"));
}

TEST(CtlMacro, ListReadsTheUsersMacroFolderByDefault) {
    TempDir dir;
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    const std::string previous = saved != nullptr ? saved : "";
    ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
    solune::MacroLibrary library;
    library.SetMacroFolder(dir.path() / "Dravik" / "SOLUNE300" / "Macros");
    library.SelectOrCreateMacro(21, u"Mine", {0, 0, 200, 199});
    ASSERT_EQ(library.SaveAllMacros(), solune::MacroSaveResult::Saved);

    CtlRun r = ctl({"macro", "list"});
    saved != nullptr ? ::setenv("XDG_CONFIG_HOME", previous.c_str(), 1)
                     : ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "21\t0\tMine\n");
}

TEST(CtlMacro, ListWithoutIndexIsEmpty) {
    TempDir dir;
    CtlRun r = ctl({"macro", "list", dir.path().string(), "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(json::parse(r.out), json::array());
}

TEST(CtlAssignMacro, GivesTheButtonTheMacroAndACopyOfIt) {
    TempDir dir;
    const auto profileFile = dir / "P.profile";
    const auto macroFile = dir / "m.macro";
    ASSERT_TRUE(solune::SaveProfile(solune::Profile{}, profileFile));
    ASSERT_TRUE(solune::SaveMacroFile(sampleMacro(300), macroFile));

    CtlRun r = ctl({"profile", "assign-macro", profileFile.string(), "--button", "8", "--macro",
                    macroFile.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    solune::Profile read;
    ASSERT_EQ(solune::LoadProfile(profileFile, read), solune::ProfileReadResult::Complete);
    EXPECT_EQ(read.buttons[8].function, solune::kRecordMacro);
    EXPECT_EQ(read.buttons[8].parameter, 300);
    EXPECT_EQ(read.macros[8], sampleMacro(300).ToButtonMacro());
    solune::Profile expected;
    expected.buttons[8] = read.buttons[8];
    expected.macros[8] = read.macros[8];
    EXPECT_EQ(read, expected) << "nothing else changes";
}

TEST(CtlAssignMacro, BadInputLeavesTheProfileUntouched) {
    TempDir dir;
    const auto profileFile = dir / "P.profile";
    const auto macroFile = dir / "m.macro";
    const auto wideId = dir / "wide.macro";
    ASSERT_TRUE(solune::SaveProfile(solune::Profile{}, profileFile));
    ASSERT_TRUE(solune::SaveMacroFile(sampleMacro(), macroFile));
    ASSERT_TRUE(solune::SaveMacroFile(sampleMacro(40000), wideId));
    const auto before = ReadBytes(profileFile);

    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"--button", "9", "--macro", macroFile.string()}, "--button"},
        {{"--button", "1", "--macro", (dir / "none.macro").string()}, "cannot read the file"},
        {{"--button", "1", "--macro", wideId.string()}, "macro id 40000 does not fit a button"},
        {{"--macro", macroFile.string()}, "--button"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"profile", "assign-macro", profileFile.string()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        CtlRun r = ctl(args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(ReadBytes(profileFile), before) << c.message;
    }
    CtlRun notProfile = ctl({"profile", "assign-macro", macroFile.string(), "--button", "1",
                             "--macro", macroFile.string()});
    EXPECT_EQ(notProfile.status, 2);
    EXPECT_NE(notProfile.err.find("not a profile file"), std::string::npos) << notProfile.err;
}

}  // namespace
