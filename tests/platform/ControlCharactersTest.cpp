#include "platform/ControlCharacters.h"

#include <gtest/gtest.h>

#include <string>

TEST(ControlCharacters, EveryControlCharacterBecomesItsHexCode) {
    struct Case {
        std::string text;
        std::string escaped;
    };
    const Case cases[] = {
        {"MOUSE_1.08.fub", "MOUSE_1.08.fub"},
        {"a\nb\r\n", "a\\x0Ab\\x0D\\x0A"},
        {std::string("\0\x01\x1f", 3), "\\x00\\x01\\x1F"},
        {"tab\there", "tab\\x09here"},
        {"\x1b[2Jgone\x7f", "\\x1B[2Jgone\\x7F"},
        {"X1.08;touch /tmp/x;#", "X1.08;touch /tmp/x;#"},
        {"caf\xc3\xa9 \\x41", "caf\xc3\xa9 \\x41"},  // UTF-8 and backslashes stay
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(solune::EscapeControlCharacters(c.text), c.escaped) << c.text;
    }
}

TEST(ControlCharacters, AFailedNameKeepsOnlyPlainNameCharacters) {
    EXPECT_EQ(solune::EscapeUnusualCharacters("MOUSE_1.08-(b) +x.fub"), "MOUSE_1.08-(b) +x.fub");
    EXPECT_EQ(solune::EscapeUnusualCharacters("X1.08;touch ~/PWNED;#\n"),
              "X1.08\\x3Btouch \\x7E\\x2FPWNED\\x3B\\x23\\x0A");
    EXPECT_EQ(solune::EscapeUnusualCharacters("\xc3\xa9"), "\\xC3\\xA9");
}
