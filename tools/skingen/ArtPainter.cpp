#include "tools/skingen/ArtPainter.h"

#include <QFontMetrics>
#include <algorithm>
#include <vector>

#include "shared/layout/SliderMath.h"
#include "tools/skingen/ExtraPictures.h"
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

void DrawButton(QPainter& p, const layout::LayoutControl& c, const QRect& whole, ArtState state,
                const ControlLook& look) {
    const Face face = FaceOf(state);
    QRect r = whole;
    if (look.face) {
        p.fillRect(whole, kBackground);
        r = *look.face;
    }
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

int CheckBoxSide(const QRect& r) {
    return std::min(11, r.height() - 4);
}

void DrawCheckBox(QPainter& p, const layout::LayoutControl& c, const QRect& r, ArtState state,
                  const ControlLook& look) {
    const Face face = FaceOf(state);
    p.fillRect(r, state == ArtState::Over ? kBand : kBackground);
    const int side = CheckBoxSide(r);
    const int left = c.artText.empty() ? r.left() + (r.width() - side) / 2 : r.left() + 2;
    const QRect box(left, r.top() + (r.height() - side) / 2, side, side);
    p.fillRect(box, state == ArtState::Disable ? kDisabledFace : kWell);
    DrawFrame(p, box, face.frame);
    if (state == ArtState::Down) {
        p.fillRect(box.adjusted(3, 3, -3, -3), kAccent);
    }
    if (!c.artText.empty()) {
        DrawFittedText(p, CheckBoxTextRect(r), ToQString(c.artText),
                       look.textSize.value_or(kCheckBoxTextSize), false, face.text,
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

// The x of each tick on a track: one under each stop where the thumb can
// rest, when there are few enough to tell apart; else a scale of ten parts.
std::vector<int> TickPositions(const QRect& r, const layout::SliderRange* range) {
    constexpr int kMostStopsMarked = 16;
    std::vector<int> ticks;
    if (range && range->stops() >= 2 && range->stops() <= kMostStopsMarked) {
        for (int v = range->minValue; v <= range->maxValue; v += range->step) {
            ticks.push_back(r.left() + layout::ThumbCenterX(0, r.width(), kThumbWidth, v,
                                                            range->minValue, range->maxValue));
        }
        return ticks;
    }
    for (int i = 0; i <= 10; ++i) {
        ticks.push_back(r.left() + 3 + (r.width() - 7) * i / 10);
    }
    return ticks;
}

void DrawTrack(QPainter& p, const QRect& r, ArtState state, const layout::SliderRange* range) {
    p.fillRect(r, state == ArtState::Over ? kBand : kBackground);
    const QColor groove = state == ArtState::Down      ? kAccent
                          : state == ArtState::Over    ? kDimText
                          : state == ArtState::Disable ? kDisabledFrame
                                                       : kFrame;
    const int y = r.top() + r.height() / 2 - 1;
    p.fillRect(QRect(r.left() + 3, y, r.width() - 6, 3), groove);
    for (int x : TickPositions(r, range)) {
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

int FittedPixelSize(const QRect& r, const QString& text, int pixelSize, bool bold) {
    while (pixelSize > 8) {
        const QFontMetrics metrics(ArtFont(pixelSize, bold));
        if (metrics.horizontalAdvance(text) <= r.width() &&
            metrics.tightBoundingRect(text).height() <= r.height()) {
            break;
        }
        --pixelSize;
    }
    return pixelSize;
}

TextPlacement PlaceFittedText(const QRect& r, const QString& text, int pixelSize, bool bold,
                              layout::TextAlign align) {
    TextPlacement place{ArtFont(FittedPixelSize(r, text, pixelSize, bold), bold), {}};
    const QFontMetrics metrics(place.font);
    const int advance = metrics.horizontalAdvance(text);
    int x = align == layout::TextAlign::Center  ? r.left() + (r.width() - advance) / 2
            : align == layout::TextAlign::Right ? r.right() + 1 - advance
                                                : r.left();
    // A letter that reaches past its advance (the bar of a "T") is moved in,
    // so the clip does not shave it.
    const QRect letters = metrics.tightBoundingRect(text);
    x += std::max(0, r.left() - (x + letters.left()));
    x -= std::max(0, x + letters.right() - r.right());
    int baseline = 0;
    if (metrics.height() <= r.height()) {
        baseline = r.top() + (r.height() - metrics.height()) / 2 + metrics.ascent();
    } else {
        // The line is taller than the room: centre the letters' own extent,
        // from the top of the tallest to the end of the lowest tail.
        const QRect ink = metrics.tightBoundingRect(text);
        baseline = r.top() + (r.height() - ink.height()) / 2 - ink.top();
    }
    place.baseline = QPoint(x, baseline);
    return place;
}

void DrawFittedText(QPainter& p, const QRect& r, const QString& text, int pixelSize, bool bold,
                    const QColor& colour, layout::TextAlign align) {
    const TextPlacement place = PlaceFittedText(r, text, pixelSize, bold, align);
    p.save();
    p.setClipRect(r);
    p.setFont(place.font);
    p.setPen(colour);
    p.drawText(place.baseline, text);
    p.restore();
}

QRect CheckBoxTextRect(const QRect& r) {
    // The box sits 2 pixels in from the left; the text starts 3 pixels after it.
    const int boxRight = r.left() + 2 + CheckBoxSide(r) - 1;
    return QRect(boxRight + 4, r.top(), r.right() - boxRight - 4, r.height());
}

TextStyle StyleOf(layout::TextRole role) {
    switch (role) {
        case layout::TextRole::Banner:
            return {30, true};
        case layout::TextRole::Title:
            return {13, true};
        case layout::TextRole::Label:
            return {12, false};
        case layout::TextRole::Message:
            break;
    }
    return {13, false};
}

void DrawStaticText(QPainter& p, const layout::StaticText& text) {
    const QRect r = ToQRect(text.rect);
    const QString s = ToQString(text.text);
    const TextStyle style = StyleOf(text.role);
    if (text.role == layout::TextRole::Message) {
        p.save();
        p.setClipRect(r);
        p.setFont(ArtFont(style.pixelSize, style.bold));
        p.setPen(kText);
        p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, s);
        p.restore();
        return;
    }
    DrawFittedText(p, r, s, style.pixelSize, style.bold,
                   text.role == layout::TextRole::Label ? kDimText : kText, text.align);
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
                DrawButton(p, control, r, state, look);
            }
            break;
        case ControlKind::CheckBox:
            DrawCheckBox(p, control, r, state, look);
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
            DrawTrack(p, r, state, look.range);
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
