#include "tools/skingen/ArtPainter.h"

#include <QFontMetrics>
#include <algorithm>

#include "tools/skingen/SkinPalette.h"

namespace solune::skinart {
namespace {

using layout::ControlKind;

// The colours of one state of a framed control.
struct Face {
    QColor fill;
    QColor frame;
    QColor text;
};

Face FaceOf(ArtState state) {
    switch (state) {
        case ArtState::Over:
            return {kOverFace, kAccent, kWhite};
        case ArtState::Down:
            return {kDownFace, kAccent, kAccent};
        case ArtState::Disable:
            return {kDisabledFace, kDisabledFrame, kDisabledText};
        default:
            return {kPanel, kFrame, kText};
    }
}

int TextSizeFor(const QRect& r) {
    return r.height() >= 30 ? 14 : (r.height() >= 20 ? 12 : 11);
}

void DrawFace(QPainter& p, const QRect& r, const Face& face) {
    p.fillRect(r, face.fill);
    DrawFrame(p, r, face.frame);
}

void DrawButton(QPainter& p, const layout::LayoutControl& c, const QRect& r, ArtState state) {
    const Face face = FaceOf(state);
    DrawFace(p, r, face);
    if (state == ArtState::Down) {
        // A chosen button (page, profile, radio choice) carries an accent bar.
        p.fillRect(QRect(r.left() + 1, r.bottom() - 2, r.width() - 2, 2), kAccent);
    }
    if (!c.artText.empty()) {
        DrawFittedText(p, r.adjusted(3, 0, -3, 0), ToQString(c.artText), TextSizeFor(r),
                       state == ArtState::Down, face.text, layout::TextAlign::Center);
    }
}

void DrawSwatch(QPainter& p, const QRect& r, ArtState state, QColor colour) {
    p.fillRect(r, kBackground);
    if (state == ArtState::Disable) {
        // Greyed, but each swatch keeps its own brightness.
        const int grey = 48 + qGray(colour.rgb()) / 4;
        colour = QColor(grey, grey, grey);
    }
    const QColor frame = state == ArtState::Over ? kAccent
                         : state == ArtState::Down
                             ? kWhite
                             : (state == ArtState::Disable ? kDisabledFrame : kFrame);
    DrawFrame(p, r, frame);
    const int inset = state == ArtState::Normal || state == ArtState::Disable ? 2 : 3;
    p.fillRect(r.adjusted(inset, inset, -inset, -inset), colour);
    if (state == ArtState::Over) {
        DrawFrame(p, r.adjusted(1, 1, -1, -1), kAccent);
    }
}

void DrawCheckBox(QPainter& p, const layout::LayoutControl& c, const QRect& r, ArtState state) {
    const Face face = FaceOf(state);
    p.fillRect(r, state == ArtState::Over ? kBand : kBackground);
    const int side = std::min(11, r.height() - 4);
    const int left = c.artText.empty() ? r.left() + (r.width() - side) / 2 : r.left() + 2;
    const QRect box(left, r.top() + (r.height() - side) / 2, side, side);
    p.fillRect(box, state == ArtState::Disable ? kDisabledFace : kWell);
    DrawFrame(p, box, face.frame);
    if (state == ArtState::Down) {
        p.fillRect(box.adjusted(3, 3, -3, -3), kAccent);
    }
    if (!c.artText.empty()) {
        const QRect textRect(box.right() + 5, r.top(), r.right() - box.right() - 5, r.height());
        DrawFittedText(p, textRect, ToQString(c.artText), 12, false, face.text,
                       layout::TextAlign::Left);
    }
}

void DrawDownArrow(QPainter& p, int centreX, int centreY, const QColor& colour) {
    // A crisp 7 × 4 triangle pointing down.
    for (int row = 0; row < 4; ++row) {
        p.fillRect(QRect(centreX - 3 + row, centreY - 2 + row, 7 - 2 * row, 1), colour);
    }
}

void DrawCombo(QPainter& p, const QRect& r, ArtState state) {
    const Face face = FaceOf(state);
    DrawFace(p, r, face);
    const int arrowX = r.width() < 24 ? r.center().x() : r.right() - 8;
    if (r.width() >= 24) {
        p.fillRect(QRect(r.right() - 16, r.top() + 4, 1, r.height() - 8), face.frame);
    }
    DrawDownArrow(p, arrowX, r.center().y() + 1, face.text);
}

void DrawMarker(QPainter& p, const layout::LayoutControl& c, const QRect& r, ArtState state) {
    const Face face = FaceOf(state);
    p.fillRect(r, kBackground);
    const int side = std::min(r.width(), r.height()) - 2;
    const QRectF circle(r.left() + (r.width() - side) / 2.0, r.top() + (r.height() - side) / 2.0,
                        side, side);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(face.frame, 1.0));
    p.setBrush(state == ArtState::Down ? kAccent : face.fill);
    p.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();
    const QColor text = state == ArtState::Down ? kBackground : face.text;
    DrawFittedText(p, r, ToQString(c.artText), std::min(12, side - 4), true, text,
                   layout::TextAlign::Center);
}

void DrawClose(QPainter& p, const QRect& r, ArtState state) {
    const Face face = FaceOf(state);
    p.fillRect(r, state == ArtState::Normal ? kBand : face.fill);
    if (state == ArtState::Over || state == ArtState::Down) {
        DrawFrame(p, r, face.frame);
    }
    const QColor cross = state == ArtState::Normal ? kDimText : face.text;
    const int half = std::min(r.width(), r.height()) / 4;
    const QPointF c = QRectF(r).center();
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(cross, 1.5));
    p.drawLine(QPointF(c.x() - half, c.y() - half), QPointF(c.x() + half, c.y() + half));
    p.drawLine(QPointF(c.x() - half, c.y() + half), QPointF(c.x() + half, c.y() - half));
    p.restore();
}

