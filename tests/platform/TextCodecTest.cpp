#include "platform/TextCodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, RoundTripsEveryPlane) {
    const std::u16string samples[] = {u"", u"Profile1", u"Ünïcødé €", u"\U0001F5B1 mouse"};
    for (const std::u16string& text : samples) {
        std::u16string back;
        ASSERT_TRUE(solune::FromUtf8(solune::ToUtf8(text), back));
        EXPECT_EQ(back, text);
    }
    EXPECT_EQ(solune::ToUtf8(u"\u00e9"), "\xc3\xa9");
}

TEST(TextCodec, ALoneSurrogateBecomesTheReplacementCharacter) {
    const std::u16string lone{u'a', char16_t(0xD800), u'b'};
    EXPECT_EQ(solune::ToUtf8(lone),
              "a\xef\xbf\xbd"
              "b");
}

TEST(TextCodec, RefusesInvalidUtf8AndKeepsTheOutput) {
    const char* bad[] = {"\xff", "\xc3", "\xc0\xaf", "\xed\xa0\x80", "\xf4\x90\x80\x80"};
    for (const char* text : bad) {
        std::u16string out = u"kept";
        EXPECT_FALSE(solune::FromUtf8(text, out)) << text;
        EXPECT_EQ(out, u"kept");
    }
}
