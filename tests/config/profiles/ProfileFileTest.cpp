#include "config/profiles/ProfileFile.h"

#include <gtest/gtest.h>

#include "tests/support/TempDir.h"

using solune::ButtonMacro;
using solune::CMacroEvent;
using solune::DataStream;
using solune::Profile;
using solune::ProfileReadResult;
using solune::test::ReadBytes;
using solune::test::TempDir;
using solune::test::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Little helpers that spell out the expected file bytes independently of the writer.
void add(Bytes& b, std::initializer_list<std::uint8_t> bytes) {
    b.insert(b.end(), bytes);
}
void add32(Bytes& b, std::uint32_t v) {
    add(b, {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)});
}
void addText(Bytes& b, const std::string& ascii) {
    add32(b, static_cast<std::uint32_t>(ascii.size()));
    for (char c : ascii) {
        add(b, {std::uint8_t(c), 0});
    }
}

Bytes defaultFileNamedProfile1() {
    Bytes b;
    add(b, {0x12, 0x06, 0x33, 0x01});
    addText(b, "Profile1");
    add(b, {0x01, 0, 0, 0});                       // enabled
    add(b, {0xB3, 0x00});                          // reserved 179
    add(b, {0x01, 0x00});                          // polling 1 ms
    add(b, {0x20, 0x03});                          // double click 800
    add(b, {0x02, 0x00});                          // scroll lines 2
    add(b, {1, 0, 0, 0, 0, 0, 0, 0});              // by lines, by page
    add(b, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});  // acceleration, separate XY, defined mode
    add(b, {0x02});                                // DPI stage index
    add(b, {0x90, 0x01, 0x90, 0x01, 0x40, 0x06, 0x40, 0x06, 0x58, 0x1B, 0x58, 0x1B});
    add(b,
        {0x05, 0x00, 0x00, 0x00, 0x0C, 0x00, 0x00});  // speed, defined value, snap, lift, surface
    for (int i = 0; i < 4; ++i) {
        addText(b, "16776960");  // 0xFFFF00
    }
    add32(b, 15);
    add32(b, 1);
    std::uint8_t k = 0;
    for (std::uint8_t f : {0, 1, 2, 3, 4, 5, 6, 15, 15}) {
        add(b, {k++, f, 0, 0});
    }
    for (int m = 0; m < 9; ++m) {
        add32(b, 0);  // id
        add32(b, 0);  // empty name
        add32(b, 0);  // no events
    }
    return b;
}

// A profile with every field away from its default and macros of several sizes.
Profile variedProfile() {
    Profile p;
    p.name = u"Zwölf €uro";
    p.enabled = 0;
    p.reserved = -5;
    p.pollingInterval = 4;
    p.doubleClickSetting = 1400;
    p.scrollLines = 6;
    p.scrollByLines = 0;
    p.scrollByPage = 1;
    p.accelerationEnabled = 1;
    p.separateXY = 1;
    p.definedMode = 1;
    p.dpiStageIndex = 0;
    p.dpiLevels = {solune::DpiLevel{50, 100}, {3200, 2400}, {6950, 7000}};
    p.pointerSpeed = 10;
    p.definedValue = 200;  // stored as C8 FF
    p.angleSnap = 15;
    p.liftOffDistance = 32;
    p.surfaceQuality = 10;
    p.zoneColors = {0x000003, 0x00FF00, 0xFFFFFFFF, 0};
    p.lightingZones = 0x1B;
    p.lightingEffect = 0x13;
    p.buttons[2] = {2, solune::kSingleKey, 0x7C, 2};
    p.buttons[7] = {7, solune::kRecordMacro, 12, 15};
    p.buttons[8] = {8, solune::kRecordMacro, -3, 15};
    p.macros[7] =
        ButtonMacro{u"Reload", 12, {{1, 0x52, 0, 0}, {1, 0x52, 1, 65536}, {17, 151, 0, -1}}};
    p.macros[8] = ButtonMacro{u"", -3, {}};
    return p;
}

Bytes fileBytes(const Profile& p) {
    DataStream s;
    solune::WriteProfile(s, p);
    return {s.bytes().begin(), s.bytes().end()};
}

}  // namespace

TEST(ProfileFile, TheDefaultProfileWritesTheKnownBytes) {
    Profile p;
    p.name = u"Profile1";
    EXPECT_EQ(fileBytes(p), defaultFileNamedProfile1());
}

TEST(ProfileFile, DefinedValueIsSignExtendedAndReadBackAsItsLowByte) {
    Profile p = variedProfile();
    const Bytes bytes = fileBytes(p);
    const std::size_t B = 8 + 2 * p.name.size();
    EXPECT_EQ(bytes[B + 46], 0xC8);
    EXPECT_EQ(bytes[B + 47], 0xFF);
    EXPECT_EQ(bytes[B + 49], 32);  // lift-off 32 stays 32 in the file
}

