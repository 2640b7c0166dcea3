#include "config/pages/KeyName.h"

#include <gtest/gtest.h>

namespace solune {
namespace {

TEST(KeyName, NamesOfTheTable) {
    const std::vector<std::pair<std::uint32_t, std::string>> cases = {
        {0x01, "Left Button"}, {0x04, "Middle Button"}, {0x08, "BACK"},
        {0x0D, "ENTER"},       {0x1B, "ESC"},           {0x20, "SPACE"},
        {0x26, "UP ARROW "},   {0x2F, "HELP"},          {0x30, "0"},
        {0x31, "1"},           {0x39, "9"},             {0x41, "A"},
        {0x5A, "Z"},           {0x5D, "Application"},   {0x60, "0"},
        {0x61, "1"},           {0x69, "9"},             {0x6A, "*"},
        {0x6B, "+"},           {0x6F, "/"},             {0x70, "F1"},
        {0x87, "F24"},         {0x91, "SCROLL LOCK"},   {0xA0, "Left SHIFT"},
        {0xA5, "Right ALT"},   {0xA6, "Browser Back"},  {0xAF, "Volume Up "},
        {0xBB, "+"},           {0xC0, "`"},             {0xDC, "\\"},
        {0xDE, "'"},           {0xFF, "Fn"},
    };
    for (const auto& [code, name] : cases) {
        EXPECT_EQ(KeyName(code), name) << "code " << code;
    }
}

TEST(KeyName, CodesWithoutAnEntryAreEmpty) {
    for (std::uint32_t code : {0u, 0x03u, 0x10u, 0x11u, 0x12u, 0x3Au, 0x6Cu, 0x88u, 0xA9u, 0xB0u,
                               0xC1u, 0xDFu, 0xFEu, 256u, 300u, 0xFFFFFFFFu}) {
        EXPECT_EQ(KeyName(code), "") << "code " << code;
    }
}

}  // namespace
}  // namespace solune
