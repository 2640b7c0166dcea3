// The lighting page driven as the user drives it: clicks on its buttons, keys
// into its edits, the edit timer ticked by hand.

#include <QKeyEvent>

#include "config/pages/CColorPanel.h"
#include "config/pages/CColorSettingsDlg.h"
#include "config/pages/CVixCbnColorButton.h"
#include "config/pages/ColorValues.h"
#include "shared/layout/LightingPageLayout.h"
#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/CVixEdit.h"
#include "shared/skin/CVixMouseStatic.h"
#include "tests/config/pages/PageFixture.h"

namespace solune::test {
namespace {

class LightingPageTest : public PageFixture {
  protected:
    void SetUp() override {
        page = std::make_unique<CColorSettingsDlg>(Context());
        ShowPage(page.get());
        preview = Find<CVixMouseStatic>(page.get(), "Mouse");
    }

    bool Selected(const char* name) { return Find<CVixButton>(page.get(), name)->isSelected(); }
    bool Visible(const char* name) { return Find(page.get(), name)->isVisible(); }
    QString Text(const char* name) { return Find<CVixEdit>(page.get(), name)->text(); }
    void TypeInto(const char* name, const QString& keys) {
        CVixEdit* edit = Find<CVixEdit>(page.get(), name);
        edit->clear();
        QTest::keyClicks(edit, keys);
    }
    void TickEdits() { Tick(page.get(), page->editTimerId()); }
    Profile Stored() {
        Profile p;
        page->StoreToProfile(p);
        return p;
    }

    std::unique_ptr<CColorSettingsDlg> page;
    CVixMouseStatic* preview = nullptr;
};

TEST_F(LightingPageTest, StartsOnSolidWithSolidColourAndTheZoneControlsHidden) {
    EXPECT_TRUE(Selected("ON"));
    EXPECT_FALSE(Selected("OFF"));
    EXPECT_FALSE(Selected("Select"));
    EXPECT_TRUE(Selected("Solid"));
    EXPECT_TRUE(Selected("Solid Color"));
    EXPECT_FALSE(Selected("Color Shift"));
    for (const char* name : {"Scroll Wheel", "LogoType", "1", "4"}) {
        EXPECT_FALSE(Visible(name)) << name;
    }
    // Zones 2 and 3 are not selectable: their boxes are shown disabled.
    EXPECT_FALSE(Find(page.get(), "DPI Buttons")->isEnabled());
    EXPECT_FALSE(Find(page.get(), "DPI Indicator")->isEnabled());
    EXPECT_EQ(page->size(), QSize(skin.Picture(12).size()));
}

TEST_F(LightingPageTest, ZoneModeButtonsFormOneGroupAndSwitchThePreviewZones) {
    ClickOn(page.get(), "OFF");
    EXPECT_TRUE(Selected("OFF"));
    EXPECT_FALSE(Selected("ON"));
    EXPECT_FALSE(preview->scrollWheelOn());
    EXPECT_FALSE(preview->logoOn());

    ClickOn(page.get(), "ON");
    EXPECT_TRUE(preview->scrollWheelOn() && preview->logoOn());

    ClickOn(page.get(), "Select");
    EXPECT_TRUE(Selected("Select"));
    EXPECT_FALSE(Selected("ON"));
    for (const char* name : {"Scroll Wheel", "LogoType", "1", "4"}) {
        EXPECT_TRUE(Visible(name)) << name;
    }
    EXPECT_FALSE(preview->scrollWheelOn());
    EXPECT_FALSE(preview->logoOn());

    ClickOn(page.get(), "Scroll Wheel");
    EXPECT_TRUE(preview->scrollWheelOn());
    EXPECT_FALSE(preview->logoOn());
    ClickOn(page.get(), "LogoType");
    EXPECT_TRUE(preview->logoOn());
    EXPECT_EQ(Stored().lightingZones, 16 + 1 + 8);
    ClickOn(page.get(), "Scroll Wheel");
    EXPECT_FALSE(preview->scrollWheelOn());
    EXPECT_EQ(Stored().lightingZones, 16 + 8);

    ClickOn(page.get(), "ON");
    EXPECT_FALSE(Visible("Scroll Wheel"));
    EXPECT_EQ(Stored().lightingZones, 15);
}

TEST_F(LightingPageTest, InertControlsChangeNothing) {
    const Profile before = Stored();
    ClickOn(page.get(), "2");
    ClickOn(page.get(), "3");
    // Disabled boxes take no click.
    CVixCheckBox* dpiButtons = Find<CVixCheckBox>(page.get(), "DPI Buttons");
    Click(dpiButtons, dpiButtons->rect().center());
    EXPECT_FALSE(dpiButtons->isChecked());
    EXPECT_EQ(Stored(), before);
}

TEST_F(LightingPageTest, PresetInSelectModeRecoloursBothZonesEvenAnUnlitOne) {
    ClickOn(page.get(), "Select");
    ClickOn(page.get(), "Scroll Wheel");  // the logo stays off
    ClickOn(page.get(), "32");            // 60, 100, 255
    EXPECT_EQ(preview->scrollWheelColor(), 0xFF3C64FFu);
    EXPECT_EQ(preview->logoColor(), 0xFF3C64FFu);
    EXPECT_EQ(Text("red edit"), "60");
    EXPECT_EQ(Text("green edit"), "100");
    EXPECT_EQ(Text("blue edit"), "255");
    const Profile p = Stored();
    EXPECT_EQ(p.zoneColors[0], 0x00FF643Cu);
    EXPECT_EQ(p.zoneColors[3], 0x00FF643Cu);
}

TEST_F(LightingPageTest, EveryPresetButtonSetsItsColour) {
    const QRgb expected[4][5] = {
        {0xFF0000, 0xFF1400, 0xFF3C00, 0xFF9600, 0xFFFF00},
        {0xB4FF00, 0x00FF00, 0x3CFF0A, 0x3CFF46, 0x3CFF64},
        {0x00FFFF, 0x3C64FF, 0x1464FF, 0x0000FF, 0x5000FF},
        {0xB400C8, 0xC800A0, 0xFF0064, 0xFF001E, 0xFF0A0A},
    };
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 5; ++c) {
            const QByteArray name = QByteArray::number(r * 10 + c);
            CVixButton* b = Find<CVixButton>(page.get(), name.constData());
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->controlId(), layout::PresetButtonId(r, c));
            EXPECT_EQ(b->geometry(), QRect(QList<int>{550, 578, 605, 633, 661}[c - 1],
                                           QList<int>{118, 145, 173, 202}[r - 1], 22, 22));
            ClickOn(page.get(), name.constData());
            EXPECT_EQ(preview->logoColor(), 0xFF000000u | expected[r - 1][c - 1]) << name.constData();
        }
    }
}