TEST(ProfileFile, WritingAndReadingGivesTheSameRecord) {
    TempDir dir;
    const Profile written = variedProfile();
    ASSERT_TRUE(solune::SaveProfile(written, dir / "sub/Profile.profile"));

    Profile read;
    read.filePath = "/kept/path";
    read.slot = 4;
    read.accelerationLevel = 3;
    read.buttons[7].fallbackFunction = 6;
    ASSERT_EQ(solune::LoadProfile(dir / "sub/Profile.profile", read), ProfileReadResult::Complete);

    Profile expected = written;  // apart from what the file does not hold
    expected.filePath = "/kept/path";
    expected.slot = 4;
    expected.accelerationLevel = 3;
    expected.buttons[7].fallbackFunction = 6;
    EXPECT_EQ(read, expected);
}

TEST(ProfileFile, EmptyNameAndEmptyMacroAreWrittenAsZeroCounts) {
    Profile p;
    p.name = u"";
    p.macros[0] = ButtonMacro{u"", 7, {}};
    const Bytes bytes = fileBytes(p);
    EXPECT_EQ(Bytes(bytes.begin() + 4, bytes.begin() + 8), (Bytes{0, 0, 0, 0}));
    // The first macro: id 7, name count 0, event count 0, right after the buttons.
    const Bytes firstMacro(bytes.end() - 9 * 12, bytes.end() - 8 * 12);
    EXPECT_EQ(firstMacro, (Bytes{7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    Profile read = variedProfile();
    DataStream in(bytes);
    ASSERT_EQ(solune::ReadProfile(in, read), ProfileReadResult::Complete);
    EXPECT_EQ(read.name, u"");
    EXPECT_EQ(read.macros[0], p.macros[0]);
}

TEST(ProfileFile, AShortOrForeignFileLeavesTheProfileUnchanged) {
    TempDir dir;
    const Bytes cases[] = {{0x12, 0x06, 0x33}, {0x12, 0x06, 0x33, 0x02, 0, 0, 0, 0}, {}};
    for (const Bytes& bytes : cases) {
        WriteBytes(dir / "odd.profile", bytes);
        Profile p = variedProfile();
        EXPECT_EQ(solune::LoadProfile(dir / "odd.profile", p), ProfileReadResult::Foreign);
        EXPECT_EQ(p, variedProfile());
    }
    Profile p = variedProfile();
    EXPECT_EQ(solune::LoadProfile(dir / "missing.profile", p), ProfileReadResult::Unreadable);
    EXPECT_EQ(p, variedProfile());
}

TEST(ProfileFile, AFileThatEndsEarlyKeepsTheFieldsBeforeItsEnd) {
    const Profile source = variedProfile();
    const Bytes full = fileBytes(source);
    const std::size_t B = 8 + 2 * source.name.size();
    struct Case {
        std::size_t length;
        const char* what;
    };
    const Case cases[] = {{B + 4, "name and enabled only"},
                          {B + 47, "definedValue cut in half"},
                          {full.size() - 1, "last event cut"}};
    for (const Case& c : cases) {
        DataStream in(std::span(full.data(), c.length));
        Profile p;
        ASSERT_EQ(solune::ReadProfile(in, p), ProfileReadResult::Truncated) << c.what;
        EXPECT_EQ(p.name, source.name) << c.what;
        EXPECT_EQ(p.enabled, source.enabled) << c.what;
        if (c.length == B + 4) {
            EXPECT_EQ(p.reserved, Profile{}.reserved);
        } else if (c.length == B + 47) {
            EXPECT_EQ(p.pointerSpeed, source.pointerSpeed);
            EXPECT_EQ(p.definedValue, Profile{}.definedValue);
            EXPECT_EQ(p.angleSnap, Profile{}.angleSnap);
        } else {
            EXPECT_EQ(p.buttons, source.buttons);
            EXPECT_EQ(p.macros[7], source.macros[7]);
            EXPECT_EQ(p.macros[8].id, source.macros[8].id);
        }
    }
}

TEST(ProfileFile, EveryPrefixOfAFileReadsWithoutPassingItsEnd) {
    const Bytes full = fileBytes(variedProfile());
    for (std::size_t length = 0; length < full.size(); ++length) {
        DataStream in(std::span(full.data(), length));
        Profile p;
        const ProfileReadResult r = solune::ReadProfile(in, p);
        ASSERT_NE(r, ProfileReadResult::Complete) << length;
        ASSERT_LE(in.position(), in.size());
    }
}

TEST(ProfileFile, AHugeEventCountOnlyReadsTheEventsPresent) {
    Bytes bytes = defaultFileNamedProfile1();
    // The first macro claims 2^31 - 1 events but holds one.
    const std::size_t firstMacro = bytes.size() - 9 * 12;
    bytes[firstMacro + 8] = 0xFF;
    bytes[firstMacro + 9] = 0xFF;
    bytes[firstMacro + 10] = 0xFF;
    bytes[firstMacro + 11] = 0x7F;
    bytes.insert(bytes.begin() + firstMacro + 12, {1, 0x41, 0, 0, 5, 0, 0, 0});
    DataStream in(bytes);
    Profile p;
    EXPECT_EQ(solune::ReadProfile(in, p), ProfileReadResult::Truncated);
    ASSERT_GE(p.macros[0].events.size(), 1u);
    EXPECT_EQ(p.macros[0].events[0], (CMacroEvent{1, 0x41, 0, 5}));
}
