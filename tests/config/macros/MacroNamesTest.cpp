// New macro ids, unique macro names and safe file names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/macros/MacroFileName.h"
#include "config/macros/MacroNames.h"

namespace {

TEST(NewMacroId, IsOneMoreThanTheLargestAndAtLeastSixteen) {
    struct Case {
        std::vector<std::int32_t> ids;
        std::int32_t expected;
    };
    const Case cases[] = {
        {{}, 16},
        {{3, 7}, 16},
        {{16}, 17},
        {{40, 16, 22}, 41},
        // Compared unsigned: a negative id counts as a very large one.
        {{20, -100}, -99},
        // One more than 0xFFFFFFFF would wrap to 0: the first free id instead.
        {{-1, 16, 17}, 18},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(solune::NewMacroId(c.ids), c.expected) << testing::PrintToString(c.ids);
    }
}

TEST(UniqueMacroName, RepeatedNamesGetTheNextNumberInParentheses) {
    struct Case {
        std::u16string name;
        std::vector<std::u16string> others;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"M", {}, u"M"},
        {u"M", {u"m"}, u"M"},  // case matters
        {u"M", {u"M"}, u"M(1)"},
        {u"M", {u"M", u"M(1)"}, u"M(2)"},
        {u"M(1)", {u"M(1)"}, u"M(2)"},
        {u"M(1)", {u"M(1)", u"M(2)", u"M(3)"}, u"M(4)"},
        {u"M(x)", {u"M(x)"}, u"M(1)"},    // not a number: 0
        {u"a(b)c", {u"a(b)c"}, u"a(1)"},  // the text up to the last character
        {u"(", {u"("}, u"(1)"},
        {u"f(", {u"f("}, u"f(1)"},
        {u"M(-1)", {u"M(-1)"}, u"M(0)"},
        {u"M( 7)", {u"M( 7)"}, u"M(8)"},
        {u"M(2147483647)", {u"M(2147483647)"}, u"M(2147483648)"},
        {u"M(99999999999999999999)",
         {u"M(99999999999999999999)", u"M(100000000000000000000)"},
         u"M(100000000000000000001)"},
        {u"", {u""}, u"(1)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(solune::UniqueMacroName(c.name, c.others), c.expected)
            << testing::PrintToString(std::vector<char16_t>(c.name.begin(), c.name.end()));
    }
}

TEST(MacroFileStem, KeepsOrdinaryNamesAndConfinesHostileOnesToTheFolder) {
    struct Case {
        std::u16string name;
        std::string expected;
    };
    const Case cases[] = {
        {u"Combo 1", "Combo 1"},
        {u"K\u00e4se", "K\xC3\xA4se"},
        {u"a\\b:c*", "a\\b:c*"},  // harmless on this file system
        {u"../../evil", ".._.._evil"},
        {u"/etc/passwd", "_etc_passwd"},
        {u"/", "_"},
        {u"", "_"},
        {u".", "_"},
        {u"..", "__"},
        {u"...", "___"},
        {std::u16string(u"a\0b", 3), "a_b"},
        {u"x\xD800y", "x\xEF\xBF\xBDy"},  // a lone surrogate
    };
    for (const Case& c : cases) {
        EXPECT_EQ(solune::MacroFileStem(c.name), c.expected) << c.expected;
    }
}

TEST(MacroFileStem, LongNamesAreCutAtACharacterBoundary) {
    const std::u16string name(150, u'\u00e9');  // two bytes each in UTF-8
    const std::string stem = solune::MacroFileStem(name + u"x");
    EXPECT_EQ(stem.size(), solune::kMaxMacroFileStemBytes);
    std::string expected;
    for (int i = 0; i < 100; ++i) {
        expected += "\xC3\xA9";
    }
    EXPECT_EQ(stem, expected);
    const std::u16string odd = u"a" + name;  // the cut falls inside a character
    const std::string oddStem = solune::MacroFileStem(odd);
    EXPECT_EQ(oddStem.size(), solune::kMaxMacroFileStemBytes - 1);
    EXPECT_EQ(static_cast<unsigned char>(oddStem.back()), 0xA9u);
}

}  // namespace
