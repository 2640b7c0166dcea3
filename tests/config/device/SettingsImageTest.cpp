#include "config/device/SettingsImage.h"

#include <gtest/gtest.h>

using solune::ButtonMacro;
using solune::CMacroEvent;
using solune::CommandResult;
using solune::Profile;
using solune::SettingsImage;

namespace {

SettingsImage build(const Profile& p) {
    SettingsImage image{};
    EXPECT_EQ(solune::BuildSettingsImage(p, image), CommandResult::Done);
    return image;
}

void put(SettingsImage& image, int offset, std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t b : bytes) {
        image[offset++] = b;
    }
}

// The first byte of button position `pos` (positions 0 ... 11, 7 bytes each from 101).
int action(int pos) {
    return 101 + 7 * pos;
}

std::vector<CMacroEvent> keyTaps(int count) {
    std::vector<CMacroEvent> events;
    for (int i = 0; i < count; ++i) {
        events.push_back(CMacroEvent{1, 0x41, static_cast<std::uint8_t>(i % 2), 10});
    }
    return events;
}

void giveMacro(Profile& p, int button, std::int32_t id, std::vector<CMacroEvent> events) {
    p.buttons[button].function = solune::kRecordMacro;
    p.buttons[button].parameter = static_cast<std::int16_t>(id);
    p.macros[button] = ButtonMacro{u"m", id, std::move(events)};
}

}  // namespace

TEST(SettingsImage, TheDefaultProfileGivesTheKnownImage) {
    Profile p;
    p.name = u"Profile1";
    p.slot = 3;

    SettingsImage expected{};
    put(expected, 0, {3, 'P', 'r', 'o', 'f', 'i', 'l', 'e', '1'});
    put(expected, 17, {0x00, 0x08, 0x00, 0x00, 1, 1});
    for (int zone : {23, 27, 33, 37, 41, 45}) {
        put(expected, zone, {0x00, 0xFF, 0xFF, 1});
    }
    put(expected, 50, {2, 0, 0x90, 0x01, 0x90, 0x01});
    put(expected, 60, {0, 0x40, 0x06, 0x40, 0x06});
    put(expected, 70, {12});
    put(expected, 81, {0, 0x58, 0x1B, 0x58, 0x1B, 3});
    const std::uint8_t pairs[7][2] = {{0, 1}, {0, 2},    {0, 4},   {0, 0x10},
                                      {0, 8}, {9, 0xF0}, {9, 0xF2}};
    for (int pos = 0; pos < 7; ++pos) {
        put(expected, action(pos), {pairs[pos][0], pairs[pos][1], 0, 0, 0, 0, 0x0F});
    }
    put(expected, action(10), {0xFF, 0, 0, 0, 0, 0, 0x0F});
    put(expected, action(11), {0xFF, 0, 0, 0, 0, 0, 0x0F});

    EXPECT_EQ(build(p), expected);
}

TEST(SettingsImage, MacroEventsOverTheLimitAreRefused) {
    Profile p;
    giveMacro(p, 3, 7, keyTaps(164));
    SettingsImage image{};
    image.fill(0xAB);
    ASSERT_EQ(solune::BuildSettingsImage(p, image), CommandResult::Done);

    for (int button : {3, 8}) {  // one event more, in the same or another macro button
        Profile over = p;
        if (button == 3) {
            over.macros[3].events.push_back(CMacroEvent{1, 0x42, 0, 0});
        } else {
            giveMacro(over, 8, 9, keyTaps(1));
        }
        SettingsImage untouched{};
        untouched.fill(0xAB);
        EXPECT_EQ(solune::BuildSettingsImage(over, untouched), CommandResult::Limit);
        EXPECT_EQ(untouched[0], 0xAB);
    }
}

TEST(SettingsImage, OnlyTheFirst128EventsOfAMacroArePlaced) {
    Profile p;
    giveMacro(p, 0, 1, keyTaps(150));
    const SettingsImage image = build(p);
    EXPECT_EQ(image[action(0) + 4], 128);
    EXPECT_EQ(image[action(0) + 5], 0);
    // Event 128 is the last; the terminator follows.
    EXPECT_EQ(image[800 + 7 * 127], 1);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(image[800 + 7 * 128 + i], 0);
    }
}

TEST(SettingsImage, AMacroCopyWithAnotherIdPlacesOnlyATerminator) {
    Profile p;
    giveMacro(p, 5, 40, keyTaps(4));
    p.buttons[5].parameter = 41;  // the button names another macro now
    const SettingsImage image = build(p);
    const int at = action(5);
    EXPECT_EQ((std::vector<std::uint8_t>(image.begin() + at, image.begin() + at + 7)),
              (std::vector<std::uint8_t>{0x03, 0xFE, 0x20, 0x03, 0, 0, 0x0F}));
    for (int i = 800; i < 2048; ++i) {
        ASSERT_EQ(image[i], 0) << i;
    }
}

