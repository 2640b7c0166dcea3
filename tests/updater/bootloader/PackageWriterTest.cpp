#include "updater/bootloader/PackageWriter.h"

#include <gtest/gtest.h>

#include "platform/IniFile.h"
#include "tests/support/UpdaterTestSupport.h"
#include "updater/bootloader/FirmwarePackage.h"

namespace solune {
namespace {

TEST(PackageWriter, WrittenPackagePassesEveryCheck) {
    test::TestLog log;
    test::RecordingView view;
    const std::vector<std::uint8_t> image(3000, 0x5A);
    const std::filesystem::path folder = log.dir / "new" / "package";
    ASSERT_EQ(WriteFirmwarePackage(folder, "SOLUNE300_1.09.fub", "1.09", image, u"SOLUNE 300"),
              PackResult::Written);

    FirmwarePackage package(log.log, view);
    ASSERT_EQ(package.ReadFirmwareConfig(folder), 1);
    ASSERT_EQ(package.LoadFirmwareImage(folder, package.FirmwareFileName()), 1);
    EXPECT_EQ(package.FileVersion(), 109);
    EXPECT_EQ(package.BlockCount(), 3);
    EXPECT_EQ(package.Header().vendorId, 0x22D4);
    EXPECT_EQ(package.Header().productId, 0x1308);
    EXPECT_EQ(package.Header().label, u"SOLUNE 300");
    EXPECT_EQ(package.ComputedChecksum(), 3000 * 0x5A);
    EXPECT_TRUE(view.events.empty());
}

TEST(PackageWriter, HeaderBytesAreLittleEndian) {
    const std::vector<std::uint8_t> image = {1, 2, 0xFF};
    const std::vector<std::uint8_t> file = BuildFirmwareFile(image, 108, u"AB");
    const std::vector<std::uint8_t> head(file.begin(), file.begin() + 20);
    EXPECT_EQ(head, std::vector<std::uint8_t>({0,   0, 3,    0,    0, 0, 0xD4, 0x22, 0x08, 0x13,
                                               108, 0, 0x02, 0x01, 0, 0, 'A',  0,    'B',  0}));
    EXPECT_EQ(file.size(), 43u);
}

TEST(PackageWriter, LongLabelKeepsItsTerminator) {
    const std::vector<std::uint8_t> file =
        BuildFirmwareFile(std::vector<std::uint8_t>(1, 1), 1, u"ABCDEFGHIJKLMNOP");
    EXPECT_EQ(file[16 + 20], 'K');
    EXPECT_EQ(file[16 + 22], 0);
    EXPECT_EQ(file[16 + 23], 0);
}

TEST(PackageWriter, BadInputWritesNothing) {
    struct Case {
        const char* name;
        std::string fileName;
        std::string version;
        std::size_t imageSize;
        PackResult result;
    };
    const Case cases[] = {
        {"empty image", "M_1.08.fub", "1.08", 0, PackResult::BadImage},
        {"121 blocks", "M_1.08.fub", "1.08", kMaxFirmwareImageSize + 1, PackResult::BadImage},
        {"one decimal", "M_1.8.fub", "1.8", 10, PackResult::BadVersion},
        {"name begins with the version", "1.08.fub", "1.08", 10, PackResult::BadFileName},
        {"name without the version", "M.fub", "1.08", 10, PackResult::BadFileName},
        {"name is a path", "a/M_1.08.fub", "1.08", 10, PackResult::BadFileName},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        const std::vector<std::uint8_t> image(c.imageSize, 1);
        EXPECT_EQ(WriteFirmwarePackage(dir.path(), c.fileName, c.version, image, u""), c.result)
            << c.name;
        EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << c.name;
    }
}

TEST(PackageWriter, DefaultNameHoldsTheVersion) {
    EXPECT_EQ(DefaultFirmwareFileName("1.08"), "SOLUNE300_1.08.fub");
    IniFile ini;
    ini.Parse(BuildFirmwareConfig("1.08", "SOLUNE300_1.08.fub"));
    EXPECT_EQ(ini.Value("Firmware", "Version"), "1.08");
    EXPECT_EQ(ini.Value("Firmware", "Name"), "SOLUNE300_1.08.fub");
}

}  // namespace
}  // namespace solune
