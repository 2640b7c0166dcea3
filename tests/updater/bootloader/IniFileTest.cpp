#include "platform/IniFile.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/TempDir.h"

namespace solune {
namespace {

struct IniCase {
    const char* name;
    std::string text;
    std::string version;   // expected [Firmware] Version
    std::string fileName;  // expected [Firmware] Name
};

void PrintTo(const IniCase& c, std::ostream* os) {
    *os << c.name;
}

class IniFileValues : public ::testing::TestWithParam<IniCase> {};

TEST_P(IniFileValues, ReadsLikeTheWindowsReader) {
    const IniCase& c = GetParam();
    IniFile ini;
    ini.Parse(c.text);
    EXPECT_EQ(ini.Value("Firmware", "Version"), c.version);
    EXPECT_EQ(ini.Value("Firmware", "Name"), c.fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniFileValues,
    ::testing::Values(
        IniCase{"Plain", "[Firmware]\r\nVersion=1.08\r\nName=MOUSE_1.08.fub\r\n", "1.08",
                "MOUSE_1.08.fub"},
        IniCase{"NamesIgnoreCase", "[fIRMWARE]\nversion=1.08\nNAME=M_1.08.fub", "1.08",
                "M_1.08.fub"},
        IniCase{"BlanksAroundNamesAndValuesAreDropped",
                "  [ Firmware ]  \n  Version =  1.08 \t\n Name= M 1.08.fub ", "1.08", "M 1.08.fub"},
        IniCase{"QuotesAroundAValueAreDropped", "[Firmware]\nVersion=\"1.08\"\nName='a=1.08'",
                "1.08", "a=1.08"},
        IniCase{"UnmatchedQuoteIsKept", "[Firmware]\nVersion=\"1.08", "\"1.08", ""},
        IniCase{
            "OtherSectionsAndCommentsAreSkipped",
            "[Other]\nVersion=9\n; Version=7\n[Firmware]\n#Name=x\nName=y_1.0\n[Tail]\nVersion=8",
            "", "y_1.0"},
        IniCase{"KeysBeforeAnySectionBelongToNone", "Version=1.08\n[Firmware]\nName=n", "", "n"},
        IniCase{"FirstOfTwoKeysCounts", "[Firmware]\nName=first\nName=second", "", "first"},
        IniCase{"MissingSectionGivesEmptyValues", "[Firmwares]\nName=x", "", ""},
        IniCase{"EmptyText", "", "", ""},
        IniCase{"Utf8MarkIsSkipped", "\xEF\xBB\xBF[Firmware]\nName=\xC3\xA9_1.0", "",
                "\xC3\xA9_1.0"},
        IniCase{"Utf16WithMark",
                std::string("\xFF\xFE[\0F\0i\0r\0m\0w\0a\0r\0e\0]\0\n\0N\0a\0m\0e\0=\0\xE9\0", 36),
                "", "\xC3\xA9"},
        IniCase{"AnsiBytesAreWindows1252", "[Firmware]\nName=\x80\xE9", "",
                "\xE2\x82\xAC\xC3\xA9"},
        // The undefined bytes of the code page read as the C1 controls of the
        // same value, as the profile-name encoder writes them.
        IniCase{"AnsiUndefinedBytesAreC1Controls", "[Firmware]\nName=\x81\x9D", "",
                "\xC2\x81\xC2\x9D"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniFile, ValuesAreCutToTheBufferOfTheWindowsReader) {
    IniFile ini;
    ini.Parse("[Firmware]\nName=" + std::string(300, 'a') + "\nVersion=\xC3\xA9\xC3\xA9\xC3\xA9");
    EXPECT_EQ(ini.Value("Firmware", "Name"), std::string(259, 'a'));
    EXPECT_EQ(ini.Value("Firmware", "Version", 2), "\xC3\xA9\xC3\xA9");
}

TEST(IniFile, MissingFileGivesEmptyValues) {
    test::TempDir dir;
    IniFile ini;
    ini.Parse("[Firmware]\nName=old");
    EXPECT_FALSE(ini.Load(dir / "config.ini"));
    EXPECT_EQ(ini.Value("Firmware", "Name"), "");
    EXPECT_FALSE(ini.Load(dir.path())) << "a folder is not a file";
}

TEST(IniFile, LoadsAFile) {
    test::TempDir dir;
    test::WriteText(dir / "config.ini", "[Firmware]\r\nName=MOUSE_1.08.fub\r\n");
    IniFile ini;
    EXPECT_TRUE(ini.Load(dir / "config.ini"));
    EXPECT_EQ(ini.Value("FIRMWARE", "name"), "MOUSE_1.08.fub");
}

}  // namespace
}  // namespace solune
