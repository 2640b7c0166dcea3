// solune300ctl's profile commands, run in process with their own streams.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sys/stat.h>

#include <algorithm>

#include "config/device/SettingsImage.h"
#include "config/profiles/ProfileFile.h"
#include "tests/support/CtlRunner.h"
#include "tests/support/TempDir.h"

using solune::test::ReadBytes;
using solune::test::TempDir;
using solune::test::WriteBytes;
using solune::test::WriteText;

namespace {

using solune::test::CtlRun;

CtlRun ctl(std::vector<std::string> args, const std::string& input = "") {
    return solune::test::RunCtlCommand(std::move(args), input);
}

// A profile that uses every kind of field, saved by the library itself.
solune::Profile richProfile() {
    solune::Profile p;
    p.name = u"Näme \u20ac \U0001F5B1";
    p.enabled = 0;
    p.definedValue = 0xF0;
    p.zoneColors = {0xFFFFFFFF, 0x00010203, 0, 0x00FFFF00};
    p.liftOffDistance = 32;
    p.buttons[3] = {3, solune::kSingleKey, 0x7C, 3};
    p.buttons[6] = {6, solune::kRecordMacro, -2, 6};
    p.macros[6] = solune::ButtonMacro{
        u"Burst", -2, {{1, 0x20, 0, 0}, {1, 0x20, 1, 1 << 30}, {17, 151, 0, -7}}};
    p.macros[2] = solune::ButtonMacro{u"stale", 99, {{16, 1, 0, 5}}};
    return p;
}

}  // namespace

TEST(CtlProfile, NewWritesAFactoryDefaultProfile) {
    TempDir dir;
    const auto file = (dir / "P1.profile").string();
    CtlRun r = ctl({"profile", "new", file, "--name", "Profile1"});
    ASSERT_EQ(r.status, 0) << r.err;

    solune::Profile expected;
    expected.name = u"Profile1";
    solune::Profile read;
    ASSERT_EQ(solune::LoadProfile(file, read), solune::ProfileReadResult::Complete);
    EXPECT_EQ(read, expected);
}

TEST(CtlProfile, NewRefusesToReplaceAFileUnlessForced) {
    TempDir dir;
    const auto file = (dir / "keep.profile").string();
    WriteText(file, "mine");
    CtlRun r = ctl({"profile", "new", file});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(file), std::string::npos);
    EXPECT_EQ(ReadBytes(file).size(), 4u);
    EXPECT_EQ(ctl({"profile", "new", file, "--force"}).status, 0);
    EXPECT_GT(ReadBytes(file).size(), 4u);
}

TEST(CtlProfile, ShowThenWriteReproducesTheFileByteForByte) {
    TempDir dir;
    const auto original = (dir / "rich.profile").string();
    const auto copy = (dir / "copy.profile").string();
    ASSERT_TRUE(solune::SaveProfile(richProfile(), original));

    CtlRun show = ctl({"profile", "show", original});
    ASSERT_EQ(show.status, 0) << show.err;
    CtlRun write = ctl({"profile", "write", copy}, show.out);
    ASSERT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(ReadBytes(copy), ReadBytes(original));

    // And JSON -> file -> JSON gives the same JSON.
    EXPECT_EQ(ctl({"profile", "show", copy}).out, show.out);
}

TEST(CtlProfile, ShowUsesTheFieldNames) {
    TempDir dir;
    const auto file = (dir / "rich.profile").string();
    ASSERT_TRUE(solune::SaveProfile(richProfile(), file));
    const auto json = nlohmann::json::parse(ctl({"profile", "show", file}).out);
    EXPECT_EQ(json["name"], "Näme \u20ac \U0001F5B1");
    EXPECT_EQ(json["zoneColors"][0], 4294967295u);
    EXPECT_EQ(json["dpiLevels"][2], (nlohmann::json{{"x", 7000}, {"y", 7000}}));
    EXPECT_EQ(json["buttons"][3],
              (nlohmann::json{{"button", 3}, {"function", 13}, {"parameter", 124}}));
    EXPECT_EQ(json["macros"][6]["events"][2],
              (nlohmann::json{{"kind", 17}, {"code", 151}, {"edge", 0}, {"delay", -7}}));
    EXPECT_EQ(json.size(), 23u);
}

