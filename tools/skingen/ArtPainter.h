#pragma once
// The drawing primitives of the artwork: crisp frames, the static texts, and
// the look of each kind of control in each state.
//
// Every control look stays inside the control's rectangle, and every state
// looks different from the normal one, so that the pictures of a family are
// identical outside the control rectangles and differ inside each of them.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>
#include <optional>
#include <string_view>

#include "shared/layout/ControlLayout.h"
#include "tools/skingen/ArtState.h"

namespace solune::skinart {

QRect ToQRect(const layout::ControlRect& r);
QString ToQString(std::string_view text);

// The face the artwork writes with, at a pixel size.
QFont ArtFont(int pixelSize, bool bold = false);

// A 1-pixel frame just inside `r`, drawn without smoothing.
void DrawFrame(QPainter& p, const QRect& r, const QColor& colour);

// One line of text inside `r`, centred vertically and aligned as asked; the
// font shrinks (down to 8 pixels) until the text fits the width.
void DrawFittedText(QPainter& p, const QRect& r, const QString& text, int pixelSize, bool bold,
                    const QColor& colour, layout::TextAlign align);

// A static text of a window's artwork.
void DrawStaticText(QPainter& p, const layout::StaticText& text);

struct ControlLook {
    // Preset colour buttons show their colour as a swatch.
    std::optional<QColor> swatch;
    // Labels without a look of their own (the updater's labels show the
    // plain background behind their text in every state).
    bool plainLabels = false;
};

// Draws `control` in `state` at its picture rectangle (clipped to it).
void DrawControl(QPainter& p, const layout::LayoutControl& control, ArtState state,
                 const ControlLook& look);

}  // namespace solune::skinart
