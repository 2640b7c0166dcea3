#include <QPainter>
#include <algorithm>
#include <map>
#include <utility>

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

// Check boxes side by side in one row (same top and height) write their texts
// at one size, the largest at which every one of them fits, so a row of
// choices such as the report rates reads alike.
std::map<int, int> CheckBoxRowTextSizes(const SkinFamily& family) {
    std::map<std::pair<int, int>, std::vector<const layout::LayoutControl*>> rows;
    for (const layout::LayoutControl& c : family.controls) {
        if (c.kind == layout::ControlKind::CheckBox && !c.artText.empty()) {
            rows[{c.artRect().y, c.artRect().height}].push_back(&c);
        }
    }
    std::map<int, int> sizes;
    for (const auto& [row, boxes] : rows) {
        int size = kCheckBoxTextSize;
        for (const layout::LayoutControl* c : boxes) {
            size = std::min(size, FittedPixelSize(CheckBoxTextRect(ToQRect(c->artRect())),
                                                  ToQString(c->artText), size, false));
        }
        for (const layout::LayoutControl* c : boxes) {
            sizes[c->id] = size;
        }
    }
    return sizes;
}

ControlLook LookOf(const SkinFamily& family, const layout::LayoutControl& control,
                   const std::map<int, int>& rowTextSizes) {
    ControlLook look;
    look.plainLabels = family.plainLabels;
    if (family.swatchColor) {
        look.swatch = family.swatchColor(control.id);
    }
    if (family.faceOf) {
        look.face = family.faceOf(control.id);
    }
    if (const auto size = rowTextSizes.find(control.id); size != rowTextSizes.end()) {
        look.textSize = size->second;
    }
    look.range = layout::FindSliderRange(family.sliderRanges, control.id);
    return look;
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
    const std::map<int, int> rowTextSizes = CheckBoxRowTextSizes(family);
    for (const layout::LayoutControl& control : family.controls) {
        DrawControl(p, control, state, LookOf(family, control, rowTextSizes));
    }
    p.end();
    return image;
}

}  // namespace solune::skinart