TEST_F(LightingPageTest, TypedColourChangesThePreviewOnlyInOnMode) {
    TypeInto("red edit", "10");
    TypeInto("green edit", "20");
    TypeInto("blue edit", "30");
    TickEdits();
    EXPECT_EQ(preview->scrollWheelColor(), 0xFF0A141Eu);
    EXPECT_EQ(preview->logoColor(), 0xFF0A141Eu);

    for (const char* mode : {"OFF", "Select"}) {
        ClickOn(page.get(), mode);
        const std::uint32_t before = preview->logoColor();
        TypeInto("red edit", "200");
        TickEdits();
        EXPECT_EQ(preview->logoColor(), before) << mode;
        EXPECT_EQ(preview->scrollWheelColor(), before) << mode;
        // The edits are never read by a store.
        EXPECT_EQ(Stored().zoneColors[3], ColorRefFromArgb(before)) << mode;
    }
}

TEST_F(LightingPageTest, ColourEditsAreCutToThreeCharactersAndAtMost255) {
    TypeInto("red edit", "1000");
    TypeInto("green edit", "300");
    TypeInto("blue edit", "abc");
    TickEdits();
    EXPECT_EQ(Text("red edit"), "100");
    EXPECT_EQ(Text("green edit"), "255");
    EXPECT_EQ(Find<CVixEdit>(page.get(), "green edit")->cursorPosition(), 3);
    // Not a number: 0.
    EXPECT_EQ(preview->logoColor(), 0xFF64FF00u);
}

TEST_F(LightingPageTest, ColourShiftStoresTheSavedColoursAndDisablesThePresets) {
    ClickOn(page.get(), "35");  // 80, 0, 255
    ClickOn(page.get(), "Color Shift");
    EXPECT_TRUE(Selected("Color Shift"));
    EXPECT_FALSE(Selected("Solid Color"));
    EXPECT_FALSE(Find(page.get(), "11")->isEnabled());
    ASSERT_NE(preview->colorShiftTimerId(), 0);
    for (int i = 0; i < 7; ++i) {
        Tick(preview, preview->colorShiftTimerId());
    }
    EXPECT_NE(preview->logoColor() & 0xFFFFFF, 0x5000FFu);  // drifting
    // A second click on the running shift keeps the user's colours.
    ClickOn(page.get(), "Color Shift");
    Tick(preview, preview->colorShiftTimerId());

    Profile p = Stored();
    EXPECT_EQ(p.lightingEffect, 0x11);
    EXPECT_EQ(p.zoneColors[0], 0x00FF0050u);
    EXPECT_EQ(p.zoneColors[3], 0x00FF0050u);

    // A colour picked with "1" while the shift runs is what the profile gets.
    ClickOn(page.get(), "Select");
    PickSwatch(page.get(), "1", 2, 2);  // green
    p = Stored();
    EXPECT_EQ(p.zoneColors[0], 0x0000FF00u);
    EXPECT_EQ(p.zoneColors[3], 0x00FF0050u);

    ClickOn(page.get(), "Solid Color");
    EXPECT_EQ(preview->colorShiftTimerId(), 0);
    EXPECT_TRUE(Find(page.get(), "11")->isEnabled());
    EXPECT_EQ(preview->scrollWheelColor(), 0xFF00FF00u);
    EXPECT_EQ(preview->logoColor(), 0xFF5000FFu);
    EXPECT_EQ(Stored().lightingEffect, 0x01);
}

