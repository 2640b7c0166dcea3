// The gallery's contact sheets: small pictures are enlarged by whole factors
// so single pixels stay visible, and a picture that is missing is shown as a
// red box instead of being left out silently.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include "tools/skin-gallery/GallerySheet.h"

namespace solune::gallery {
namespace {

int CountColour(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

TEST(GallerySheet, EnlargesSmallPicturesAndMarksMissingOnes) {
    int argc = 1;
    char name[] = "gallery-test";
    char* argv[] = {name};
    QGuiApplication app(argc, argv);

    QImage thumb(10, 12, QImage::Format_RGB32);
    thumb.fill(qRgb(1, 2, 3));
    const QImage sheet = ComposeSheet("Sheet", {{"thumb.bmp", thumb}, {"gone.bmp", QImage()}}, 2);
    // 10 × 12 pixels grow by a factor of 10 to 100 × 120.
    EXPECT_EQ(CountColour(sheet, qRgb(1, 2, 3)), 100 * 120);
    EXPECT_GT(CountColour(sheet, qRgb(0xA0, 0x20, 0x20)), 0);

    const QImage complete = ComposeSheet("Sheet", {{"thumb.bmp", thumb}}, 2);
    EXPECT_EQ(CountColour(complete, qRgb(0xA0, 0x20, 0x20)), 0);
}

TEST(GallerySheet, PreviewShowsTheZoneColoursThroughTheClearAreasOnly) {
    QImage mouse(205, 212, QImage::Format_ARGB32);
    mouse.fill(qRgb(9, 9, 9));
    mouse.setPixel(100, 10, qRgba(0, 0, 0, 0));   // inside the scroll-wheel zone
    mouse.setPixel(150, 120, qRgba(0, 0, 0, 0));  // inside the logo zone
    const QImage preview = PreviewWithZones(mouse, 0xFFFF0000, 0xFF0000FF);
    EXPECT_EQ(preview.pixel(100, 10), qRgb(255, 0, 0));
    EXPECT_EQ(preview.pixel(150, 120), qRgb(0, 0, 255));
    EXPECT_EQ(CountColour(preview, qRgb(9, 9, 9)), 205 * 212 - 2);
}

}  // namespace
}  // namespace solune::gallery
