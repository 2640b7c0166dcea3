// solune300ctl pointer show / apply through the backend chooser, on the
// GSettings backend with gio's in-memory store (GSETTINGS_BACKEND=memory) and
// on the backend that changes nothing.

#include <gtest/gtest.h>

#include <cstdlib>
#include <nlohmann/json.hpp>

#include "config/profiles/ProfileFile.h"
#include "tests/support/CtlRunner.h"
#include "tests/support/TempDir.h"

namespace solune::test {
namespace {

class PointerCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_STREQ(std::getenv("GSETTINGS_BACKEND"), "memory");
        ::setenv("SOLUNE300_POINTER_BACKEND", "gsettings", 1);
        Profile profile;
        profile.doubleClickSetting = 1250;  // 350 ms
        profile.pointerSpeed = 3;           // GNOME -0.4
        profile.accelerationEnabled = 0;
        ASSERT_TRUE(SaveProfile(profile, m_file));
    }

    TempDir m_dir;
    std::filesystem::path m_file = m_dir / "p.profile";
};

TEST_F(PointerCommandsTest, ApplyWritesTheProfileAndShowReadsItBack) {
    const CtlRun applied = RunCtlCommand({"pointer", "apply", m_file.string()});
    ASSERT_EQ(applied.status, 0) << applied.err;
    const CtlRun shown = RunCtlCommand({"pointer", "show"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out, applied.out);
    EXPECT_EQ(shown.out,
              "{\n"
              "  \"backend\": \"gsettings\",\n"
              "  \"values\": {\n"
              "    \"double-click\": 350,\n"
              "    \"speed\": -0.4,\n"
              "    \"accel-profile\": \"flat\"\n"
              "  }\n"
              "}\n");
}

TEST_F(PointerCommandsTest, AnAccelerationLevelSwitchesAccelerationOn) {
    Profile profile;
    ASSERT_EQ(LoadProfile(m_file, profile), ProfileReadResult::Complete);
    profile.accelerationEnabled = 1;
    ASSERT_TRUE(SaveProfile(profile, m_file));
    const CtlRun run =
        RunCtlCommand({"pointer", "apply", m_file.string(), "--acceleration-level", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out)["values"]["accel-profile"], "adaptive");
}

TEST_F(PointerCommandsTest, BadInputChangesNothing) {
    const std::string before = RunCtlCommand({"pointer", "show"}).out;
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"pointer", "apply", (m_dir / "missing.profile").string()}, "cannot read the file"},
        {{"pointer", "apply", m_file.string(), "--acceleration-level", "4"}, "pointer apply"},
        {{"pointer", "apply"}, "PROFILE is required"},
    };
    for (const Case& c : cases) {
        const CtlRun run = RunCtlCommand(c.args);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(RunCtlCommand({"pointer", "show"}).out, before) << c.message;
    }
}

TEST_F(PointerCommandsTest, WithoutABackendNothingChangesAndApplySaysSo) {
    ::setenv("SOLUNE300_POINTER_BACKEND", "none", 1);
    const CtlRun run = RunCtlCommand({"pointer", "apply", m_file.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{\n  \"backend\": \"none\",\n  \"values\": {}\n}\n");
    EXPECT_NE(run.err.find("nothing was changed"), std::string::npos) << run.err;
    EXPECT_EQ(RunCtlCommand({"pointer", "show"}).out, run.out);
}

}  // namespace
}  // namespace solune::test
