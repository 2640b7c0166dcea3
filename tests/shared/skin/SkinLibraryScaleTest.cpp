// The skin library's picture sets: the set for a device pixel ratio, the
// scale every picture carries, cuts at the matching scale that share the
// slot's pixels, the fall-back from a missing scaled file to the ordinary
// one, and the count of decoded files.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "shared/layout/PictureScales.h"
#include "shared/layout/SkinElementTable.h"
#include "shared/skin/LogicalSize.h"
#include "shared/skin/SkinLibrary.h"
#include "tests/support/SkinTestSupport.h"

namespace solune {
namespace {

using test::RecordingMessageSink;

// Ordinary pictures are 40 × 30 and a colour per slot; the scaled ones 80 × 60
// with a left half and a right half of two other colours, so a test can tell
// which file, and which of its pixels, a picture shows.
QRgb Plain(int slot) {
    return qRgb(slot * 4, 255 - slot * 4, 77);
}
QRgb ScaledLeft(int slot) {
    return qRgb(slot * 4, 10, 200);
}
QRgb ScaledRight(int slot) {
    return qRgb(slot * 4, 20, 210);
}

class SkinLibraryScaleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        for (int i = 0; i < SkinLibrary::kSlotCount; ++i) {
            const std::string file(skin::kSlotFiles[i]);
            Write(file, test::Solid(40, 30, Plain(i)));
            QImage scaled = test::Solid(80, 60, ScaledLeft(i));
            for (int y = 0; y < 60; ++y) {
                for (int x = 40; x < 80; ++x) {
                    scaled.setPixel(x, y, ScaledRight(i));
                }
            }
            Write(layout::ScaledPictureFile(file, 2), scaled);
        }
    }

    std::filesystem::path Folder() const { return m_dir.path().toStdString(); }

    void Write(const std::string& name, const QImage& image) {
        const char* format = name.ends_with(".png") ? "PNG" : "BMP";
        ASSERT_TRUE(image.save(QString::fromStdString((Folder() / name).string()), format));
    }

    QTemporaryDir m_dir;
    RecordingMessageSink m_sink;
    int m_ends = 0;
    SkinFailure m_failure{m_sink, kSkinFailureText, [this] { ++m_ends; }};
};

TEST_F(SkinLibraryScaleTest, EachRatioGetsItsSetAtTheSameLogicalSize) {
    const struct {
        double ratio;
        int scale;
        QRgb colour;  // of the main window's picture at (0, 0)
    } cases[] = {{1.0, 1, Plain(0)}, {1.25, 2, ScaledLeft(0)}, {1.5, 2, ScaledLeft(0)},
                 {2.0, 2, ScaledLeft(0)}, {3.0, 2, ScaledLeft(0)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ratio);
        SkinLibrary library(m_failure, Folder());
        library.SetDevicePixelRatio(c.ratio);
        EXPECT_EQ(library.pictureScale(), c.scale);
        const QImage whole = library.GetSkinPart(0, 0, 0, 0, 0, 0);
        EXPECT_EQ(whole.devicePixelRatio(), c.scale);
        EXPECT_EQ(whole.size(), QSize(40, 30) * c.scale);
        EXPECT_EQ(LogicalSize(whole), QSize(40, 30));
        EXPECT_EQ(whole.pixel(0, 0), c.colour);
        // A cut covers the logical rectangle asked for, in the set's pixels.
        const QImage cut = library.GetSkinPart(23, 0, 15, 5, 25, 10);
        EXPECT_EQ(LogicalSize(cut), QSize(10, 5));
        EXPECT_EQ(cut.size(), QSize(10, 5) * c.scale);
        EXPECT_EQ(cut.devicePixelRatio(), c.scale);
    }
    EXPECT_TRUE(m_sink.messages.empty());
}