TEST_F(LightingPageTest, SolidColourClickedAgainKeepsAPickedPreset) {
    Profile p;
    p.zoneColors = {0x000000FF, 0, 0, 0x000000FF};
    page->LoadFromProfile(p);
    ClickOn(page.get(), "22");  // green
    ClickOn(page.get(), "Solid Color");
    EXPECT_EQ(preview->logoColor(), 0xFF00FF00u);
    EXPECT_EQ(Stored().zoneColors[3], 0x0000FF00u);
}

TEST_F(LightingPageTest, EffectButtonsFormOneGroupAndDriveThePreview) {
    const struct {
        const char* name;
        int mode;
        int stored;
    } cases[] = {{"Blinking", 1, 2}, {"Pulsating", 2, 3}, {"Breathing", 3, 4}, {"Solid", 0, 1}};
    for (const auto& c : cases) {
        ClickOn(page.get(), c.name);
        for (const char* other : {"Solid", "Blinking", "Pulsating", "Breathing"}) {
            EXPECT_EQ(Selected(other), std::string(other) == c.name) << c.name << " " << other;
        }
        EXPECT_EQ(preview->effect(), c.mode);
        EXPECT_EQ(preview->effectTimerId() != 0, c.mode != 0);
        EXPECT_EQ(Stored().lightingEffect, c.stored);
    }
}

TEST_F(LightingPageTest, ZonesSixteenLoadsAsSelectUnlitAndTwentyFiveBothTicked) {
    Profile p;
    p.lightingZones = 16;
    page->LoadFromProfile(p);
    EXPECT_TRUE(Selected("Select"));
    EXPECT_FALSE(Selected("ON"));
    EXPECT_TRUE(Visible("Scroll Wheel"));
    EXPECT_FALSE(Find<CVixCheckBox>(page.get(), "Scroll Wheel")->isChecked());
    EXPECT_FALSE(Find<CVixCheckBox>(page.get(), "LogoType")->isChecked());
    EXPECT_FALSE(preview->scrollWheelOn());
    EXPECT_FALSE(preview->logoOn());

    p.lightingZones = 25;
    page->LoadFromProfile(p);
    EXPECT_TRUE(Find<CVixCheckBox>(page.get(), "Scroll Wheel")->isChecked());
    EXPECT_TRUE(Find<CVixCheckBox>(page.get(), "LogoType")->isChecked());
    EXPECT_TRUE(preview->scrollWheelOn() && preview->logoOn());
}

TEST_F(LightingPageTest, EnterAnywhereStoresIntoTheCurrentProfileAndThePageStays) {
    // The window stores the lighting page into its current profile.
    notices.onLightingEntered = [this] { page->StoreToProfile(current); };
    ClickOn(page.get(), "OFF");
    ClickOn(page.get(), "Breathing");
    ASSERT_EQ(current.lightingZones, 15);
    QTest::keyClick(Find(page.get(), "green edit"), Qt::Key_Return);
    EXPECT_EQ(current.lightingZones, 0);
    EXPECT_EQ(current.lightingEffect, 4);
    EXPECT_TRUE(page->isVisible());

    ClickOn(page.get(), "ON");
    QTest::keyClick(Find(page.get(), "ON"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(current.lightingZones, 15);
    QTest::keyClick(page.get(), Qt::Key_Escape);
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(notices.calls, (std::vector<std::string>{"lighting entered", "lighting entered"}));
}

TEST_F(LightingPageTest, OnModeWithDifferentZoneColoursEndsWithTheLogoColourInBoth) {
    Profile p;
    p.zoneColors = {0x000000FF, 0x11111111, 0x22222222, 0x00FF0000};  // red wheel, blue logo
    page->LoadFromProfile(p);
    EXPECT_EQ(Text("red edit"), "0");
    EXPECT_EQ(Text("green edit"), "0");
    EXPECT_EQ(Text("blue edit"), "255");
    EXPECT_EQ(preview->scrollWheelColor(), 0xFFFF0000u);
    TickEdits();
    EXPECT_EQ(preview->scrollWheelColor(), 0xFF0000FFu);
    Profile out;
    page->StoreToProfile(out);
    EXPECT_EQ(out.zoneColors[0], 0x00FF0000u);
    EXPECT_EQ(out.zoneColors[3], 0x00FF0000u);
}

}  // namespace
}  // namespace solune::test
