#include "tools/skingen/ExtraPictures.h"

#include <QPainter>
#include <QPainterPath>

#include "shared/layout/MacroPageLayout.h"
#include "shared/layout/LightingPageLayout.h"
#include "shared/layout/MousePictureLayout.h"
#include "shared/layout/PopDlgLayout.h"
#include "shared/layout/SensorPageLayout.h"
#include "tools/skingen/ArtPainter.h"
#include "tools/skingen/PictureCanvas.h"
#include "tools/skingen/SkinPalette.h"

namespace solune::skinart {
namespace {

QImage Blank(int width, int height, const QColor& fill, int scale) {
    return NewPicture(QSize(width, height), scale, fill);
}

QImage Thumb(const QColor& face, const QColor& frame, const QString& digit,
             const QColor& digitColour, int scale) {
    QImage image = Blank(kThumbWidth, kThumbHeight, kBackground, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(frame, 1.0));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0.5, 0.5, kThumbWidth - 1, kThumbHeight - 1), 3, 3);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (digit.isEmpty()) {
        p.fillRect(QRect(kThumbWidth / 2, 3, 1, kThumbHeight - 6), digitColour);
    } else {
        DrawFittedText(p, QRect(0, 0, kThumbWidth, kThumbHeight), digit, 10, true, digitColour,
                       layout::TextAlign::Center);
    }
    return image;
}

void DrawArrow(QPainter& p, const QRect& r, bool up, const QColor& colour) {
    const int cx = r.center().x();
    const int cy = r.center().y();
    for (int row = 0; row < 4; ++row) {
        const int y = up ? cy - 2 + row : cy + 1 - row;
        p.fillRect(QRect(cx - row, y, 2 * row + 1, 1), colour);
    }
}

QImage ScrollTrack(int scale) {
    QImage image = Blank(kScrollWidth, kScrollHeight, kWell, scale);
    QPainter p(&image);
    DrawFrame(p, LogicalRect(image), kFrame);
    p.fillRect(QRect(kScrollWidth / 2, 4, 1, kScrollHeight - 8), kPanel);
    return image;
}

QImage ScrollParts(bool pressed, int scale) {
    QImage image = ScrollTrack(scale);
    QPainter p(&image);
    const QColor face = pressed ? kDownFace : kPanel;
    const QColor frame = pressed ? kAccent : kFrame;
    const QColor mark = pressed ? kAccent : kText;
    const QRect first = ToQRect(layout::kScrollFirstArrowCrop);
    const QRect thumb = ToQRect(layout::kScrollThumbCrop);
    const QRect second = ToQRect(layout::kScrollSecondArrowCrop);
    for (const QRect& part : {first, thumb, second}) {
        p.fillRect(part, face);
        DrawFrame(p, part, frame);
    }
    DrawArrow(p, first, true, mark);
    DrawArrow(p, second, false, mark);
    for (int i = -1; i <= 1; ++i) {
        p.fillRect(QRect(thumb.left() + 6, thumb.center().y() + 3 * i, thumb.width() - 12, 1),
                   mark);
    }
    return image;
}

}  // namespace

std::vector<NamedPicture> SliderPictures(int scale) {
    return {
        {"Slider_Normal.bmp", Thumb(kText, kWhite, QString(), kBackground, scale)},
        {"Slider_Disable.bmp", Thumb(kDisabledFace, kDisabledFrame, QString(), kDisabledText, scale)},
        {"Slider1.bmp", Thumb(kAccent, kWhite, QStringLiteral("1"), kBackground, scale)},
        {"Slider2.bmp", Thumb(kAccent.darker(115), kWhite, QStringLiteral("2"), kBackground, scale)},
        {"Slider3.bmp", Thumb(kAccent.darker(135), kWhite, QStringLiteral("3"), kBackground, scale)},
    };
}

std::vector<NamedPicture> ScrollPictures(int scale) {
    return {
        {"Scroll_Normal.bmp", ScrollTrack(scale)},
        {"Scroll_Over.bmp", ScrollParts(true, scale)},
        {"Scroll_Down.bmp", ScrollParts(false, scale)},
    };
}

NamedPicture ColorPanelPicture(int scale) {
    QImage image =
        Blank(layout::kColorPanelSize.width, layout::kColorPanelSize.height, kFrame, scale);
    QPainter p(&image);
    DrawFrame(p, LogicalRect(image), kAccent);
    for (int row = 1; row <= 4; ++row) {
        for (int column = 1; column <= 5; ++column) {
            const layout::Rgb& c = layout::kPresetColors[row - 1][column - 1];
            p.fillRect(ToQRect(layout::SwatchRect(row, column)), QColor(c.red, c.green, c.blue));
        }
    }
    return {"ColorPanel.bmp", image};
}

