// The X11 backend on a private virtual X server (Xvfb), read back through a
// connection of its own with XGetPointerControl; and solune300ctl pointer on
// that server. The program exits with 77 (skipped) where Xvfb is missing.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <iostream>
#include <nlohmann/json.hpp>

#include "config/profiles/ApplyPointerSettings.h"
#include "config/profiles/ProfileFile.h"
#include "platform/pointer/ChooseDesktopPointerSettings.h"
#include "platform/pointer/X11PointerSettings.h"
#include "tests/platform/pointer/XServerAcceleration.h"
#include "tests/support/CtlRunner.h"
#include "tests/support/TempDir.h"
#include "tests/support/XvfbServer.h"

namespace solune::test {
namespace {

class X11PointerSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SetServerAcceleration(3, 1, 7));  // a start that no profile gives
        m_backend = X11PointerSettings::Open();
        ASSERT_NE(m_backend, nullptr);
    }

    std::unique_ptr<X11PointerSettings> m_backend;
};

TEST(X11Mapping, EachTripleHasItsAccelerationOrNone) {
    struct Case {
        std::array<int, 3> triple;
        std::optional<std::array<int, 3>> x;  // numerator, denominator, threshold (-1: kept)
    };
    const Case cases[] = {
        {{0, 0, 0}, std::array{1, 1, -1}}, {{10, 0, 1}, std::array{2, 1, 10}},
        {{6, 10, 1}, std::array{2, 1, 6}}, {{4, 6, 1}, std::array{2, 1, 4}},
        {{4, 6, 2}, std::nullopt},         {{0, 0, 1}, std::nullopt},
        {{10, 0, 0}, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto x = X11AccelerationFor(c.triple[0], c.triple[1], c.triple[2]);
        ASSERT_EQ(x.has_value(), c.x.has_value()) << c.triple[0] << c.triple[1] << c.triple[2];
        if (x) {
            EXPECT_EQ((std::array{x->numerator, x->denominator, x->threshold.value_or(-1)}), *c.x);
        }
    }
}

TEST_F(X11PointerSettingsTest, EachLevelReachesTheServer) {
    const std::array<std::array<int, 3>, 3> expected{{{2, 1, 10}, {2, 1, 6}, {2, 1, 4}}};
    for (int level = 1; level <= 3; ++level) {
        Profile profile;
        profile.accelerationEnabled = 1;
        profile.accelerationLevel = static_cast<std::int16_t>(level);
        ApplyWindowsPointerSettings(profile, *m_backend);
        EXPECT_EQ(ServerAcceleration(), expected[level - 1]) << "level " << level;
    }
}

TEST_F(X11PointerSettingsTest, AccelerationOffIsOneToOneAndKeepsTheThreshold) {
    Profile profile;
    profile.accelerationEnabled = 0;
    ApplyWindowsPointerSettings(profile, *m_backend);
    EXPECT_EQ(ServerAcceleration(), (std::array{1, 1, 7}));
}

TEST_F(X11PointerSettingsTest, WhatTheServerCannotExpressLeavesItAlone) {
    m_backend->SetDoubleClickTime(300);
    m_backend->SetMouseSpeed(20);
    m_backend->SetWheelScrollLines(kWheelPageScroll);
    m_backend->SetMouseAcceleration(4, 6, 2);  // a triple of no level
    EXPECT_EQ(ServerAcceleration(), (std::array{3, 1, 7}));
}

TEST_F(X11PointerSettingsTest, CurrentValuesAreTheServers) {
    const auto values = m_backend->CurrentValues();
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].name, "acceleration-numerator");
    EXPECT_EQ(std::get<int>(values[0].value), 3);
    EXPECT_EQ(values[1].name, "acceleration-denominator");
    EXPECT_EQ(std::get<int>(values[1].value), 1);
    EXPECT_EQ(values[2].name, "threshold");
    EXPECT_EQ(std::get<int>(values[2].value), 7);
}

TEST_F(X11PointerSettingsTest, AnX11SessionWithoutGnomeGetsTheX11Backend) {
    ::unsetenv("SOLUNE300_POINTER_BACKEND");
    ::unsetenv("WAYLAND_DISPLAY");
    ::setenv("XDG_CURRENT_DESKTOP", "XFCE", 1);
    ::setenv("XDG_SESSION_TYPE", "x11", 1);
    EXPECT_EQ(ChooseDesktopPointerSettings()->Name(), "x11");
}

TEST_F(X11PointerSettingsTest, CtlAppliesAProfileToTheServer) {
    TempDir dir;
    Profile profile;
    profile.accelerationEnabled = 1;
    ASSERT_TRUE(SaveProfile(profile, dir / "p.profile"));
    ::setenv("SOLUNE300_POINTER_BACKEND", "x11", 1);
    const CtlRun run = RunCtlCommand(
        {"pointer", "apply", (dir / "p.profile").string(), "--acceleration-level", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ServerAcceleration(), (std::array{2, 1, 6}));
    const nlohmann::json shown = nlohmann::json::parse(RunCtlCommand({"pointer", "show"}).out);
    EXPECT_EQ(shown, nlohmann::json::parse(run.out));
    EXPECT_EQ(shown["backend"], "x11");
    EXPECT_EQ(shown["values"]["threshold"], 6);
}

}  // namespace
}  // namespace solune::test

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();  // listing the tests needs no server
    }
    if (!solune::test::OnPath("Xvfb")) {
        std::cerr << "Xvfb is missing: skipped\n";
        return 77;
    }
    solune::test::XvfbServer server;
    if (server.display().empty()) {
        std::cerr << "Xvfb did not start\n";
        return 1;
    }
    ::setenv("DISPLAY", server.display().c_str(), 1);
    return RUN_ALL_TESTS();
}
