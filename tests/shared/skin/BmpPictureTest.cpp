// The skin's fast bitmap reader: the same pixels as Qt's reader for 24- and
// 32-bit bitmaps, bottom-up and top-down, and nothing (so the general reader
// takes over) for other kinds or for a file cut short.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "shared/skin/BmpPicture.h"

namespace solune::test {
namespace {

// A picture with a different colour in every pixel, odd width (row padding).
QImage Pattern() {
    QImage image(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 30, y * 50, (x + y) * 10));
        }
    }
    return image;
}

QByteArray AsBmp(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// A 32-bit top-down bitmap of `image`, written by hand.
QByteArray TopDown32(const QImage& image) {
    QByteArray bytes(54, '\0');
    auto put32 = [&bytes](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
        }
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(image.width()));
    put32(22, static_cast<std::uint32_t>(-image.height()));
    bytes[26] = 1;
    bytes[28] = 32;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            bytes.append(static_cast<char>(qBlue(c)));
            bytes.append(static_cast<char>(qGreen(c)));
            bytes.append(static_cast<char>(qRed(c)));
            bytes.append('\0');
        }
    }
    return bytes;
}

TEST(ReadUncompressedBmp, GivesTheSamePixelsAsQtsReader) {
    const QImage pattern = Pattern();
    const QByteArray bmp24 = AsBmp(pattern);
    ASSERT_EQ(bmp24[28], 24);
    QImage byQt;
    ASSERT_TRUE(byQt.loadFromData(bmp24));
    EXPECT_EQ(ReadUncompressedBmp(bmp24), byQt.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(ReadUncompressedBmp(TopDown32(pattern)), pattern);
}

TEST(ReadUncompressedBmp, OtherKindsAndShortFilesAreLeftToTheGeneralReader) {
    const QByteArray bmp = AsBmp(Pattern());
    EXPECT_TRUE(ReadUncompressedBmp(bmp.left(bmp.size() - 1)).isNull());
    EXPECT_TRUE(ReadUncompressedBmp(bmp.left(40)).isNull());
    EXPECT_TRUE(ReadUncompressedBmp(QByteArray()).isNull());
    QByteArray compressed = bmp;
    compressed[30] = 1;
    EXPECT_TRUE(ReadUncompressedBmp(compressed).isNull());
    QByteArray eightBit = bmp;
    eightBit[28] = 8;
    EXPECT_TRUE(ReadUncompressedBmp(eightBit).isNull());
    QByteArray hugeOffset = bmp;
    hugeOffset[13] = 0x7F;
    EXPECT_TRUE(ReadUncompressedBmp(hugeOffset).isNull());
    EXPECT_TRUE(ReadUncompressedBmp(AsBmp(Pattern()).replace(0, 2, "PN")).isNull());
}

}  // namespace
}  // namespace solune::test