TEST(SettingsImage, MacrosArePlacedOneAfterAnotherWithTheirEvents) {
    Profile p;
    giveMacro(p, 1, 5, {{1, 0x41, 0, 0}, {1, 0x41, 1, 0x123456}, {16, 166, 0, 3}});
    giveMacro(p, 7, 6, {{17, 152, 0, 20}});
    const SettingsImage image = build(p);

    // Button 1 (position 1): released key present, so value 0; first event at 800, 3 events.
    EXPECT_EQ((std::vector<std::uint8_t>(image.begin() + action(1), image.begin() + action(1) + 7)),
              (std::vector<std::uint8_t>{0x03, 0x00, 0x20, 0x03, 3, 0, 0x0F}));
    // Button 7 (position 10): starts 7 x (3 + 1) bytes later, at 828; no release, so 0xFE.
    EXPECT_EQ(
        (std::vector<std::uint8_t>(image.begin() + action(10), image.begin() + action(10) + 7)),
        (std::vector<std::uint8_t>{0x03, 0xFE, 0x3C, 0x03, 1, 0, 0x0F}));

    const std::vector<std::uint8_t> area(image.begin() + 800, image.begin() + 800 + 7 * 6);
    EXPECT_EQ(area, (std::vector<std::uint8_t>{
                        1,  0x04, 0, 0, 0,    0,    0,     // 'A' down, usage 0x04
                        1,  0x04, 0, 1, 0x56, 0x34, 0x12,  // 'A' up after 0x123456 ms
                        16, 166,  0, 0, 3,    0,    0,     // back button passes unchanged
                        0,  0,    0, 0, 0,    0,    0,     // terminator
                        17, 152,  0, 0, 20,   0,    0,     // wheel down
                        0,  0,    0, 0, 0,    0,    0}));  // terminator
}

TEST(SettingsImage, KeyButtonsCarryTheKeysUsage) {
    struct Case {
        std::int16_t key;
        std::uint8_t value;
    };
    for (const Case& c : {Case{0x41, 0x04}, Case{0x7C, 0x7C}, Case{0xA2, 0xE0}}) {
        Profile p;
        p.buttons[8] = {8, solune::kSingleKey, c.key, 15};
        const SettingsImage image = build(p);
        EXPECT_EQ(image[action(11)], 0x02);
        EXPECT_EQ(image[action(11) + 1], c.value) << c.key;
    }
}

TEST(SettingsImage, ANameIsCutToFifteenBytesFollowedByZero) {
    Profile p;
    p.name = u"ABCDEFGHIJKLMNOPQRST";
    SettingsImage image = build(p);
    EXPECT_EQ(std::string(image.begin() + 1, image.begin() + 16), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(image[16], 0);

    p.name = u"Café €\u0101";  // é and € exist in the code page, ā does not
    image = build(p);
    EXPECT_EQ(std::string(image.begin() + 1, image.begin() + 8), "Caf\xE9 \x80?");
}

TEST(SettingsImage, LightingSendsLitZonesColoursAndTheEffectEverywhere) {
    Profile p;
    p.zoneColors = {0x00000003, 0x00112233, 0x00445566, 0x00778899};
    p.lightingZones = 0x01 | 0x04;  // wheel and third zone lit
    p.lightingEffect = 0x14;        // breathing with colour shift
    const SettingsImage image = build(p);
    EXPECT_EQ((std::vector<std::uint8_t>(image.begin() + 23, image.begin() + 31)),
              (std::vector<std::uint8_t>{3, 0, 0, 0x14, 0, 0, 0, 0x14}));  // wheel, logo unlit
    EXPECT_EQ((std::vector<std::uint8_t>(image.begin() + 33, image.begin() + 49)),
              (std::vector<std::uint8_t>{0, 0, 0, 0x14, 0x66, 0x55, 0x44, 0x14, 0x66, 0x55, 0x44,
                                         0x14, 0x66, 0x55, 0x44, 0x14}));
}

TEST(SettingsImage, SensorFieldsAndTheLiftOffClamp) {
    Profile p;
    p.liftOffDistance = 32;
    p.separateXY = 1;
    p.dpiLevels[0] = {50, 7000};
    p.angleSnap = 15;
    p.definedMode = 1;
    p.definedValue = 0xC8;
    const SettingsImage image = build(p);
    EXPECT_EQ(image[70], 31);
    EXPECT_EQ((std::vector<std::uint8_t>(image.begin() + 51, image.begin() + 56)),
              (std::vector<std::uint8_t>{1, 50, 0, 0x58, 0x1B}));
    EXPECT_EQ(image[60], 1);
    EXPECT_EQ(image[81], 1);
    EXPECT_EQ(image[72], 15);
    EXPECT_EQ(image[73], 0);
    EXPECT_EQ(image[87], 1);
    EXPECT_EQ(image[88], 0xC8);
    EXPECT_EQ(p.liftOffDistance, 32);
}
