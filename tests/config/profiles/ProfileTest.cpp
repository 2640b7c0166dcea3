#include "config/profiles/Profile.h"

#include <gtest/gtest.h>

using solune::ButtonMacro;
using solune::CMacroEvent;
using solune::Profile;

namespace {

ButtonMacro sampleMacro(std::int32_t id) {
    return ButtonMacro{u"Combo", id, {CMacroEvent{1, 0x41, 0, 0}, CMacroEvent{1, 0x41, 1, 30}}};
}

// A profile with every kind of field changed from its default.
Profile changedProfile() {
    Profile p;
    p.filePath = "/data/Profile3.profile";
    p.name = u"Sniper";
    p.slot = 2;
    p.enabled = 0;
    p.pollingInterval = 8;
    p.doubleClickSetting = 400;
    p.accelerationLevel = 3;
    p.dpiLevels[1] = {800, 900};
    p.liftOffDistance = 3;
    p.zoneColors[2] = 0x0000FF;
    p.buttons[4].function = solune::kRecordMacro;
    p.buttons[4].parameter = 21;
    p.buttons[4].fallbackFunction = 9;
    p.macros[4] = sampleMacro(21);
    return p;
}

}  // namespace

TEST(Profile, ANewRecordHoldsTheFactoryDefaults) {
    const Profile p;
    EXPECT_EQ(p.enabled, 1);
    EXPECT_EQ(p.name, u"profile");
    EXPECT_EQ(p.slot, 0);
    EXPECT_TRUE(p.filePath.empty());
    EXPECT_EQ(p.reserved, 179);
    EXPECT_EQ(p.pollingInterval, 1);
    EXPECT_EQ(p.doubleClickSetting, 800);
    EXPECT_EQ(p.scrollLines, 2);
    EXPECT_EQ(p.scrollByLines, 1);
    EXPECT_EQ(p.scrollByPage, 0);
    EXPECT_EQ(p.accelerationEnabled, 0);
    EXPECT_EQ(p.accelerationLevel, 1);
    EXPECT_EQ(p.dpiStageIndex, 2);
    EXPECT_EQ(p.separateXY, 0);
    EXPECT_EQ(p.definedMode, 0);
    EXPECT_EQ(p.dpiLevels[0], (solune::DpiLevel{400, 400}));
    EXPECT_EQ(p.dpiLevels[1], (solune::DpiLevel{1600, 1600}));
    EXPECT_EQ(p.dpiLevels[2], (solune::DpiLevel{7000, 7000}));
    EXPECT_EQ(p.pointerSpeed, 5);
    EXPECT_EQ(p.liftOffDistance, 12);
    EXPECT_EQ(p.surfaceQuality, 0);
    EXPECT_EQ(p.angleSnap, 0);
    EXPECT_EQ(p.definedValue, 0);
    EXPECT_EQ(p.lightingZones, 15);
    EXPECT_EQ(p.lightingEffect, 1);
    for (solune::ColorRef c : p.zoneColors) {
        EXPECT_EQ(c, 0xFFFF00u);
    }
    const std::uint8_t functions[9] = {0, 1, 2, 3, 4, 5, 6, 15, 15};
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(p.buttons[k].button, k);
        EXPECT_EQ(p.buttons[k].function, functions[k]);
        EXPECT_EQ(p.buttons[k].parameter, 0);
        EXPECT_EQ(p.buttons[k].fallbackFunction, functions[k]);
        EXPECT_EQ(p.macros[k], ButtonMacro{});
    }
}

TEST(Profile, SetFactoryDefaultsForgetsEverything) {
    Profile p = changedProfile();
    p.SetFactoryDefaults();
    EXPECT_EQ(p, Profile{});
}

TEST(Profile, ResetToDefaultsKeepsNamePathSlotMacrosAndFallbacks) {
    Profile p = changedProfile();
    const Profile before = p;
    p.ResetToDefaults();

    Profile expected;  // the defaults, with the kept fields of `before`
    expected.filePath = before.filePath;
    expected.name = before.name;
    expected.slot = before.slot;
    expected.macros = before.macros;
    for (int k = 0; k < 9; ++k) {
        expected.buttons[k].fallbackFunction = before.buttons[k].fallbackFunction;
    }
    EXPECT_EQ(p, expected);
    EXPECT_EQ(p.enabled, 1);
    EXPECT_EQ(p.buttons[4].function, solune::kBack);
    EXPECT_EQ(p.buttons[4].parameter, 0);
}

TEST(Profile, MacroNameOfReadsTheCopyOfTheEntrysButton) {
    Profile p = changedProfile();
    EXPECT_EQ(p.MacroNameOf(p.buttons[4]), u"Combo");
    EXPECT_EQ(p.MacroNameOf(p.buttons[0]), u"");
    solune::ButtonAssignment outside{9, solune::kRecordMacro, 21, 0};
    EXPECT_EQ(p.MacroNameOf(outside), u"");
}

TEST(Profile, AssignMacroCopiesTheFoundMacro) {
    Profile p;
    p.buttons[6].function = solune::kRecordMacro;
    p.buttons[6].parameter = 33;
    ButtonMacro library = sampleMacro(33);
    p.AssignMacro(p.buttons[6], &library);
    library.events.clear();  // the profile keeps its own copy
    EXPECT_EQ(p.macros[6], sampleMacro(33));
    EXPECT_EQ(p.buttons[6].function, solune::kRecordMacro);
    EXPECT_EQ(p.buttons[6].parameter, 33);
}

TEST(Profile, AssignMacroWithoutAMacroRestoresTheDefaultFunction) {
    Profile p = changedProfile();
    p.buttons[5].function = solune::kRecordMacro;
    p.buttons[5].parameter = 404;
    p.AssignMacro(p.buttons[5], nullptr);
    EXPECT_EQ(p.buttons[5].function, solune::kDpiUp);
    EXPECT_EQ(p.buttons[5].parameter, 0);
}
