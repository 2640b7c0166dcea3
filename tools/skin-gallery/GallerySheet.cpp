#include "tools/skin-gallery/GallerySheet.h"

#include <QFont>
#include <QPainter>
#include <algorithm>

#include "shared/layout/MousePictureLayout.h"

namespace solune::gallery {
namespace {

constexpr int kMargin = 16;
constexpr int kCaptionHeight = 20;
const QColor kSheetColour(0x6E, 0x70, 0x74);

int ScaleFor(const QImage& image) {
    if (image.isNull()) {
        return 1;
    }
    const int longest = std::max(image.width(), image.height());
    return longest >= 120 ? 1 : std::max(1, 120 / longest);
}

QSize ShownSize(const SheetEntry& e) {
    if (e.image.isNull()) {
        return QSize(160, 60);
    }
    return e.image.size() * ScaleFor(e.image);
}

}  // namespace

QImage ComposeSheet(const std::string& title, const std::vector<SheetEntry>& entries, int columns) {
    columns = std::max(1, columns);
    // Column widths and row heights from the largest picture in each.
    std::vector<int> widths(columns, 0);
    std::vector<int> heights((entries.size() + columns - 1) / columns, 0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QSize s = ShownSize(entries[i]);
        widths[i % columns] = std::max(widths[i % columns], std::max(s.width(), 160));
        heights[i / columns] = std::max(heights[i / columns], s.height());
    }
    int width = kMargin;
    for (int w : widths) {
        width += w + kMargin;
    }
    int height = kMargin + 28;
    for (int h : heights) {
        height += kCaptionHeight + h + kMargin;
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(kSheetColour);
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(kMargin, 8, width - 2 * kMargin, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromStdString(title));
    font.setPixelSize(12);
    font.setBold(false);
    p.setFont(font);
    int y = kMargin + 28;
    for (std::size_t row = 0; row < heights.size(); ++row) {
        int x = kMargin;
        for (int column = 0; column < columns; ++column) {
            const std::size_t i = row * columns + column;
            if (i >= entries.size()) {
                break;
            }
            const SheetEntry& e = entries[i];
            p.setPen(Qt::white);
            p.drawText(QRect(x, y, widths[column], kCaptionHeight),
                       Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(e.caption));
            const QSize s = ShownSize(e);
            const QRect target(x, y + kCaptionHeight, s.width(), s.height());
            if (e.image.isNull()) {
                p.fillRect(target, QColor(0xA0, 0x20, 0x20));
                p.drawText(target, Qt::AlignCenter, QStringLiteral("missing"));
            } else {
                p.drawImage(target, e.image);
            }
            x += widths[column] + kMargin;
        }
        y += kCaptionHeight + heights[row] + kMargin;
    }
    p.end();
    return sheet;
}

QImage LoadPicture(const std::filesystem::path& folder, const std::string& file) {
    QImage image;
    image.load(QString::fromStdString((folder / file).string()));
    return image;
}

QImage PreviewWithZones(const QImage& mouse, QRgb wheelColour, QRgb logoColour) {
    const int width = layout::kMousePictureSize.width;
    const int height = layout::kMousePictureSize.height;
    QImage preview(width, height, QImage::Format_RGB32);
    preview.fill(Qt::black);
    QPainter p(&preview);
    for (const auto& [zone, colour] : {std::pair{layout::kScrollWheelZone, wheelColour},
                                       std::pair{layout::kLogoZone, logoColour}}) {
        p.fillRect(QRect(zone.x, zone.y, zone.width, zone.height), QColor(colour));
    }
    if (!mouse.isNull()) {
        p.drawImage(QRect(0, 0, width, height), mouse);
    }
    p.end();
    return preview;
}

}  // namespace solune::gallery