void DrawColorButton(QPainter& p, const QRect& r, ArtState state) {
    const Face face = FaceOf(state);
    p.fillRect(r, kBackground);
    DrawFrame(p, r, face.frame);
    static const QColor kQuarters[4] = {QColor(255, 40, 40), QColor(60, 255, 70),
                                        QColor(40, 100, 255), QColor(255, 220, 0)};
    const QRect inner = r.adjusted(2, 2, -2, -2);
    const int halfW = inner.width() / 2;
    const int halfH = inner.height() / 2;
    const QRect parts[4] = {QRect(inner.left(), inner.top(), halfW, halfH),
                            QRect(inner.left() + halfW, inner.top(), inner.width() - halfW, halfH),
                            QRect(inner.left(), inner.top() + halfH, halfW, inner.height() - halfH),
                            QRect(inner.left() + halfW, inner.top() + halfH, inner.width() - halfW,
                                  inner.height() - halfH)};
    for (int i = 0; i < 4; ++i) {
        QColor colour = kQuarters[i];
        if (state == ArtState::Disable) {
            colour =
                QColor(qGray(colour.rgb()) / 3, qGray(colour.rgb()) / 3, qGray(colour.rgb()) / 3);
        } else if (state == ArtState::Down) {
            colour = colour.darker(160);
        }
        p.fillRect(parts[i], colour);
    }
}

void DrawWell(QPainter& p, const QRect& r, ArtState state) {
    const Face face = FaceOf(state);
    p.fillRect(r, state == ArtState::Disable ? kDisabledFace : kWell);
    DrawFrame(p, r, state == ArtState::Normal ? kFrame : face.frame);
    if (state == ArtState::Down) {
        DrawFrame(p, r.adjusted(1, 1, -1, -1), kDownFace);
    }
}

void DrawTrack(QPainter& p, const QRect& r, ArtState state) {
    p.fillRect(r, state == ArtState::Over ? kBand : kBackground);
    const QColor groove = state == ArtState::Down      ? kAccent
                          : state == ArtState::Over    ? kDimText
                          : state == ArtState::Disable ? kDisabledFrame
                                                       : kFrame;
    const int y = r.top() + r.height() / 2 - 1;
    p.fillRect(QRect(r.left() + 3, y, r.width() - 6, 3), groove);
    // Ten ticks along the groove give the scale.
    for (int i = 0; i <= 10; ++i) {
        const int x = r.left() + 3 + (r.width() - 7) * i / 10;
        p.fillRect(QRect(x, y + 4, 1, 2), groove);
    }
}

void DrawLabel(QPainter& p, const layout::LayoutControl& c, const QRect& r, ArtState state,
               bool plain) {
    if (plain) {
        return;
    }
    // In the normal state a label shows the picture behind it unchanged.
    if (state != ArtState::Normal) {
        const QColor fill = state == ArtState::Over   ? kOverFace
                            : state == ArtState::Down ? kDownFace
                                                      : kDisabledFace;
        p.fillRect(r, fill);
    }
    if (state == ArtState::Down) {
        p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), kAccent);
    }
    if (!c.artText.empty()) {
        const QColor text = state == ArtState::Down      ? kAccent
                            : state == ArtState::Disable ? kDisabledText
                                                         : kDimText;
        DrawFittedText(p, r, ToQString(c.artText), 14, true, text, layout::TextAlign::Center);
    }
}

