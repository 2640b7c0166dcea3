#include "updater/bootloader/FirmwareVersion.h"

#include <gtest/gtest.h>

namespace solune {
namespace {

TEST(FirmwareVersion, TextHasTwoDecimals) {
    const std::pair<std::uint16_t, const char*> cases[] = {
        {108, "1.08"}, {0, "0.00"}, {100, "1.00"}, {7, "0.07"}, {110, "1.10"}, {65535, "655.35"}};
    for (const auto& [version, text] : cases) {
        EXPECT_EQ(VersionText(version), text) << version;
    }
}

TEST(FirmwareVersion, ParsesOnlyDigitsPointAndTwoDecimals) {
    const std::pair<const char*, std::optional<std::uint16_t>> cases[] = {
        {"1.08", 108},          {"0.00", 0},
        {"655.35", 65535},      {"655.36", std::nullopt},
        {"1.8", std::nullopt},  {"1.080", std::nullopt},
        {"108", std::nullopt},  {".08", std::nullopt},
        {"1,08", std::nullopt}, {"-1.08", std::nullopt},
        {"1.0a", std::nullopt}, {"1000.00", std::nullopt},
        {"", std::nullopt}};
    for (const auto& [text, version] : cases) {
        EXPECT_EQ(ParseVersionText(text), version) << text;
    }
}

TEST(FirmwareVersion, ComparisonPicksTheModeAndScreen) {
    struct Case {
        std::uint16_t file, mouse;
        VersionOrder order;
        int screen;
    };
    const Case cases[] = {{108, 107, VersionOrder::FileNewer, 5},
                          {108, 108, VersionOrder::Equal, 3},
                          {107, 108, VersionOrder::MouseNewer, 4},
                          // Numbers, not texts: "10.00" sorts before "9.00" as text.
                          {1000, 900, VersionOrder::FileNewer, 5}};
    for (const Case& c : cases) {
        EXPECT_EQ(CompareVersions(c.file, c.mouse), c.order) << c.file << " " << c.mouse;
        EXPECT_EQ(ScreenForVersionOrder(c.order), c.screen);
    }
}

}  // namespace
}  // namespace solune
