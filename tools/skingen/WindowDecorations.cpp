#include "tools/skingen/WindowDecorations.h"

#include <QPainterPath>

#include "shared/layout/MainWindowLayout.h"
#include "shared/layout/ButtonPageLayout.h"
#include "shared/layout/LightingPageLayout.h"
#include "tools/skingen/ArtPainter.h"
#include "tools/skingen/SkinPalette.h"

namespace solune::skinart {
namespace {

void HorizontalLine(QPainter& p, int x1, int x2, int y, const QColor& colour) {
    p.fillRect(QRect(x1, y, x2 - x1, 1), colour);
}

void VerticalLine(QPainter& p, int x, int y1, int y2, const QColor& colour) {
    p.fillRect(QRect(x, y1, 1, y2 - y1), colour);
}

}  // namespace

void DecorateMainWindow(QPainter& p, ArtState) {
    // Header band with the product name, an accent rule above the page
    // buttons, a rule between the profile row and the pages, one above the
    // bottom buttons, and a frame around the window.
    p.fillRect(QRect(0, 0, 800, 146), kBand);
    HorizontalLine(p, 0, 800, 146, kAccent);
    HorizontalLine(p, 9, 792, 186, kFrame);
    HorizontalLine(p, 9, 792, 559, kFrame);
    p.fillRect(QRect(24, 60, 6, 28), kAccent);
    DrawFrame(p, QRect(0, 0, 800, 600), kFrame);
}

void DecorateButtonPage(QPainter& p, ArtState) {
    // A top view of the mouse between the markers, with a leader line from
    // each marker to the body. The lines are drawn first and the body over
    // them, so each line ends exactly at the body's edge.
    for (const layout::LayoutControl& marker : layout::kButtonPageControls) {
        if (marker.kind != layout::ControlKind::Marker) {
            continue;
        }
        const int y = marker.rect.y + marker.rect.height / 2;
        if (marker.rect.x < 318) {
            HorizontalLine(p, marker.rect.right(), 380, y, kDimText);
        } else {
            HorizontalLine(p, 380, marker.rect.x, y, kDimText);
        }
    }
    const QRectF body(318.5, 24.5, 124, 176);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kFrame, 1.0));
    p.setBrush(kBand);
    p.drawRoundedRect(body, 58, 70);
    p.setPen(QPen(kDimText, 1.0));
    p.drawLine(QPointF(380.5, 25), QPointF(380.5, 100));
    p.drawLine(QPointF(322, 100.5), QPointF(439, 100.5));
    p.setBrush(kPanel);
    p.drawRoundedRect(QRectF(373.5, 40.5, 14, 30), 6, 6);
    p.drawRoundedRect(QRectF(320.5, 105.5, 8, 22), 3, 3);
    p.drawRoundedRect(QRectF(320.5, 132.5, 8, 22), 3, 3);
    p.restore();
}

void DecorateSensorPage(QPainter& p, ArtState) {
    HorizontalLine(p, 35, 754, 178, kFrame);
}

void DecorateLightingPage(QPainter& p, ArtState state) {
    VerticalLine(p, 236, 46, 344, kFrame);
    VerticalLine(p, 500, 46, 344, kFrame);
    if (state != ArtState::Background) {
        return;
    }
    // The inert zones have only a disable picture, so while they are enabled
    // the page background shows through them: it carries their greyed look.
    for (int id : {layout::kLightingDpiIndicatorId, layout::kLightingDpiButtonsId}) {
        if (const layout::LayoutControl* c =
                layout::FindControl(layout::kLightingPageControls, id)) {
            DrawControl(p, *c, ArtState::Disable, {});
        }
    }
}

void DecorateMacroPage(QPainter& p, ArtState) {
    VerticalLine(p, 515, 53, 312, kFrame);
}

void DecorateSupportPage(QPainter& p, ArtState) {
    VerticalLine(p, 410, 98, 330, kFrame);
}

}  // namespace solune::skinart
