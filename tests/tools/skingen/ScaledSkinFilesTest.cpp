// The larger picture sets the build draws beside the ordinary ones: every
// picture of both folders has its "@2x" twin, twice as wide and tall, drawn at
// that size (not the small picture enlarged), showing the same artwork.

#include <gtest/gtest.h>

#include <QDir>
#include <string>
#include <vector>

#include "shared/layout/PictureScales.h"
#include "tests/tools/skingen/SkinFolders.h"

namespace solune::skintest {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> OrdinaryFiles(const fs::path& folder) {
    std::vector<std::string> files;
    const QStringList names = QDir(QString::fromStdString(folder.string()))
                                  .entryList({"*.bmp", "*.png"}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        if (!name.contains(QLatin1Char('@'))) {
            files.push_back(name.toStdString());
        }
    }
    return files;
}

// How many pixels differ between `big` and `small` enlarged by two, pixel
// for pixel.
int DifferFromEnlarged(const QImage& big, const QImage& small) {
    int differing = 0;
    for (int y = 0; y < big.height(); ++y) {
        for (int x = 0; x < big.width(); ++x) {
            differing += big.pixel(x, y) != small.pixel(x / 2, y / 2) ? 1 : 0;
        }
    }
    return differing;
}

TEST(ScaledSkinFiles, NamesPutTheScaleBeforeTheExtension) {
    const struct {
        const char* file;
        int scale;
        const char* scaled;
    } cases[] = {{"Main_Normal.bmp", 1, "Main_Normal.bmp"},
                 {"Main_Normal.bmp", 2, "Main_Normal@2x.bmp"},
                 {"Mouse.png", 2, "Mouse@2x.png"},
                 {"01 Firmware incorrect Normal.bmp", 2, "01 Firmware incorrect Normal@2x.bmp"},
                 {"a.b.c", 2, "a.b@2x.c"},
                 {"plain", 2, "plain@2x"}};
    for (const auto& c : cases) {
        EXPECT_EQ(layout::ScaledPictureFile(c.file, c.scale), c.scaled) << c.file;
    }
}

TEST(ScaledSkinFiles, TheSetForARatioIsTheNearestAtOrAboveElseTheLargest) {
    const struct {
        double ratio;
        int scale;
    } cases[] = {{0.5, 1}, {1.0, 1}, {1.25, 2}, {1.5, 2}, {2.0, 2}, {3.0, 2}};
    for (const auto& c : cases) {
        EXPECT_EQ(layout::PictureScaleFor(c.ratio), c.scale) << c.ratio;
    }
}

TEST(ScaledSkinFiles, EveryPictureHasATwinDrawnAtTwiceItsSize) {
    for (const fs::path& folder : {ConfigSkinFolder(), UpdaterSkinFolder()}) {
        const std::vector<std::string> files = OrdinaryFiles(folder);
        ASSERT_FALSE(files.empty()) << folder;
        for (const std::string& file : files) {
            const QImage small = Load(folder, file);
            const QImage big = Load(folder, layout::ScaledPictureFile(file, 2));
            ASSERT_FALSE(big.isNull()) << file;
            EXPECT_EQ(big.size(), small.size() * 2) << file;
            // The top-left corner (a frame or the plain background in every
            // picture) has the colour of the small picture's.
            EXPECT_EQ(big.pixel(0, 0), small.pixel(0, 0)) << file;
        }
    }
}

TEST(ScaledSkinFiles, TextsAndCurvesAreDrawnOnTheFinerGrid) {
    // Pictures with text, curves or both: an enlarged small picture would
    // match its twin everywhere; a drawn twin differs along every edge of a
    // letter or a curve.
    const struct {
        fs::path folder;
        const char* file;
    } cases[] = {{ConfigSkinFolder(), "Main_Normal.bmp"},
                 {ConfigSkinFolder(), "MouseSetting_Down.bmp"},
                 {ConfigSkinFolder(), "Mouse.png"},
                 {ConfigSkinFolder(), "Slider1.bmp"},
                 {UpdaterSkinFolder(), "01 Firmware incorrect Normal.bmp"}};
    for (const auto& c : cases) {
        const QImage small = Load(c.folder, c.file);
        const QImage big = Load(c.folder, layout::ScaledPictureFile(c.file, 2));
        ASSERT_EQ(big.size(), small.size() * 2) << c.file;
        EXPECT_GT(DifferFromEnlarged(big, small), 20) << c.file;
    }
}

TEST(ScaledSkinFiles, FramesStayCrispAtTwiceTheWidth) {
    // The main window's outer frame is one pixel at 1x and exactly two at 2x,
    // in the same colour, with the inside colour right after it.
    const QImage small = Load(ConfigSkinFolder(), "Main_Normal.bmp");
    const QImage big = Load(ConfigSkinFolder(), "Main_Normal@2x.bmp");
    ASSERT_FALSE(small.isNull());
    ASSERT_FALSE(big.isNull());
    const int y = 300;
    EXPECT_EQ(big.pixel(0, 2 * y), small.pixel(0, y));
    EXPECT_EQ(big.pixel(1, 2 * y), small.pixel(0, y));
    EXPECT_EQ(big.pixel(2, 2 * y), small.pixel(1, y));
    EXPECT_NE(small.pixel(0, y), small.pixel(1, y));
}

}  // namespace
}  // namespace solune::skintest
