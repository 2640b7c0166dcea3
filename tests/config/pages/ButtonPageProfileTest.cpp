// LoadFromProfile and StoreToProfile of the button page: what a profile shows
// and what the page writes back.

#include "config/profiles/ButtonFunction.h"
#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixSliderCtrl.h"
#include "tests/config/pages/ButtonPageFixture.h"

namespace solune {
namespace {

class ButtonPageProfile : public test::ButtonPageFixture {
  protected:
    // A profile whose other fields differ from the defaults, so a store that
    // touched them would show.
    static Profile Unusual() {
        Profile profile;
        profile.name = u"Unusual";
        profile.pointerSpeed = 9;
        profile.liftOffDistance = 20;
        profile.lightingEffect = 3;
        profile.dpiLevels[1] = {800, 900};
        profile.reserved = 7;
        profile.scrollByPage = 1;
        return profile;
    }

    // Loads `profile`, stores into a copy of it and returns the copy.
    Profile RoundTrip(const Profile& profile) {
        page->LoadFromProfile(profile);
        Profile stored = profile;
        page->StoreToProfile(stored);
        return stored;
    }
};

TEST_F(ButtonPageProfile, EveryFunctionWithAMenuRowRoundTrips) {
    for (int code = 0; code < kButtonFunctionCount; ++code) {
        if (code == kNoFunction || code == kSingleKey || code == kRecordMacro) {
            continue;
        }
        for (int k = 0; k < kButtonCount; ++k) {
            SCOPED_TRACE(testing::Message() << "function " << code << ", button " << k);
            Profile profile = Unusual();
            profile.buttons[k].function = static_cast<std::uint8_t>(code);
            const Profile stored = RoundTrip(profile);
            EXPECT_EQ(Selector(k).caption().toStdString(), kButtonFunctions[code].menuText);
            EXPECT_EQ(Selector(k).chosenItemId(), code);
            EXPECT_EQ(stored, profile);
        }
    }
}

TEST_F(ButtonPageProfile, AFunctionWithoutMenuRowLeavesTheSelectorAsItWas) {
    Profile forward;
    forward.buttons[6].function = kForward;
    page->LoadFromProfile(forward);

    Profile seven;
    seven.buttons[6].function = kNoFunction;
    page->LoadFromProfile(seven);
    EXPECT_EQ(Selector(6).caption(), "Forward");
    EXPECT_EQ(Selector(6).chosenItemId(), kForward);
    page->StoreToProfile(seven);
    EXPECT_EQ(seven.buttons[6].function, kForward);
}

TEST_F(ButtonPageProfile, CodesThatAreNoFunctionAreNotTakenFromADamagedProfile) {
    // 255 is the id of "Default Commands" and 20 could be a macro row's id:
    // neither is a function a button can store.
    macros.Add(20, u"Macro20");
    for (std::uint8_t code : {std::uint8_t{255}, std::uint8_t{20}, std::uint8_t{16}}) {
        SCOPED_TRACE(static_cast<int>(code));
        Profile profile;
        profile.buttons[2].function = code;
        page->LoadFromProfile(profile);
        EXPECT_EQ(Selector(2).caption(), "Scroll Click");
        EXPECT_EQ(Selector(2).chosenItemId(), kScrollClick);
    }
}

TEST_F(ButtonPageProfile, SingleKeysShowTheirKeyName) {
    struct Case {
        std::int16_t code;
        QString caption;
    };
    const Case cases[] = {{0x41, "A"}, {0x26, "UP ARROW "}, {0x61, "1"}, {0, ""}, {300, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        Profile profile = Unusual();
        profile.buttons[3] = {3, kSingleKey, c.code, kForward};
        const Profile stored = RoundTrip(profile);
        EXPECT_EQ(Selector(3).caption(), c.caption);
        EXPECT_EQ(Selector(3).chosenItemId(), kSingleKey);
        EXPECT_EQ(Selector(3).chosenValue(), c.code);
        EXPECT_EQ(stored, profile);
    }
}

TEST_F(ButtonPageProfile, APresentMacroIsCopiedAfresh) {
    macros.Add(16, u"Library name", 0x42);
    Profile profile = Unusual();
    profile.buttons[5] = {5, kRecordMacro, 16, kDpiUp};
    profile.macros[5].name = u"Stored copy";
    profile.macros[5].id = 16;

    page->LoadFromProfile(profile);
    EXPECT_EQ(Selector(5).caption(), "Stored copy");  // the profile's copy names it
    EXPECT_EQ(Selector(5).chosenItemId(), kRecordMacro);
    EXPECT_EQ(Selector(5).chosenValue(), 16);

    Profile stored = profile;
    page->StoreToProfile(stored);
    Profile expected = profile;
    expected.macros[5] = *macros.MacroById(16);
    EXPECT_EQ(stored, expected);
    EXPECT_EQ(stored.macros[5].name, u"Library name");
    EXPECT_EQ(stored.macros[5].events.size(), 2u);
}

TEST_F(ButtonPageProfile, AnAbsentMacroFallsBackToTheDefaultFunction) {
    Profile profile = Unusual();
    profile.buttons[1] = {1, kRecordMacro, 40, kRightClick};
    profile.macros[1].name = u"Gone";
    profile.macros[1].id = 40;

    page->LoadFromProfile(profile);
    EXPECT_EQ(Selector(1).caption(), "Gone");

    Profile stored = profile;
    page->StoreToProfile(stored);
    Profile expected = profile;
    expected.buttons[1].function = kRightClick;
    expected.buttons[1].parameter = 0;
    EXPECT_EQ(stored, expected);

    // The macro page stores and loads right after a deletion: the selector
    // then shows the fallback.
    page->LoadFromProfile(stored);
    EXPECT_EQ(Selector(1).caption(), "Right Click");
}

TEST_F(ButtonPageProfile, ReportIntervalsTickTheirBox) {
    struct Case {
        std::int16_t interval;
        const char* ticked;  // nullptr: none
    };
    const Case cases[] = {{1, "1000"}, {2, "500"}, {4, "250"}, {8, "125"}, {3, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.interval);
        Profile profile = Unusual();
        profile.pollingInterval = c.interval;
        const Profile stored = RoundTrip(profile);
        for (const char* box : {"125", "250", "500", "1000"}) {
            const bool expected = c.ticked && std::string_view(box) == c.ticked;
            EXPECT_EQ(Control<CVixCheckBox>(box).isChecked(), expected) << box;
        }
        EXPECT_EQ(stored, profile);  // 3 stays 3
    }
}

TEST_F(ButtonPageProfile, SlidersAndEnableRoundTrip) {
    struct Case {
        std::int16_t doubleClick;
        std::int16_t lines;
        std::int32_t enabled;
        std::int16_t level;
    };
    const Case cases[] = {{200, 1, 0, 1}, {1400, 6, 1, 3}, {600, 4, 0, 3}, {1000, 2, 1, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.doubleClick);
        Profile profile = Unusual();
        profile.doubleClickSetting = c.doubleClick;
        profile.scrollLines = c.lines;
        profile.accelerationEnabled = c.enabled;
        profile.accelerationLevel = c.level;
        const Profile stored = RoundTrip(profile);
        EXPECT_EQ(Control<CVixSliderCtrl>("Double Click").value(), c.doubleClick);
        EXPECT_EQ(Control<CVixSliderCtrl>("Scroll Speed").value(), c.lines);
        EXPECT_EQ(Control<CVixCheckBox>("Enable").isChecked(), c.enabled != 0);
        CVixSliderCtrl& acceleration = Control<CVixSliderCtrl>("Point Acceleration");
        EXPECT_EQ(acceleration.value(), c.level);
        EXPECT_EQ(acceleration.state(),
                  c.enabled ? CVixSliderCtrl::kNormal : CVixSliderCtrl::kDisabled);
        EXPECT_EQ(stored, profile);
    }
}

}  // namespace
}  // namespace solune