TEST_F(SkinLibraryScaleTest, CutsComeFromTheScaledPixelsUnderTheLogicalRectangle) {
    SkinLibrary library(m_failure, Folder());
    library.SetDevicePixelRatio(2);
    // Logical x 15 … 25 straddles the scaled picture's halves at logical 20.
    const QImage cut = library.GetSkinPart(23, 0, 15, 5, 25, 10);
    const int slot = skin::SlotOf("MouseSetting_Normal.bmp");
    ASSERT_EQ(cut.size(), QSize(20, 10));
    EXPECT_EQ(cut.pixel(0, 0), ScaledLeft(slot));
    EXPECT_EQ(cut.pixel(9, 9), ScaledLeft(slot));
    EXPECT_EQ(cut.pixel(10, 0), ScaledRight(slot));
    EXPECT_EQ(cut.pixel(19, 9), ScaledRight(slot));
    // A rectangle inside the logical picture but not at 2x stays refused.
    EXPECT_TRUE(library.GetSkinPart(23, 0, 30, 20, 41, 30).isNull());
    EXPECT_FALSE(library.GetSkinPart(23, 0, 30, 20, 40, 30).isNull());
}

TEST_F(SkinLibraryScaleTest, CutsShareTheSlotsPixelsUntilChanged) {
    SkinLibrary library(m_failure, Folder());
    for (const double ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        library.SetDevicePixelRatio(ratio);
        const int slot = skin::SlotOf("Sensor_Normal.bmp");
        const QImage whole = library.Picture(slot);
        const uchar* first = whole.constBits();
        const uchar* end = first + whole.sizeInBytes();
        QImage cut = library.GetSkinPart(50, 0, 4, 4, 14, 9);
        ASSERT_FALSE(cut.isNull());
        EXPECT_GE(cut.constBits(), first);
        EXPECT_LT(cut.constBits(), end);
        // Changing the cut copies it; the slot keeps its picture.
        cut.fill(qRgb(1, 2, 3));
        EXPECT_EQ(cut.pixel(0, 0), qRgb(1, 2, 3));
        EXPECT_EQ(library.Picture(slot).pixel(8, 8), whole.pixel(8, 8));
        EXPECT_NE(library.Picture(slot).pixel(8, 8), qRgb(1, 2, 3));
    }
}

TEST_F(SkinLibraryScaleTest, ACutOutlivesTheLibrary) {
    QImage cut;
    {
        SkinLibrary library(m_failure, Folder());
        library.SetDevicePixelRatio(2);
        cut = library.GetSkinPart(23, 0, 0, 0, 10, 10);
    }
    const int slot = skin::SlotOf("MouseSetting_Normal.bmp");
    ASSERT_EQ(cut.size(), QSize(20, 20));
    EXPECT_EQ(cut.pixel(19, 19), ScaledLeft(slot));
}

TEST_F(SkinLibraryScaleTest, AMissingOrBrokenScaledFileFallsBackToTheOrdinaryOne) {
    std::filesystem::remove(Folder() / "Main_Normal@2x.bmp");
    std::ofstream(Folder() / "Sensor_Normal@2x.bmp") << "BM not really a bitmap";
    SkinLibrary library(m_failure, Folder());
    library.SetDevicePixelRatio(2);
    for (const char* file : {"Main_Normal.bmp", "Sensor_Normal.bmp"}) {
        const int slot = skin::SlotOf(file);
        const QImage whole = library.Picture(slot);
        EXPECT_EQ(whole.size(), QSize(40, 30)) << file;
        EXPECT_EQ(whole.devicePixelRatio(), 1) << file;
        EXPECT_EQ(whole.pixel(0, 0), Plain(slot)) << file;
        // Cut at its own scale: same logical size as the scaled cuts.
        const QImage cut = library.CropSkin(whole, 2, 2, 12, 7);
        EXPECT_EQ(LogicalSize(cut), QSize(10, 5)) << file;
    }
    EXPECT_TRUE(m_sink.messages.empty());
    EXPECT_EQ(m_ends, 0);
}

