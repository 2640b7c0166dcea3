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
#include <QPoint>
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

// The pixel size, at most `pixelSize` and at least 8, at which `text` fits
// `r`: as wide as its advance and as tall as its letters reach (a "g" keeps
// its tail).
int FittedPixelSize(const QRect& r, const QString& text, int pixelSize, bool bold);

// Where one line of text goes inside `r`: the font at FittedPixelSize and the
// start of its baseline, aligned as asked and centred vertically. When the
// font's full height is taller than `r`, the letters themselves are centred,
// so nothing of them is cut.
struct TextPlacement {
    QFont font;
    QPoint baseline;
};
TextPlacement PlaceFittedText(const QRect& r, const QString& text, int pixelSize, bool bold,
                              layout::TextAlign align);

// Draws one line of text as PlaceFittedText places it, clipped to `r`.
void DrawFittedText(QPainter& p, const QRect& r, const QString& text, int pixelSize, bool bold,
                    const QColor& colour, layout::TextAlign align);

// Where a check box draws its text, beside its box.
QRect CheckBoxTextRect(const QRect& r);
// The pixel size a check box starts its text at.
inline constexpr int kCheckBoxTextSize = 12;

// The size and weight a static text of each role starts at (a message is
// wrapped, the others shrink to fit their line).
struct TextStyle {
    int pixelSize = 12;
    bool bold = false;
};
TextStyle StyleOf(layout::TextRole role);

// A static text of a window's artwork.
void DrawStaticText(QPainter& p, const layout::StaticText& text);

struct ControlLook {
    // Preset colour buttons show their colour as a swatch.
    std::optional<QColor> swatch;
    // A button drawn as a face smaller than its rectangle (the rest of the
    // rectangle shows the background), so that a group of choices with
    // rectangles of different sizes looks alike.
    std::optional<QRect> face;
    // The pixel size of the control's text, shared with the controls of its
    // row, instead of the size its own rectangle allows.
    std::optional<int> textSize;
    // A slider's range: its track marks each stop.
    const layout::SliderRange* range = nullptr;
    // Labels without a look of their own (the updater's labels show the
    // plain background behind their text in every state).
    bool plainLabels = false;
};

// Draws `control` in `state` at its picture rectangle (clipped to it).
void DrawControl(QPainter& p, const layout::LayoutControl& control, ArtState state,
                 const ControlLook& look);

}  // namespace solune::skinart
