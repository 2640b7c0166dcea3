// Writing pictures into a skin folder: every file lands complete under its
// own name, and a folder that cannot be written is reported, not ignored.

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>

#include "tools/skingen/SkinSet.h"

namespace solune::skinart {
namespace {

namespace fs = std::filesystem;

class SkinWriter : public testing::Test {
  protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("skinart-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    static std::vector<NamedPicture> TwoPictures() {
        QImage red(4, 3, QImage::Format_RGB32);
        red.fill(qRgb(255, 0, 0));
        QImage clear(5, 5, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        return {{"Red.bmp", red}, {"Clear.png", clear}};
    }

    fs::path m_dir;
};

TEST_F(SkinWriter, WritesEachPictureInTheFormatOfItsNameIntoANewFolder) {
    std::string error;
    ASSERT_TRUE(WritePictures(TwoPictures(), m_dir / "Skins", error)) << error;
    const QImage red(QString::fromStdString((m_dir / "Skins" / "Red.bmp").string()), "BMP");
    const QImage clear(QString::fromStdString((m_dir / "Skins" / "Clear.png").string()), "PNG");
    ASSERT_EQ(red.size(), QSize(4, 3));
    EXPECT_EQ(red.pixel(3, 2), qRgb(255, 0, 0));
    ASSERT_EQ(clear.size(), QSize(5, 5));
    EXPECT_EQ(qAlpha(clear.pixel(2, 2)), 0);
    // Nothing but the two pictures is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir / "Skins"), fs::directory_iterator()), 2);
}

TEST_F(SkinWriter, ReplacesAnOlderPicture) {
    std::string error;
    fs::create_directories(m_dir);
    std::ofstream(m_dir / "Red.bmp") << "not a picture";
    ASSERT_TRUE(WritePictures(TwoPictures(), m_dir, error)) << error;
    EXPECT_EQ(QImage(QString::fromStdString((m_dir / "Red.bmp").string())).size(), QSize(4, 3));
}

TEST_F(SkinWriter, AFolderThatCannotBeMadeIsReported) {
    fs::create_directories(m_dir);
    std::ofstream(m_dir / "file") << "x";  // a file where a folder should go
    std::string error;
    EXPECT_FALSE(WritePictures(TwoPictures(), m_dir / "file" / "Skins", error));
    EXPECT_NE(error.find("Skins"), std::string::npos) << error;
}

TEST_F(SkinWriter, APictureThatCannotBeWrittenIsReportedByName) {
    fs::create_directories(m_dir / "Red.bmp.part");  // blocks the temporary file
    std::string error;
    EXPECT_FALSE(WritePictures(TwoPictures(), m_dir, error));
    EXPECT_NE(error.find("Red.bmp"), std::string::npos) << error;
}

}  // namespace
}  // namespace solune::skinart