TEST(CtlProfile, WriteKeepsDefaultsForMissingKeys) {
    TempDir dir;
    const auto file = (dir / "partial.profile").string();
    ASSERT_EQ(ctl({"profile", "write", file}, R"({"name": "Quiet", "pollingInterval": 8})").status,
              0);
    solune::Profile expected;
    expected.name = u"Quiet";
    expected.pollingInterval = 8;
    solune::Profile read;
    ASSERT_EQ(solune::LoadProfile(file, read), solune::ProfileReadResult::Complete);
    EXPECT_EQ(read, expected);
}

TEST(CtlProfile, ImagePrintsTheSettingsImageAsHex) {
    TempDir dir;
    const auto file = (dir / "rich.profile").string();
    solune::Profile p = richProfile();
    ASSERT_TRUE(solune::SaveProfile(p, file));
    CtlRun r = ctl({"profile", "image", file, "--slot", "4"});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(r.out.size(), 4097u);
    EXPECT_EQ(r.out.back(), '\n');
    EXPECT_EQ(r.out.find_first_not_of("0123456789abcdef"), 4096u);

    p.slot = 4;
    solune::SettingsImage image{};
    ASSERT_EQ(solune::BuildSettingsImage(p, image), solune::CommandResult::Done);
    char hex[3];
    for (std::size_t i = 0; i < image.size(); ++i) {
        std::snprintf(hex, sizeof hex, "%02x", image[i]);
        ASSERT_EQ(r.out.substr(2 * i, 2), hex) << "byte " << i;
    }
}

TEST(CtlProfile, ImageRefusesMacrosOverTheLimit) {
    TempDir dir;
    const auto file = (dir / "big.profile").string();
    solune::Profile p;
    p.buttons[0] = {0, solune::kRecordMacro, 1, 0};
    p.macros[0] = solune::ButtonMacro{u"long", 1, std::vector<solune::CMacroEvent>(165)};
    ASSERT_TRUE(solune::SaveProfile(p, file));
    CtlRun r = ctl({"profile", "image", file});
    EXPECT_EQ(r.status, 3);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
}

TEST(CtlProfile, BadInputIsRefusedWithOneLineAndNothingWritten) {
    TempDir dir;
    const auto good = (dir / "good.profile").string();
    ASSERT_TRUE(solune::SaveProfile(richProfile(), good));
    const auto goodBytes = ReadBytes(good);
    const auto foreign = (dir / "foreign.profile").string();
    WriteBytes(foreign, {0x12, 0x06, 0x33, 0x02, 0, 0, 0, 0});
    const auto shortFile = (dir / "short.profile").string();
    WriteBytes(shortFile, std::vector<std::uint8_t>(goodBytes.begin(), goodBytes.begin() + 30));
    const auto missing = (dir / "missing.profile").string();

    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string names;  // what the message must name
    };
    const Case cases[] = {
        {{"profile", "show", missing}, "", missing},
        {{"profile", "show", dir.path().string()}, "", dir.path().string()},
        {{"profile", "show", foreign}, "", foreign},
        {{"profile", "image", shortFile}, "", shortFile},
        {{"profile", "write", good}, "{not json", good},
        {{"profile", "write", good}, "[1, 2]", good},
        {{"profile", "write", good}, R"({"pollingInterval": 40000})", "pollingInterval"},
        {{"profile", "write", good}, R"({"liftOffDistance": -1})", "liftOffDistance"},
        {{"profile", "write", good}, R"({"enabled": 1.5})", "enabled"},
        {{"profile", "write", good}, R"({"name": 5})", "name"},
        {{"profile", "write", good}, R"({"dpiLevels": [{"x": 1, "y": 2}]})", "dpiLevels"},
        {{"profile", "write", good}, R"({"zoneColors": [0, 0, 0, 4294967296]})", "zoneColors[3]"},
        {{"profile", "write", good}, R"({"buttons": [1,2,3,4,5,6,7,8,9]})", "buttons[0]"},
        {{"profile", "write", good},
         R"({"macros": [{}, {}, {"events": [{"kind": 256}]}, {}, {}, {}, {}, {}, {}]})",
         "macros[2].events[0].kind"},
        {{"profile", "write", good}, R"({"colour": 1})", "colour"},
        {{"profile", "image", good, "--slot", "5"}, "", "--slot"},
        {{"profile", "new", (dir / "x.profile").string(), "--name", "\xff"}, "", "UTF-8"},
        {{"profile"}, "", "profile"},
    };
    for (const Case& c : cases) {
        CtlRun r = ctl(c.args, c.input);
        const std::string label = c.args.back() + " <" + c.input + ">";
        EXPECT_EQ(r.status, 2) << label;
        EXPECT_TRUE(r.out.empty()) << label;
        EXPECT_NE(r.err.find(c.names), std::string::npos) << label << ": " << r.err;
        EXPECT_EQ(ReadBytes(good), goodBytes) << label;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "x.profile"));
    EXPECT_FALSE(std::filesystem::exists(missing));
}

