#include "updater/bootloader/FirmwarePackage.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <numeric>

#include "tests/support/UpdaterTestSupport.h"
#include "updater/bootloader/PackageWriter.h"

namespace solune {
namespace {

using Messages = std::vector<std::string>;

constexpr const char* kTag = "[the fub firmware file name is:]";
constexpr const char* kCheckFailed = "checksunm or check fub filelength is failed";

std::vector<std::uint8_t> patternImage(std::size_t size) {
    std::vector<std::uint8_t> image(size);
    for (std::size_t i = 0; i < size; ++i) {
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    }
    return image;
}

class FirmwarePackageTest : public ::testing::Test {
  protected:
    void writeConfig(const std::string& text) { test::WriteText(m_log.dir / "config.ini", text); }
    void writeImageFile(const std::vector<std::uint8_t>& file) {
        test::WriteBytes(m_log.dir / "MOUSE_1.08.fub", file);
    }
    int load() { return m_package.LoadFirmwareImage(m_log.dir.path(), "MOUSE_1.08.fub"); }

    test::TestLog m_log;
    test::RecordingView m_view;
    FirmwarePackage m_package{m_log.log, m_view};
};

TEST_F(FirmwarePackageTest, NameMustHoldTheVersionAfterItsFirstCharacter) {
    struct Case {
        const char* config;
        int result;
        const char* loggedName;
    };
    const Case cases[] = {
        {"[Firmware]\nVersion=1.08\nName=MOUSE_1.08.fub", 1, "MOUSE_1.08.fub"},
        {"[Firmware]\nVersion=1.08\nName=1.08.fub", 0, "1.08.fub"},
        {"[Firmware]\nVersion=1.08\nName=1.08_MOUSE_1.08.fub", 0, "1.08_MOUSE_1.08.fub"},
        {"[Firmware]\nVersion=\nName=MOUSE_1.08.fub", 0, "MOUSE_1.08.fub"},
        {"[Firmware]\nVersion=1.08\nName=MOUSE_1.07.fub", 0, "MOUSE_1.07.fub"},
        {"[Firmware]\nVersion=V1.08\nName=MOUSE_v1.08.fub", 0, "MOUSE_v1.08.fub"},
        {"[Firmware]\nVersion=1.08\n", 0, ""},
        {"", 0, ""},
        // The name must be one plain file of the package folder.
        {"[Firmware]\nVersion=1.08\nName=../outside/SOLUNE300_1.08.fub", 0,
         "..\\x2Foutside\\x2FSOLUNE300_1.08.fub"},
        {"[Firmware]\nVersion=1.08\nName=/tmp/SOLUNE300_1.08.fub", 0,
         "\\x2Ftmp\\x2FSOLUNE300_1.08.fub"},
        {"[Firmware]\nVersion=1.08\nName=sub\\SOLUNE300_1.08.fub", 0, "sub\\x5CSOLUNE300_1.08.fub"},
        {"[Firmware]\nVersion=.\nName=..", 0, ".."},
        // The version must be digits, a point and two decimals.
        {"[Firmware]\nVersion=1.8\nName=MOUSE_1.8.fub", 0, "MOUSE_1.8.fub"},
        {"[Firmware]\nVersion=1.08b\nName=MOUSE_1.08b.fub", 0, "MOUSE_1.08b.fub"},
        {"[Firmware]\nVersion=etc\nName=/etc/passwd", 0, "\\x2Fetc\\x2Fpasswd"},
    };
    for (const Case& c : cases) {
        test::TestLog log;
        test::RecordingView view;
        FirmwarePackage package(log.log, view);
        test::WriteText(log.dir / "config.ini", c.config);
        EXPECT_EQ(package.ReadFirmwareConfig(log.dir.path()), c.result) << c.config;
        const std::string tagged = std::string(kTag) + c.loggedName;
        if (c.result == 1) {
            EXPECT_EQ(log.Messages(), Messages({tagged}));
            EXPECT_TRUE(view.events.empty());
            EXPECT_EQ(package.FirmwareFileName(), c.loggedName);
            EXPECT_EQ(package.ConfigVersion(), "1.08");
        } else {
            EXPECT_EQ(log.Messages(), Messages({"the firmware file is incorrect", tagged}))
                << c.config;
            EXPECT_EQ(view.events, std::vector<UpdateEvent>({UpdateEvent::PackageRefused}));
        }
    }
}

// What config.ini names reaches the log as one line that shows what it held:
// control characters of any name escaped by the log, and everything but plain
// name characters of a name that failed its checks.
TEST_F(FirmwarePackageTest, TheLoggedNameCannotBreakOutOfItsLine) {
    struct Case {
        const char* name;
        int result;
        const char* logged;
    };
    const Case cases[] = {
        {"X1.08;touch /home/u/PWNED;#", 0, "X1.08\\x3Btouch \\x2Fhome\\x2Fu\\x2FPWNED\\x3B\\x23"},
        {"X1.08;touch PWNED;#", 1, "X1.08;touch PWNED;#"},
        {"M\x1b[2J\x01_1.08\x7f.fub", 1, "M\\x1B[2J\\x01_1.08\\x7F.fub"},
        {"M\x1b]0;x\x07/1.08.fub", 0, "M\\x1B\\x5D0\\x3Bx\\x07\\x2F1.08.fub"},
    };
    for (const Case& c : cases) {
        test::TestLog log;
        test::RecordingView view;
        FirmwarePackage package(log.log, view);
        test::WriteText(log.dir / "config.ini",
                        std::string("[Firmware]\nVersion=1.08\nName=") + c.name + "\n");
        EXPECT_EQ(package.ReadFirmwareConfig(log.dir.path()), c.result) << c.name;
        const std::vector<std::string> messages = log.Messages();
        ASSERT_FALSE(messages.empty()) << c.name;
        EXPECT_EQ(messages.back(), std::string(kTag) + c.logged);
        // One line break before each entry and no other control character.
        const std::vector<std::uint8_t> bytes = test::ReadBytes(log.dir / "SOLUNELog.log");
        const auto breaks = std::count(bytes.begin(), bytes.end(), '\n');
        EXPECT_EQ(static_cast<std::size_t>(breaks), messages.size()) << c.name;
        for (std::uint8_t byte : bytes) {
            EXPECT_TRUE((byte >= 0x20 && byte != 0x7F) || byte == '\r' || byte == '\n') << c.name;
        }
    }
}

TEST_F(FirmwarePackageTest, MissingConfigFileFailsTheNameCheck) {
    EXPECT_EQ(m_package.ReadFirmwareConfig(m_log.dir.path()), 0);
    EXPECT_EQ(m_log.Messages(), Messages({"the firmware file is incorrect", kTag}));
}

TEST_F(FirmwarePackageTest, ImageIsSplitIntoZeroPaddedBlocks) {
    for (std::size_t size :
         {std::size_t{2500}, std::size_t{2048}, std::size_t{1}, kMaxFirmwareImageSize}) {
        const std::vector<std::uint8_t> image = patternImage(size);
        writeImageFile(BuildFirmwareFile(image, 108, u"label"));
        ASSERT_EQ(load(), 1) << size;
        const std::size_t blocks = (size + 1023) / 1024;
        EXPECT_EQ(m_package.BlockCount(), static_cast<std::int32_t>(blocks));
        EXPECT_EQ(m_package.ImageByteCount(), static_cast<std::int32_t>(size));
        std::vector<std::uint8_t> stored;
        for (int i = 0; i < m_package.BlockCount(); ++i) {
            const auto block = m_package.Block(i);
            stored.insert(stored.end(), block.begin(), block.end());
        }
        std::vector<std::uint8_t> expected = image;
        expected.resize(blocks * 1024, 0);
        EXPECT_EQ(stored, expected) << size;
        EXPECT_EQ(static_cast<std::uint32_t>(m_package.ComputedChecksum()),
                  std::accumulate(image.begin(), image.end(), std::uint32_t{0}));
        EXPECT_EQ(m_package.FileVersionText(), "1.08");
    }
    EXPECT_TRUE(m_view.events.empty());
    EXPECT_TRUE(m_log.Messages().empty());
}

TEST_F(FirmwarePackageTest, TwentyFiveHundredBytesGiveTwoFullBlocksAndOnePadded) {
    writeImageFile(BuildFirmwareFile(std::vector<std::uint8_t>(2500, 0xFF), 108, u""));
    ASSERT_EQ(load(), 1);
    ASSERT_EQ(m_package.BlockCount(), 3);
    const auto last = m_package.Block(2);
    EXPECT_EQ(std::count(last.begin(), last.begin() + 452, 0xFF), 452);
    EXPECT_EQ(std::count(last.begin() + 452, last.end(), 0), 572);
    EXPECT_EQ(m_package.ComputedChecksum(), 2500 * 0xFF);
}

TEST_F(FirmwarePackageTest, HeaderFieldsAreKept) {
    writeImageFile(BuildFirmwareFile(patternImage(100), 0x1234, u"SOLUNE 300"));
    ASSERT_EQ(load(), 1);
    const FirmwareHeader& h = m_package.Header();
    EXPECT_EQ(h.imageLength, 100u);
    EXPECT_EQ(h.vendorId, 0x22D4);
    EXPECT_EQ(h.productId, 0x1308);
    EXPECT_EQ(h.firmwareVersion, 0x1234);
    EXPECT_EQ(m_package.FileVersion(), 0x1234);
    EXPECT_EQ(h.label, u"SOLUNE 300");
}

// An image for another mouse, or of another version than config.ini names, is
// refused before any device is looked for.
TEST_F(FirmwarePackageTest, ImageForAnotherMouseOrVersionIsRefused) {
    struct Case {
        const char* name;
        std::size_t offset;  // header field to set (the checksum stays right)
        std::uint16_t value;
        const char* failure;
    };
    const Case cases[] = {
        {"vendor 0x1234", 6, 0x1234, "the image is for 1234:1308, not 22D4:1308"},
        {"product 0x1307", 8, 0x1307, "the image is for 22D4:1307, not 22D4:1308"},
        {"version 1.07", 10, 107, "the image holds version 1.07, config.ini names 1.08"},
    };
    for (const Case& c : cases) {
        test::TestLog log;
        test::RecordingView view;
        FirmwarePackage package(log.log, view);
        test::WriteText(log.dir / "config.ini", "[Firmware]\nVersion=1.08\nName=f_1.08.fub");
        std::vector<std::uint8_t> file = BuildFirmwareFile(patternImage(2500), 108, u"");
        file[c.offset] = static_cast<std::uint8_t>(c.value);
        file[c.offset + 1] = static_cast<std::uint8_t>(c.value >> 8);
        test::WriteBytes(log.dir / "f_1.08.fub", file);
        ASSERT_EQ(package.ReadFirmwareConfig(log.dir.path()), 1);
        EXPECT_EQ(package.LoadFirmwareImage(log.dir.path(), "f_1.08.fub"), 0) << c.name;
        EXPECT_EQ(package.LastFailure(),
                  std::string("the firmware file is incorrect: ") + c.failure);
        EXPECT_EQ(log.Messages(),
                  Messages({std::string(kTag) + "f_1.08.fub", "the firmware file is incorrect"}));
        EXPECT_EQ(view.events, std::vector<UpdateEvent>({UpdateEvent::PackageRefused})) << c.name;
        EXPECT_EQ(package.BlockCount(), 0) << c.name;
    }
}

// A name that leads out of the package folder is refused before it is opened,
// even when it is handed to the image reader directly.
TEST_F(FirmwarePackageTest, ImageOutsideThePackageFolderIsNeverOpened) {
    std::filesystem::create_directory(m_log.dir / "pkg");
    const std::filesystem::path outside = m_log.dir / "MOUSE_1.08.fub";
    writeImageFile(BuildFirmwareFile(patternImage(100), 108, u""));
    for (const std::string& name : {std::string("../MOUSE_1.08.fub"), outside.string()}) {
        test::RecordingView view;
        FirmwarePackage package(m_log.log, view);
        EXPECT_EQ(package.LoadFirmwareImage(m_log.dir / "pkg", name), 0) << name;
        EXPECT_EQ(package.LastFailure(), "Unable to Open Firmware File") << name;
        EXPECT_EQ(package.BlockCount(), 0) << name;
    }
}

// config.ini is read only when it is a small regular file.
TEST_F(FirmwarePackageTest, ConfigThatIsLargeOrNotARegularFileIsRefused) {
    const std::string good = "[Firmware]\nVersion=1.08\nName=MOUSE_1.08.fub\n";
    writeConfig(good + "; " + std::string(64 * 1024, 'x') + "\n");
    EXPECT_EQ(m_package.ReadFirmwareConfig(m_log.dir.path()), 0);
    EXPECT_EQ(m_package.LastFailure(),
              "the firmware file is incorrect: config.ini is larger than 65536 bytes");
    std::filesystem::remove(m_log.dir / "config.ini");
    ASSERT_EQ(::mkfifo((m_log.dir / "config.ini").c_str(), 0600), 0);
    EXPECT_EQ(m_package.ReadFirmwareConfig(m_log.dir.path()), 0);  // no hang on a pipe
    EXPECT_EQ(m_package.LastFailure(),
              "the firmware file is incorrect: config.ini is not a regular file");
}

TEST_F(FirmwarePackageTest, WrongLengthOrChecksumFails) {
    struct Case {
        const char* name;
        std::size_t offset;  // header byte to change
        int delta;
    };
    const Case cases[] = {{"length one more", 2, +1},
                          {"length one less", 2, -1},
                          {"checksum off by one", 12, +1},
                          {"checksum high byte", 15, +1}};
    for (const Case& c : cases) {
        test::TestLog log;
        test::RecordingView view;
        FirmwarePackage package(log.log, view);
        std::vector<std::uint8_t> file = BuildFirmwareFile(patternImage(2500), 108, u"");
        file[c.offset] = static_cast<std::uint8_t>(file[c.offset] + c.delta);
        test::WriteBytes(log.dir / "f_1.08.fub", file);
        EXPECT_EQ(package.LoadFirmwareImage(log.dir.path(), "f_1.08.fub"), 0) << c.name;
        EXPECT_EQ(log.Messages(), Messages({kCheckFailed})) << c.name;
        EXPECT_EQ(view.events, std::vector<UpdateEvent>({UpdateEvent::PackageRefused})) << c.name;
        EXPECT_EQ(package.LastFailure(), kCheckFailed);
        // Nothing of the rejected image is kept.
        EXPECT_EQ(package.BlockCount(), 0) << c.name;
        EXPECT_EQ(package.ImageByteCount(), 0) << c.name;
        EXPECT_EQ(package.Header().imageLength, 0u) << c.name;
    }
}

TEST_F(FirmwarePackageTest, OversizedEmptyOrHeaderlessFilesAreRefusedBeforeStoringBlocks) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
    };
    std::vector<std::uint8_t> oversized =
        BuildFirmwareFile(patternImage(kMaxFirmwareImageSize), 108, u"");
    oversized.push_back(1);  // 120 blocks and one byte; the header lies about it too
    const Case cases[] = {{"121 blocks", oversized},
                          {"header only", BuildFirmwareFile({}, 108, u"")},
                          {"shorter than its header", std::vector<std::uint8_t>(39, 0)},
                          {"empty file", {}}};
    for (const Case& c : cases) {
        test::TestLog log;
        test::RecordingView view;
        FirmwarePackage package(log.log, view);
        test::WriteBytes(log.dir / "f_1.08.fub", c.file);
        EXPECT_EQ(package.LoadFirmwareImage(log.dir.path(), "f_1.08.fub"), 0) << c.name;
        EXPECT_EQ(package.BlockCount(), 0) << c.name;
        EXPECT_EQ(log.Messages(), Messages({kCheckFailed})) << c.name;
        EXPECT_EQ(view.events, std::vector<UpdateEvent>({UpdateEvent::PackageRefused})) << c.name;
    }
}

TEST_F(FirmwarePackageTest, UnopenableImageFileIsReported) {
    for (const char* name : {"missing_1.08.fub", "folder_1.08", "pipe_1.08", ""}) {
        test::TestLog log;
        test::RecordingView view;
        FirmwarePackage package(log.log, view);
        std::filesystem::create_directory(log.dir / "folder_1.08");
        ASSERT_EQ(::mkfifo((log.dir / "pipe_1.08").c_str(), 0600), 0);
        EXPECT_EQ(package.LoadFirmwareImage(log.dir.path(), name), 0) << name;
        EXPECT_EQ(log.Messages(), Messages({"Unable to Open Firmware File"})) << name;
        EXPECT_EQ(view.events, std::vector<UpdateEvent>({UpdateEvent::PackageRefused}));
    }
}

}  // namespace
}  // namespace solune
