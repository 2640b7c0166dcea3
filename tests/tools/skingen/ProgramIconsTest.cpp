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
    for (int size : kIconSizes) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size) + "/apps/";
        for (const char* name : {"a.b.config.png", "a.b.updater.png"}) {
            const QImage read(QString::fromStdString((dir / (folder + name)).string()));
            EXPECT_EQ(read.size(), QSize(size, size)) << folder << name;
        }
    }
}

}  // namespace
}  // namespace solune::skinart
