#include "shared/skin/BmpPicture.h"

#include <cstdint>
#include <cstdlib>

namespace solune {

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr qsizetype kInfoHeaderSize = 40;
constexpr std::int64_t kMaxPixels = 64LL * 1024 * 1024;

std::uint32_t U32(const QByteArray& b, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t U16(const QByteArray& b, qsizetype at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

}  // namespace

QImage ReadUncompressedBmp(const QByteArray& bytes) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') {
        return {};
    }
    const std::uint32_t pixelOffset = U32(bytes, 10);
    const std::uint32_t infoSize = U32(bytes, 14);
    const auto width = static_cast<std::int32_t>(U32(bytes, 18));
    const auto rawHeight = static_cast<std::int32_t>(U32(bytes, 22));
    const std::uint16_t planes = U16(bytes, 26);
    const std::uint16_t bits = U16(bytes, 28);
    const std::uint32_t compression = U32(bytes, 30);
    if (infoSize < kInfoHeaderSize || planes != 1 || (bits != 24 && bits != 32) ||
        compression != 0 || width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) {
        return {};
    }
    const bool topDown = rawHeight < 0;
    const std::int64_t height = std::llabs(rawHeight);
    if (static_cast<std::int64_t>(width) * height > kMaxPixels) {
        return {};
    }
    const std::int64_t stride = ((static_cast<std::int64_t>(width) * bits + 31) / 32) * 4;
    if (pixelOffset < kFileHeaderSize + infoSize ||
        static_cast<std::int64_t>(pixelOffset) + stride * height > bytes.size()) {
        return {};
    }
    QImage picture(width, static_cast<int>(height), QImage::Format_RGB32);
    if (picture.isNull()) {
        return {};
    }
    const int step = bits / 8;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData()) + pixelOffset;
    for (int y = 0; y < picture.height(); ++y) {
        const std::int64_t row = topDown ? y : height - 1 - y;
        const unsigned char* source = data + row * stride;
        auto* target = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x, source += step) {
            target[x] = qRgb(source[2], source[1], source[0]);
        }
    }
    return picture;
}

}  // namespace solune