void DrawProgress(QPainter& p, const QRect& r, ArtState state) {
    if (state == ArtState::Normal || state == ArtState::Disable) {
        p.fillRect(r, state == ArtState::Disable ? kDisabledFace : kWell);
        DrawFrame(p, r, state == ArtState::Disable ? kDisabledFrame : kFrame);
        if (r.height() > r.width() && state == ArtState::Normal) {
            // A vertical bar shows its scale of ten classes while it is empty.
            for (int i = 1; i < 10; ++i) {
                const int y = r.bottom() - (r.height() - 1) * i / 10;
                p.fillRect(QRect(r.left() + 3, y, i % 5 == 0 ? 12 : 6, 1), kFrame);
            }
        }
        return;
    }
    // The filled bar: revealed from the left, or from the bottom for a
    // vertical bar, so it is even along the direction of growth.
    p.fillRect(r, kWell);
    const QColor fill = state == ArtState::Over ? kAccent : kAccent.darker(130);
    p.fillRect(r.adjusted(2, 2, -2, -2), fill);
    DrawFrame(p, r, kAccent);
}

}  // namespace

QRect ToQRect(const layout::ControlRect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont ArtFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void DrawFrame(QPainter& p, const QRect& r, const QColor& colour) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), colour);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), colour);
}

void DrawFittedText(QPainter& p, const QRect& r, const QString& text, int pixelSize, bool bold,
                    const QColor& colour, layout::TextAlign align) {
    QFont font = ArtFont(pixelSize, bold);
    while (pixelSize > 8 && QFontMetrics(font).horizontalAdvance(text) > r.width()) {
        font = ArtFont(--pixelSize, bold);
    }
    const int flags = Qt::AlignVCenter | Qt::TextSingleLine |
                      (align == layout::TextAlign::Center  ? Qt::AlignHCenter
                       : align == layout::TextAlign::Right ? Qt::AlignRight
                                                           : Qt::AlignLeft);
    p.save();
    p.setClipRect(r);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, flags, text);
    p.restore();
}

void DrawStaticText(QPainter& p, const layout::StaticText& text) {
    const QRect r = ToQRect(text.rect);
    const QString s = ToQString(text.text);
    switch (text.role) {
        case layout::TextRole::Banner:
            DrawFittedText(p, r, s, 30, true, kText, text.align);
            break;
        case layout::TextRole::Title:
            DrawFittedText(p, r, s, 13, true, kText, text.align);
            break;
        case layout::TextRole::Label:
            DrawFittedText(p, r, s, 12, false, kDimText, text.align);
            break;
        case layout::TextRole::Message: {
            p.save();
            p.setClipRect(r);
            p.setFont(ArtFont(13));
            p.setPen(kText);
            p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, s);
            p.restore();
            break;
        }
    }
}

void DrawControl(QPainter& p, const layout::LayoutControl& control, ArtState state,
                 const ControlLook& look) {
    if (state == ArtState::Background) {
        return;
    }
    const QRect r = ToQRect(control.artRect());
    p.save();
    p.setClipRect(r);
    switch (control.kind) {
        case ControlKind::Button:
            if (look.swatch) {
                DrawSwatch(p, r, state, *look.swatch);
            } else {
                DrawButton(p, control, r, state);
            }
            break;
        case ControlKind::CheckBox:
            DrawCheckBox(p, control, r, state);
            break;
        case ControlKind::ComboButton:
            DrawCombo(p, r, state);
            break;
        case ControlKind::Marker:
            DrawMarker(p, control, r, state);
            break;
        case ControlKind::CloseButton:
            DrawClose(p, r, state);
            break;
        case ControlKind::ColorButton:
            DrawColorButton(p, r, state);
            break;
        case ControlKind::Label:
            DrawLabel(p, control, r, state, look.plainLabels);
            break;
        case ControlKind::Slider:
        case ControlKind::Slider3D:
            DrawTrack(p, r, state);
            break;
        case ControlKind::Edit:
        case ControlKind::List:
        case ControlKind::Picture:
            DrawWell(p, r, state);
            break;
        case ControlKind::Progress:
            DrawProgress(p, r, state);
            break;
    }
    p.restore();
}

}  // namespace solune::skinart
