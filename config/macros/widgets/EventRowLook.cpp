#include "config/macros/widgets/EventRowLook.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>

#include "config/pages/KeyName.h"
#include "shared/skin/DrawTextInRect.h"
#include "shared/skin/SkinFonts.h"

namespace solune {
namespace {

struct MouseLabel {
    std::int16_t code;
    const char* name;  // followed by " Down" or " Up"
};

constexpr std::array<MouseLabel, 5> kButtonLabels = {{
    {1, "Left button"},
    {2, "Right button"},
    {4, "Middle button"},
    {166, "Back button"},
    {167, "Forward button"},
}};

constexpr int kMarkerLeft = 2;
constexpr int kMarkerMid = 7;
constexpr int kMarkerRight = 12;
constexpr int kArrowInset = 6;
constexpr int kLabelLeft = 17;
constexpr int kLabelRight = 122;
constexpr int kDelayRight = 174;
constexpr int kLabelDelayGap = 4;
constexpr int kRowFontHeight = 13;

const QColor kPenColor(0xBE, 0xBE, 0xBE);
const QColor kSelectedColor(179, 211, 53);
const QColor kNormalColor(190, 190, 190);

// The label of a mouse-button or wheel row; a null string for other codes.
QString MouseRowLabel(const CEventItem& row) {
    if (row.code == kWheelUpCode) {
        return QStringLiteral("Scroll wheel Up");
    }
    if (row.code == kWheelDownCode) {
        return QStringLiteral("Scroll wheel Down");
    }
    for (const MouseLabel& label : kButtonLabels) {
        if (label.code == row.code) {
            return QString::fromLatin1(label.name) +
                   (row.edge == kEdgePress ? QStringLiteral(" Down") : QStringLiteral(" Up"));
        }
    }
    return {};
}

void DrawMarker(QPainter& painter, RowMarker marker, const QRect& r) {
    const int x = r.x();
    const int top = r.y();
    const int bottom = r.y() + r.height();
    const int mid = (top + bottom) / 2;
    switch (marker) {
        case RowMarker::Line:
            painter.drawLine(x + kMarkerLeft, mid, x + kMarkerRight, mid);
            break;
        case RowMarker::PressArrow:
            painter.drawLine(x + kMarkerLeft, top + kArrowInset, x + kMarkerMid,
                             bottom - kArrowInset);
            painter.drawLine(x + kMarkerMid, bottom - kArrowInset, x + kMarkerRight,
                             top + kArrowInset);
            break;
        case RowMarker::ReleaseArrow:
            painter.drawLine(x + kMarkerLeft, bottom - kArrowInset, x + kMarkerMid,
                             top + kArrowInset);
            painter.drawLine(x + kMarkerMid, top + kArrowInset, x + kMarkerRight,
                             bottom - kArrowInset);
            break;
        case RowMarker::None:
            break;
    }
}

}  // namespace

EventRowPlaces PlaceEventRow(const EventRowLook& look, const QFont& font, int left, int right) {
    const QFontMetrics metrics(font);
    EventRowPlaces places;
    // The delay is always shown whole: a long one moves left, but never past
    // its usual place when the row is wide enough.
    places.delayWidth = std::max(kDelayRight - kLabelRight, metrics.horizontalAdvance(look.delay));
    places.delayLeft = std::min(left + kLabelRight, right - places.delayWidth);
    places.labelLeft = left + kLabelLeft;
    places.labelWidth = std::max(0, places.delayLeft - kLabelDelayGap - places.labelLeft);
    places.label = FitText(look.label, font, places.labelWidth);
    return places;
}

QFont EventRowFont() {
    return skin::MakeFont(skin::kArialFace, kRowFontHeight);
}

EventRowLook DescribeEventRow(const CEventItem& row) {
    EventRowLook look;
    look.delay = QString::asprintf("%d ms", row.delay);
    const QString mouse = MouseRowLabel(row);
    if (!mouse.isNull()) {
        look.marker = RowMarker::Line;
        look.label = mouse;
        return look;
    }
    // Codes are kept as the program's unsigned key codes.
    look.label = QString::fromStdString(KeyName(static_cast<std::uint16_t>(row.code)));
    if (!look.label.isEmpty()) {
        look.marker = row.edge == kEdgePress ? RowMarker::PressArrow : RowMarker::ReleaseArrow;
    }
    return look;
}

void DrawEventRow(QPainter& painter, const CEventItem& row) {
    const EventRowLook look = DescribeEventRow(row);
    const QRect r(row.rect.left, row.rect.top, row.rect.right - row.rect.left,
                  row.rect.bottom - row.rect.top);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kPenColor, 1));
    DrawMarker(painter, look.marker, r);
    painter.setFont(EventRowFont());
    painter.setPen(row.selected != 0 ? kSelectedColor : kNormalColor);
    const auto flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    const EventRowPlaces places = PlaceEventRow(look, painter.font(), r.x(), r.x() + r.width());
    painter.drawText(QRect(places.labelLeft, r.y(), places.labelWidth, r.height()), flags,
                     places.label);
    painter.drawText(QRect(places.delayLeft, r.y(), places.delayWidth, r.height()), flags,
                     look.delay);
    painter.restore();
}

}  // namespace solune