TEST_F(SkinLibraryScaleTest, AMissingOrdinaryFileFailsAlsoWhenTheScaledOneIsThere) {
    std::filesystem::remove(Folder() / "Main_Normal.bmp");
    SkinLibrary library(m_failure, Folder());
    library.SetDevicePixelRatio(2);
    EXPECT_FALSE(library.PictureSize(0).isValid());
    EXPECT_TRUE(library.GetSkinPart(0, 0, 0, 0, 0, 0).isNull());
    EXPECT_EQ(m_sink.messages, std::vector<std::string>{"ui load failed!"});
    EXPECT_EQ(m_ends, 1);
}

TEST_F(SkinLibraryScaleTest, EachFileIsDecodedOnceAndCounted) {
    SkinLibrary library(m_failure, Folder());
    library.LoadSkin();
    // The start-up check reads the sizes from the headers and decodes nothing.
    EXPECT_EQ(library.PictureSize(0), QSize(40, 30));
    EXPECT_FALSE(library.PictureSize(-1).isValid());
    EXPECT_FALSE(library.PictureSize(SkinLibrary::kSlotCount).isValid());
    EXPECT_EQ(library.decodeCount(), 0);
    library.GetSkinPart(23, 0, 0, 0, 5, 5);
    library.GetSkinPart(23, 0, 5, 5, 9, 9);
    library.GetSkinPart(24, 0, 0, 0, 5, 5);  // the same picture, another element
    EXPECT_EQ(library.decodeCount(), 1);
    library.GetSkinPart(23, 1, 0, 0, 5, 5);
    EXPECT_EQ(library.decodeCount(), 2);
    // The other set is decoded on its own, once.
    library.SetDevicePixelRatio(2);
    EXPECT_FALSE(library.isDecoded(skin::SlotOf("MouseSetting_Normal.bmp")));
    library.GetSkinPart(23, 0, 0, 0, 5, 5);
    library.GetSkinPart(23, 0, 0, 0, 5, 5);
    EXPECT_EQ(library.decodeCount(), 3);
    // Extra pictures are read each time they are asked for.
    Write("0.bmp", test::Solid(4, 4, qRgb(5, 5, 5)));
    EXPECT_FALSE(library.ExtraPicture("0.bmp").isNull());
    EXPECT_EQ(library.decodeCount(), 4);
    EXPECT_TRUE(library.ExtraPicture("missing.bmp").isNull());
}

TEST(LoadSkinPicture, TakesTheScaledFileWhereItIsAPicture) {
    QTemporaryDir dir;
    const std::filesystem::path folder = dir.path().toStdString();
    ASSERT_TRUE(test::Solid(4, 3, qRgb(1, 1, 1)).save(dir.filePath("a.bmp"), "BMP"));
    ASSERT_TRUE(test::Solid(8, 6, qRgb(2, 2, 2)).save(dir.filePath("a@2x.bmp"), "BMP"));
    ASSERT_TRUE(test::Solid(4, 3, qRgb(3, 3, 3)).save(dir.filePath("b.png"), "PNG"));
    const struct {
        const char* file;
        int scale;
        QSize size;
        qreal ratio;
        QRgb colour;
    } cases[] = {{"a.bmp", 1, {4, 3}, 1, qRgb(1, 1, 1)},
                 {"a.bmp", 2, {8, 6}, 2, qRgb(2, 2, 2)},
                 {"b.png", 2, {4, 3}, 1, qRgb(3, 3, 3)}};
    for (const auto& c : cases) {
        const QImage picture = SkinLibrary::LoadSkinPicture(folder / c.file, c.scale);
        EXPECT_EQ(picture.size(), c.size) << c.file << c.scale;
        EXPECT_EQ(picture.devicePixelRatio(), c.ratio) << c.file << c.scale;
        EXPECT_EQ(picture.pixel(0, 0), c.colour) << c.file << c.scale;
    }
    EXPECT_TRUE(SkinLibrary::LoadSkinPicture(folder / "missing.bmp", 2).isNull());
}

}  // namespace
}  // namespace solune
