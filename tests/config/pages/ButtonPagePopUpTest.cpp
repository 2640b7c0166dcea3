// The pop-ups of the button page: the Left Click guard and the key
// assignment, answered as a user answers them.

#include "shared/skin/CVixComboButton.h"
#include "tests/config/pages/ButtonPageFixture.h"

namespace solune {
namespace {

class ButtonPagePopUp : public test::ButtonPageFixture {
  protected:
    struct Shown {
        QString caption;
        int id;
        int value;
        bool operator==(const Shown&) const = default;
    };
    Shown State(int button) {
        return {Selector(button).caption(), Selector(button).chosenItemId(),
                Selector(button).chosenValue()};
    }
};

TEST_F(ButtonPagePopUp, WithTwoLeftClicksEitherMayChangeThenTheLastOneIsGuarded) {
    ASSERT_TRUE(Choose(2, "Left Click"));
    ASSERT_EQ(Selector(2).chosenItemId(), kLeftClick);

    // Two "Left Click" buttons: the first may change.
    ASSERT_TRUE(Choose(0, "Back"));
    EXPECT_EQ(popUpsSeen(), 0);
    EXPECT_EQ(Selector(0).caption(), "Back");
    EXPECT_EQ(Selector(0).chosenItemId(), kBack);

    // Now button 3 holds the last one: the warning, and nothing changes,
    // whether the pop-up is left with OK or with Close.
    AnswerWith("OK");
    ASSERT_TRUE(Choose(2, "Scroll up"));
    EXPECT_EQ(popUpsSeen(), 1);
    EXPECT_FALSE(lastPopUpCapturedKeys());
    EXPECT_EQ(Selector(2).caption(), "Left Click");
    EXPECT_EQ(Selector(2).chosenItemId(), kLeftClick);

    AnswerWith("Close");
    ASSERT_TRUE(Choose(2, "Single key assign..."));
    EXPECT_EQ(popUpsSeen(), 2);
    EXPECT_FALSE(lastPopUpCapturedKeys());  // the guard comes first
    EXPECT_EQ(Selector(2).chosenItemId(), kLeftClick);

    Profile profile;
    page->StoreToProfile(profile);
    EXPECT_EQ(profile.buttons[2].function, kLeftClick);
    EXPECT_EQ(profile.buttons[0].function, kBack);
}

TEST_F(ButtonPagePopUp, TheOtherOfTwoLeftClicksMayChangeFirst) {
    ASSERT_TRUE(Choose(4, "Left Click"));
    ASSERT_TRUE(Choose(4, "Dpi up"));
    EXPECT_EQ(popUpsSeen(), 0);
    EXPECT_EQ(Selector(4).chosenItemId(), kDpiUp);
    AnswerWith("OK");
    ASSERT_TRUE(Choose(0, "Dpi up"));
    EXPECT_EQ(popUpsSeen(), 1);
    EXPECT_EQ(Selector(0).chosenItemId(), kLeftClick);
}

TEST_F(ButtonPagePopUp, LeftClickAgainOnTheOnlyLeftClickButtonWarnsNot) {
    ASSERT_TRUE(Choose(0, "Left Click"));
    EXPECT_EQ(popUpsSeen(), 0);
    EXPECT_EQ(Selector(0).caption(), "Left Click");
    EXPECT_EQ(Selector(0).chosenItemId(), kLeftClick);
}

TEST_F(ButtonPagePopUp, TheLastLeftClickCannotTakeAMacro) {
    macros.Add(16, u"Burst");
    page->RefreshMacroMenus();
    AnswerWith("OK");
    ASSERT_TRUE(Choose(0, "Burst"));
    EXPECT_EQ(popUpsSeen(), 1);
    EXPECT_EQ(Selector(0).caption(), "Left Click");
    EXPECT_EQ(Selector(0).chosenItemId(), kLeftClick);
}

TEST_F(ButtonPagePopUp, AKeyCapturedInThePopUpIsAssigned) {
    AnswerWith("OK", {0xA0, 0x41});
    ASSERT_TRUE(Choose(3, "Single key assign..."));
    EXPECT_EQ(popUpsSeen(), 1);
    EXPECT_TRUE(lastPopUpCapturedKeys());
    EXPECT_EQ(State(3), (Shown{"A", kSingleKey, 0x41}));

    Profile profile;
    page->StoreToProfile(profile);
    EXPECT_EQ(profile.buttons[3].function, kSingleKey);
    EXPECT_EQ(profile.buttons[3].parameter, 0x41);
}

TEST_F(ButtonPagePopUp, OkBeforeAnyKeyAssignsKeyZero) {
    AnswerWith("OK");
    ASSERT_TRUE(Choose(8, "Single key assign..."));
    EXPECT_EQ(State(8), (Shown{"", kSingleKey, 0}));
    Profile profile;
    page->StoreToProfile(profile);
    EXPECT_EQ(profile.buttons[8].function, kSingleKey);
    EXPECT_EQ(profile.buttons[8].parameter, 0);
}

TEST_F(ButtonPagePopUp, CancelOrCloseLeaveTheSelectorAsItWas) {
    Profile profile;
    profile.buttons[5] = {5, kSingleKey, 0x70, kDpiUp};
    page->LoadFromProfile(profile);
    const Shown before = State(5);
    ASSERT_EQ(before, (Shown{"F1", kSingleKey, 0x70}));
    for (const char* answer : {"Cancel", "Close"}) {
        SCOPED_TRACE(answer);
        AnswerWith(answer, {0x42});
        ASSERT_TRUE(Choose(5, "Single key assign..."));
        EXPECT_TRUE(lastPopUpCapturedKeys());
        EXPECT_EQ(State(5), before);
    }
    EXPECT_EQ(popUpsSeen(), 2);
}

}  // namespace
}  // namespace solune
