// W38Updater's command line: the package folder, the usage and bad arguments.

#include "updater/app/UpdaterArguments.h"

#include <gtest/gtest.h>

#include "platform/ProgramArguments.h"
#include "tests/support/TempDir.h"

namespace solune::test {
namespace {

namespace fs = std::filesystem;
using Action = UpdaterArguments::Action;

TEST(UpdaterArguments, ThePackageFolderComesFromTheCommandLineOrBesideTheProgram) {
    TempDir dir;
    fs::create_directories(dir / "pkg");
    WriteText(dir / "pkg" / "config.ini", "[Firmware]\n");
    const fs::path program = "/opt/prog";
    struct Case {
        std::vector<std::string> arguments;
        fs::path folder;
    };
    const std::vector<Case> cases = {
        {{}, program},
        {{(dir / "pkg").string()}, dir / "pkg"},
        {{(dir / "pkg" / "config.ini").string()}, dir / "pkg"},  // a file: its folder
        {{(dir / "not-there").string()}, dir / "not-there"},     // the check at start tells
        {{"-"}, fs::current_path() / "-"},
    };
    for (const Case& c : cases) {
        const UpdaterArguments parsed = ParseUpdaterArguments(c.arguments, program);
        EXPECT_EQ(parsed.action, Action::Run);
        EXPECT_EQ(parsed.packageFolder, c.folder);
    }
}

TEST(UpdaterArguments, ARelativeFolderCountsFromTheCurrentFolder) {
    const UpdaterArguments parsed = ParseUpdaterArguments({"downloads/pkg"}, "/opt/prog");
    EXPECT_EQ(parsed.packageFolder, fs::current_path() / "downloads" / "pkg");
}

TEST(UpdaterArguments, UsageAndBadArguments) {
    struct Case {
        std::vector<std::string> arguments;
        Action action;
    };
    const std::vector<Case> cases = {
        {{"--help"}, Action::Help},   {{"pkg", "-h"}, Action::Help}, {{"a", "b"}, Action::Error},
        {{"--force"}, Action::Error}, {{""}, Action::Error},         {{"-x", "pkg"}, Action::Error},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseUpdaterArguments(c.arguments, "/opt/prog").action, c.action)
            << ::testing::PrintToString(c.arguments);
    }
    const char* help[] = {"W38Updater", "-platform", "offscreen", "--help"};
    EXPECT_TRUE(AsksForUsage(4, help));
    EXPECT_FALSE(AsksForUsage(3, help));
}

}  // namespace
}  // namespace solune::test
