#include <QPainter>

#include "tools/skingen/ArtPainter.h"
#include "tools/skingen/PictureCanvas.h"
#include "tools/skingen/SkinFamily.h"
#include "tools/skingen/SkinPalette.h"

namespace solune::skinart {
namespace {

// Height of a dialog's title band; the close buttons sit in it.
constexpr int kBandHeight = 23;

void DrawDialogChrome(QPainter& p, const QSize& size) {
    p.fillRect(QRect(0, 0, size.width(), kBandHeight), kBand);
    p.fillRect(QRect(0, kBandHeight, size.width(), 1), kAccent);
    DrawFrame(p, QRect(QPoint(0, 0), size), kFrame);
}

}  // namespace

QImage RenderFamilyPicture(const SkinFamily& family, ArtState state, int scale) {
    QImage image = NewPicture(family.size, scale, kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    if (family.dialog) {
        DrawDialogChrome(p, family.size);
    }
    if (family.decorate) {
        family.decorate(p, state);
    }
    for (const layout::StaticText& text : family.texts) {
        DrawStaticText(p, text);
    }
    for (const layout::LayoutControl& control : family.controls) {
        ControlLook look;
        look.plainLabels = family.plainLabels;
        if (family.swatchColor) {
            look.swatch = family.swatchColor(control.id);
        }
        DrawControl(p, control, state, look);
    }
    p.end();
    return image;
}

}  // namespace solune::skinart
