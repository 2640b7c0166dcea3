// LoadFromProfile, the pages' timers, StoreToProfile: what a profile becomes
// when it passes through the sensor page and the lighting page. Each row
// loads into a fresh page, as the main window's first load does.

#include "config/pages/CColorSettingsDlg.h"
#include "config/pages/CSensorDlg.h"
#include "shared/skin/CVixMouseStatic.h"
#include "tests/config/pages/PageFixture.h"

namespace solune::test {
namespace {

class PageRoundTripTest : public PageFixture {
  protected:
    // Loads `in` into a new sensor page, runs both timers a few times and
    // stores into a copy of `in`.
    Profile ThroughSensorPage(const Profile& in) {
        CSensorDlg page(Context());
        page.LoadFromProfile(in);
        for (int i = 0; i < 3; ++i) {
            Tick(&page, page.editTimerId());
            Tick(&page, page.labelTimerId());
        }
        Profile out = in;
        page.StoreToProfile(out);
        return out;
    }

    Profile ThroughLightingPage(const Profile& in) {
        CColorSettingsDlg page(Context());
        page.show();
        page.LoadFromProfile(in);
        auto* preview = page.findChild<CVixMouseStatic*>(QStringLiteral("Mouse"));
        for (int i = 0; i < 3; ++i) {
            Tick(&page, page.editTimerId());
            if (preview->colorShiftTimerId() != 0) {
                Tick(preview, preview->colorShiftTimerId());
            }
            if (preview->effectTimerId() != 0) {
                Tick(preview, preview->effectTimerId());
            }
        }
        Profile out = in;
        out.zoneColors[1] = 0x00123456;  // the page must leave these alone
        out.zoneColors[2] = 0x00654321;
        page.StoreToProfile(out);
        EXPECT_EQ(out.zoneColors[1], 0x00123456u);
        EXPECT_EQ(out.zoneColors[2], 0x00654321u);
        return out;
    }
};

TEST_F(PageRoundTripTest, DpiStagesAreClampedAndLinkedUnlessSeparate) {
    using Stages = std::array<DpiLevel, 3>;
    const struct {
        int separate;
        Stages in;
        Stages out;
    } cases[] = {
        {0, {{{400, 400}, {1600, 1600}, {7000, 7000}}}, {{{400, 400}, {1600, 1600}, {7000, 7000}}}},
        {0, {{{800, 200}, {2000, 3000}, {125, 6950}}}, {{{200, 200}, {3000, 3000}, {6950, 6950}}}},
        {1, {{{800, 200}, {2000, 3000}, {125, 6950}}}, {{{800, 200}, {2000, 3000}, {125, 6950}}}},
        {1, {{{0, 49}, {7001, -5}, {32767, 50}}}, {{{50, 50}, {7000, 50}, {7000, 50}}}},
        {0, {{{0, 49}, {7001, -5}, {32767, 7050}}}, {{{50, 50}, {50, 50}, {7000, 7000}}}},
        {1, {{{50, 7000}, {7000, 50}, {3333, 4444}}}, {{{50, 7000}, {7000, 50}, {3333, 4444}}}},
    };
    for (const auto& c : cases) {
        Profile in;
        in.separateXY = c.separate;
        in.dpiLevels = c.in;
        const Profile out = ThroughSensorPage(in);
        EXPECT_EQ(out.dpiLevels, c.out) << "separate " << c.separate << " x1 " << c.in[0].x;
        EXPECT_EQ(out.separateXY, c.separate);
    }
}

TEST_F(PageRoundTripTest, DefinedValuesComeBackWithinTheEditsRules) {
    const struct {
        int in;  // signed byte
        int out;
    } cases[] = {{-128, -12}, {-100, -10}, {-31, -30}, {-30, -30}, {-5, -5},  {0, 0},   {5, 5},
                 {9, 9},      {30, 30},    {31, 30},   {99, 30},   {100, 10}, {127, 12}};
    for (const auto& c : cases) {
        Profile in;
        in.definedValue = static_cast<std::uint8_t>(c.in);
        const Profile out = ThroughSensorPage(in);
        EXPECT_EQ(static_cast<std::int8_t>(out.definedValue), c.out) << c.in;
    }
}

TEST_F(PageRoundTripTest, OtherSensorFieldsComeBackAsLoaded) {
    Profile in;
    in.definedMode = 1;
    in.pointerSpeed = 9;
    in.liftOffDistance = 32;
    in.surfaceQuality = 7;
    in.angleSnap = 15;
    Profile out = ThroughSensorPage(in);
    EXPECT_EQ(out, in);

    // An angle snap that the menu does not offer keeps the page's choice.
    in.angleSnap = 16;
    out = ThroughSensorPage(in);
    EXPECT_EQ(out.angleSnap, 0);
}

TEST_F(PageRoundTripTest, LightingZonesAndEffects) {
    const struct {
        std::int32_t zones, effect, zonesOut, effectOut;
    } cases[] = {
        {0, 1, 0, 1},           {15, 2, 15, 2},       {16, 3, 16, 3},
        {17, 4, 17, 4},         {24, 0, 24, 0},       {25, 5, 25, 0},
        {5, 0x11, 0, 0x11},     {15, 0x15, 15, 0x10}, {0x13, 0x12, 0x11, 0x12},
        {31, 0x14, 0x19, 0x14},
    };
    for (const auto& c : cases) {
        Profile in;
        in.lightingZones = c.zones;
        in.lightingEffect = c.effect;
        const Profile out = ThroughLightingPage(in);
        EXPECT_EQ(out.lightingZones, c.zonesOut) << c.zones << " " << c.effect;
        EXPECT_EQ(out.lightingEffect, c.effectOut) << c.zones << " " << c.effect;
    }
}

TEST_F(PageRoundTripTest, DifferingZoneColoursInEachZoneMode) {
    constexpr ColorRef kWheel = 0x000080FF;  // orange
    constexpr ColorRef kLogo = 0x00FF8000;   // a blue
    const struct {
        std::int32_t zones, effect;
        ColorRef wheelOut, logoOut;
    } cases[] = {
        // "ON": the colour edits show the logo colour, and their first tick
        // gives it to both zones.
        {15, 1, kLogo, kLogo},
        {0, 1, kWheel, kLogo},
        {16, 1, kWheel, kLogo},
        {25, 2, kWheel, kLogo},
        {5, 1, kWheel, kLogo},
        // With the colour shift the saved colours are stored, not the
        // drifting ones, and not the edits' colour either.
        {15, 0x11, kWheel, kLogo},
        {25, 0x13, kWheel, kLogo},
    };
    for (const auto& c : cases) {
        Profile in;
        in.lightingZones = c.zones;
        in.lightingEffect = c.effect;
        in.zoneColors = {kWheel, 0x00111111, 0x00222222, kLogo};
        const Profile out = ThroughLightingPage(in);
        EXPECT_EQ(out.zoneColors[0], c.wheelOut) << c.zones << " " << c.effect;
        EXPECT_EQ(out.zoneColors[3], c.logoOut) << c.zones << " " << c.effect;
    }
}

}  // namespace
}  // namespace solune::test