// A pipe in place of a profile, a runaway file and runaway input are refused
// at once with one line, without reading them.
TEST(CtlProfile, PipesHugeFilesAndRunawayInputAreRefusedWithOneLine) {
    TempDir dir;
    const auto pipe = (dir / "pipe.profile").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto huge = (dir / "huge.profile").string();
    ASSERT_TRUE(solune::SaveProfile(richProfile(), huge));
    std::filesystem::resize_file(huge, solune::kMaxProfileFileBytes + 1);  // sparse
    const auto good = (dir / "good.profile").string();
    ASSERT_TRUE(solune::SaveProfile(richProfile(), good));
    const auto goodBytes = ReadBytes(good);
    const auto macro = (dir / "m.macro").string();
    ASSERT_EQ(ctl({"macro", "write", macro}, R"({"name": "m", "id": 1})").status, 0);

    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string says;
    };
    const Case cases[] = {
        {{"profile", "show", pipe}, "", "not a regular file"},
        {{"profile", "image", pipe}, "", "not a regular file"},
        {{"profile", "assign-macro", pipe, "--macro", macro, "--button", "1"},
         "",
         "not a regular file"},
        {{"device", "write-profile", pipe, "--slot", "0"}, "", "not a regular file"},
        {{"profile", "show", huge}, "", "larger than 4194304 bytes"},
        {{"profile", "write", good}, std::string(100000, '['), "nested more than 64 levels"},
        {{"profile", "write", good}, std::string((64u << 20) + 1, ' '), "larger than 67108864"},
    };
    for (const Case& c : cases) {
        CtlRun r = ctl(c.args, c.input);
        const std::string label = c.args[0] + " " + c.args[1];
        EXPECT_EQ(r.status, 2) << label;
        EXPECT_TRUE(r.out.empty()) << label;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << label << ": " << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << label;
    }
    EXPECT_EQ(ReadBytes(good), goodBytes);
}

// Writing onto a link to a file that does not exist yet makes that file and
// keeps the link.
TEST(CtlProfile, WriteThroughADanglingLinkKeepsTheLink) {
    TempDir dir;
    std::filesystem::create_symlink("kept/real.profile", dir / "link.profile");
    std::filesystem::create_directory(dir / "kept");
    const auto link = (dir / "link.profile").string();
    CtlRun r = ctl({"profile", "write", link}, "{}");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "kept" / "real.profile"));
}

TEST(CtlProfile, EveryLevelHasHelp) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--help"},
                                                 {"profile", "--help"},
                                                 {"profile", "new", "--help"},
                                                 {"profile", "show", "--help"},
                                                 {"profile", "write", "--help"},
                                                 {"profile", "image", "--help"}}) {
        CtlRun r = ctl(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.out.find("Usage:"), std::string::npos) << args.back();
    }
}

// A file that cannot be written is refused with the reason, not only the fact.
TEST(CtlProfile, AWriteThatFailsSaysWhy) {
    TempDir dir;
    WriteText((dir / "plain").string(), "a file, not a folder");
    const auto file = (dir / "plain" / "P1.profile").string();
    CtlRun r = ctl({"profile", "new", file});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "solune300ctl: " + file +
                         ": cannot write the file: a file is in the place of its folder\n");
}
