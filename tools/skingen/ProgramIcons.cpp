#include "tools/skingen/ProgramIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "tools/skingen/SkinPalette.h"
#include "tools/skingen/SkinSet.h"

namespace solune::skinart {
namespace {

// Draws on a 256-unit square scaled to the icon, so every size shows the same
// picture; the lines stay at least one pixel wide.
QImage IconTile(int size, bool withArrow) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double unit = size / 256.0;
    p.scale(unit, unit);
    const double pixel = 1.0 / unit;

    // The tile.
    p.setPen(QPen(kFrame, std::max(2.0, pixel)));
    p.setBrush(kBackground);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    // The mouse: body, the seam between the two buttons, the wheel and the logo.
    const QRectF body = withArrow ? QRectF(104, 40, 112, 176) : QRectF(72, 28, 112, 200);
    p.setPen(QPen(kText, std::max(4.0, pixel)));
    p.setBrush(kPanel);
    p.drawRoundedRect(body, 56, 64);
    const double cx = body.center().x();
    const double seam = body.top() + body.height() * 0.38;
    p.drawLine(QPointF(cx, body.top() + 4), QPointF(cx, seam));
    p.drawLine(QPointF(body.left() + 4, seam), QPointF(body.right() - 4, seam));
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawRoundedRect(QRectF(cx - 9, body.top() + 22, 18, 34), 9, 9);
    QPainterPath logo;
    const double ly = body.top() + body.height() * 0.64;
    logo.moveTo(cx, ly - 20);
    logo.lineTo(cx + 18, ly);
    logo.lineTo(cx, ly + 20);
    logo.lineTo(cx - 18, ly);
    logo.closeSubpath();
    p.drawPath(logo);

    if (withArrow) {
        // An arrow into the mouse: the firmware going in.
        QPainterPath arrow;
        arrow.moveTo(32, 108);
        arrow.lineTo(64, 108);
        arrow.lineTo(64, 80);
        arrow.lineTo(100, 128);
        arrow.lineTo(64, 176);
        arrow.lineTo(64, 148);
        arrow.lineTo(32, 148);
        arrow.closeSubpath();
        p.drawPath(arrow);
    }
    return image;
}

}  // namespace

std::string IconFolder(int size, int scale) {
    const std::string square = std::to_string(size) + "x" + std::to_string(size);
    return scale == 1 ? square : square + "@" + std::to_string(scale);
}

QImage ConfigProgramIcon(int size) {
    return IconTile(size, false);
}

QImage UpdaterProgramIcon(int size) {
    return IconTile(size, true);
}

bool WriteProgramIcons(const std::filesystem::path& theme, const std::string& configName,
                       const std::string& updaterName, std::string& error) {
    for (int size : kIconSizes) {
        for (int scale : kIconScales) {
            const int pixels = size * scale;
            const std::vector<NamedPicture> icons{
                {configName + ".png", ConfigProgramIcon(pixels)},
                {updaterName + ".png", UpdaterProgramIcon(pixels)}};
            if (!WritePictures(icons, theme / IconFolder(size, scale) / "apps", error)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace solune::skinart