NamedPicture MousePicture(int scale) {
    const int width = layout::kMousePictureSize.width;
    const int height = layout::kMousePictureSize.height;
    QImage image = NewPicture(QSize(width, height), scale, kBackground, QImage::Format_ARGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    // The body, its two buttons and the seam between them.
    p.setPen(QPen(kFrame, 1.0));
    p.setBrush(kPanel);
    p.drawRoundedRect(QRectF(48.5, 1.5, 108, 208), 52, 64);
    p.setPen(QPen(kDimText, 1.0));
    p.drawLine(QPointF(101.5, 2), QPointF(101.5, 4));
    p.drawLine(QPointF(101.5, 24), QPointF(101.5, 78));
    p.drawLine(QPointF(52, 80.5), QPointF(153, 80.5));

    // Light areas: cut clean holes so the zone colours show through.
    const QRectF wheel(95.5, 6.5, 12, 15);
    QPainterPath logo;
    logo.moveTo(101.5, 108);
    logo.lineTo(116, 123.5);
    logo.lineTo(101.5, 139);
    logo.lineTo(87, 123.5);
    logo.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setBrush(Qt::black);
    p.drawRoundedRect(wheel, 5, 5);
    p.drawPath(logo);
    // The logo is a ring: its centre stays opaque.
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setBrush(kPanel);
    QPainterPath core;
    core.moveTo(101.5, 116);
    core.lineTo(108.5, 123.5);
    core.lineTo(101.5, 131);
    core.lineTo(94.5, 123.5);
    core.closeSubpath();
    p.drawPath(core);
    p.end();
    return {"Mouse.png", image};
}

std::vector<NamedPicture> SurfacePictures(int scale) {
    const int width = layout::kSurfacePictureSize.width;
    const int height = layout::kSurfacePictureSize.height;
    std::vector<NamedPicture> pictures;
    for (int level = 0; level <= 10; ++level) {
        QImage image = Blank(width, height, kWell, scale);
        QPainter p(&image);
        DrawFrame(p, LogicalRect(image), kFrame);
        // Ten bars rising from left to right; the first `level` of them lit.
        for (int bar = 0; bar < 10; ++bar) {
            const int barHeight = 4 + bar * 26 / 9;
            const QRect r(4 + bar * 9, 32 - barHeight, 7, barHeight);
            p.fillRect(r, bar < level ? kAccent.darker(100 + (9 - bar) * 8) : kPanel);
        }
        DrawFittedText(p, QRect(2, 33, width - 4, 13), QString::number(level * 10) + "%", 11, true,
                       level > 0 ? kAccent : kDimText, layout::TextAlign::Center);
        p.end();
        pictures.push_back({std::to_string(level * 10) + ".bmp", image});
    }
    return pictures;
}

std::vector<NamedPicture> AnalysisFrames(int scale) {
    const int width = layout::kAnalysisFrameSize.width;
    const int height = layout::kAnalysisFrameSize.height;
    std::vector<NamedPicture> frames;
    for (int frame = 0; frame < 3; ++frame) {
        QImage image = Blank(width, height, kBackground, scale);
        QPainter p(&image);
        DrawFrame(p, LogicalRect(image), kFrame);
        // The surface, with marks that move from frame to frame.
        p.fillRect(QRect(6, 76, width - 12, 1), kFrame);
        for (int x = 8 + frame * 4; x < width - 8; x += 12) {
            p.fillRect(QRect(x, 78, 6, 1), kDimText);
        }
        // The mouse, seen from the side, and its sensor light.
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(kDimText, 1.0));
        p.setBrush(kPanel);
        p.drawRoundedRect(QRectF(58.5, 48.5, 72, 26), 13, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawEllipse(QPointF(94.5, 75.5), 2.5, 1.5);
        p.setRenderHint(QPainter::Antialiasing, false);
        // Progress dots: one more lit in each frame.
        for (int dot = 0; dot < 3; ++dot) {
            p.fillRect(QRect(142 + dot * 12, 58, 7, 7), dot <= frame ? kAccent : kPanel);
        }
        DrawFittedText(p, QRect(10, 10, width - 20, 20), QStringLiteral("Analysing surface"), 12,
                       false, kText, layout::TextAlign::Center);
        p.end();
        frames.push_back({"TQA2-" + std::to_string(frame + 1) + ".bmp", image});
    }
    return frames;
}

}  // namespace solune::skinart
