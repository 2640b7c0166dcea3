#include "platform/VersionText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

namespace solune {
namespace {

TEST(VersionText, TextHasTwoDecimals) {
    const std::pair<std::uint16_t, const char*> cases[] = {
        {108, "1.08"}, {0, "0.00"}, {100, "1.00"},   {7, "0.07"},   {110, "1.10"},
        {121, "1.21"}, {5, "0.05"}, {1000, "10.00"}, {109, "1.09"}, {65535, "655.35"}};
    for (const auto& [version, text] : cases) {
        EXPECT_EQ(VersionText(version), text) << version;
    }
}

// The texts equal "%.2f" of the single-precision quotient in the C locale for
// every version, and stay so once the program follows a locale that writes a
// decimal comma (as the C library does after a window program has started).
TEST(VersionText, TextIsTheSameInEveryLocale) {
    std::vector<std::string> expected;
    for (unsigned v = 0; v <= 0xFFFF; ++v) {
        char text[16];
        std::snprintf(text, sizeof text, "%.2f",
                      static_cast<double>(static_cast<float>(v / 100.0)));
        expected.emplace_back(text);
    }
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP()
            << "the locale de_DE.UTF-8 is not installed (scripts/install-deps.sh makes it)";
    }
    char comma[16];
    std::snprintf(comma, sizeof comma, "%.2f", 1.08);
    EXPECT_STREQ(comma, "1,08") << "the locale writes a decimal comma";
    for (unsigned v = 0; v <= 0xFFFF; ++v) {
        ASSERT_EQ(VersionText(static_cast<std::uint16_t>(v)), expected[v]) << v;
    }
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(VersionText, ParsesOnlyDigitsPointAndTwoDecimals) {
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

}  // namespace
}  // namespace solune
