// The programs' desktop icons: each usual size is drawn at that size, a tile
// with transparent corners and the accent inside, and the two programs' icons
// differ at every size; the writer puts them where the icon theme looks.

#include "tools/skingen/ProgramIcons.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/TempDir.h"
#include "tools/skingen/SkinPalette.h"

namespace solune::skinart {
namespace {

// A pixel near the accent colour (smoothing blends the small sizes' edges).
bool HasAccent(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - kAccent.red()) < 48 &&
                std::abs(c.green() - kAccent.green()) < 48 &&
                std::abs(c.blue() - kAccent.blue()) < 48) {
                return true;
            }
        }
    }
    return false;
}

TEST(ProgramIcons, EverySizeIsATileWithTheAccent) {
    for (int size : kIconSizes) {
        for (const QImage& icon : {ConfigProgramIcon(size), UpdaterProgramIcon(size)}) {
            ASSERT_EQ(icon.size(), QSize(size, size));
            EXPECT_TRUE(icon.hasAlphaChannel());
            EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0) << size;
            EXPECT_EQ(icon.pixelColor(size - 1, size - 1).alpha(), 0) << size;
            EXPECT_EQ(icon.pixelColor(size / 2, size - size / 8).alpha(), 255) << size;
            EXPECT_TRUE(HasAccent(icon)) << size;
        }
        EXPECT_NE(ConfigProgramIcon(size), UpdaterProgramIcon(size)) << size;
    }
}

TEST(ProgramIcons, TheWriterFillsTheThemeFolders) {
    test::TempDir dir;
    std::string error;
    ASSERT_TRUE(WriteProgramIcons(dir.path(), "a.b.config", "a.b.updater", error)) << error;
    // The scaled folders hold the same icon drawn at the scaled size, not a
    // copy of the small one.
    const struct {
        int size;
        int scale;
        const char* folder;
    } cases[] = {{16, 1, "16x16"}, {16, 2, "16x16@2"}, {48, 1, "48x48"},
                 {48, 2, "48x48@2"}, {256, 2, "256x256@2"}};
    for (const auto& c : cases) {
        EXPECT_EQ(IconFolder(c.size, c.scale), c.folder);
    }
    for (int size : kIconSizes) {
        for (int scale : kIconScales) {
            const std::string folder = IconFolder(size, scale) + "/apps/";
            const int pixels = size * scale;
            const QImage read(
                QString::fromStdString((dir / (folder + "a.b.config.png")).string()));
            EXPECT_EQ(read.size(), QSize(pixels, pixels)) << folder;
            EXPECT_EQ(read.convertToFormat(QImage::Format_ARGB32),
                      ConfigProgramIcon(pixels).convertToFormat(QImage::Format_ARGB32))
                << folder;
            const QImage updater(
                QString::fromStdString((dir / (folder + "a.b.updater.png")).string()));
            EXPECT_EQ(updater.size(), QSize(pixels, pixels)) << folder;
        }
    }
}

}  // namespace
}  // namespace solune::skinart
