#pragma once
// The vocabulary of the window layout tables: where each control of a window
// sits, what kind of skinned control it is, and the static texts that the
// window's artwork carries. Both programs' windows place their controls from
// these tables, and the skin generator draws the pictures from the same ones,
// so every rectangle has one source.
//
// Coordinates are pixels in the window's client area; a rectangle is its left,
// top, width and height. Qt-free on purpose: the tables are plain constexpr
// data that the core, the windows and the tools can all read.

#include <span>
#include <string_view>

namespace solune::layout {

struct ControlRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return x + width; }    // exclusive
    constexpr int bottom() const { return y + height; }  // exclusive
    constexpr bool contains(int px, int py) const {
        return px >= x && px < right() && py >= y && py < bottom();
    }
    constexpr bool intersects(const ControlRect& o) const {
        return x < o.right() && o.x < right() && y < o.bottom() && o.y < bottom();
    }
    constexpr bool inside(int w, int h) const {
        return x >= 0 && y >= 0 && width > 0 && height > 0 && right() <= w && bottom() <= h;
    }
    constexpr bool operator==(const ControlRect&) const = default;
};

struct PictureSize {
    int width = 0;
    int height = 0;
};

// The skinned class a control is made of; it decides how the artwork draws
// the control's region in each state.
enum class ControlKind {
    Button,       // push button; its text, if any, is part of the artwork
    CheckBox,     // tick box; its text, if any, is part of the artwork
    ComboButton,  // opens a menu and draws its own caption
    Label,        // static that draws its own text (or nothing) over its region
    Slider,       // one-thumb slider: the region is its track
    Slider3D,     // three-thumb slider: the region is its track
    Edit,         // edit field drawing its own text over its region
    List,         // list control drawing its rows over its region
    Progress,     // progress bar: normal region empty, down region filled
    Picture,      // static that shows pictures of its own over its region
    ColorButton,  // colour button: a swatch that opens the colour panel
    Marker,       // button marking a mouse button on the drawn mouse
    CloseButton,  // the small button in a dialog's top right corner
};

// One control of a window. `artText` is the text that the artwork draws inside
// the control's region (empty when the control draws its own caption or shows
// no text). `spoken` is the name a screen reader says for the control where
// neither the art text nor the template text says what it is (empty: the art
// text, else the template text; see SpokenName).
struct LayoutControl {
    int id = 0;
    std::string_view name;  // the control's template text
    ControlKind kind = ControlKind::Button;
    ControlRect rect;
    std::string_view artText;
    // Where the control's pictures are cut from, when that is not `rect`.
    ControlRect picture{};
    std::string_view spoken{};

    constexpr ControlRect artRect() const { return picture.width > 0 ? picture : rect; }
};

// The name a screen reader says for `control`: its spoken name, else its art
// text, else its template text.
constexpr std::string_view SpokenName(const LayoutControl& control) {
    if (!control.spoken.empty()) {
        return control.spoken;
    }
    return control.artText.empty() ? control.name : control.artText;
}

enum class TextRole {
    Banner,   // the product name on the main window
    Title,    // a window or group title
    Label,    // a label beside a control
    Message,  // a message paragraph, wrapped inside its rectangle
};

enum class TextAlign { Left, Center, Right };

// A static text of a window's artwork, drawn in every state picture alike.
// It never lies under a control.
struct StaticText {
    std::string_view text;
    ControlRect rect;
    TextRole role = TextRole::Label;
    TextAlign align = TextAlign::Left;
};

// The bounds, step and start value of a slider. The page sets its slider up
// from them, and the skin generator marks each stop on the slider's track.
struct SliderRange {
    int id = 0;
    int minValue = 0;
    int maxValue = 0;
    int step = 1;
    int startValue = 0;

    // The values a thumb can rest on, from the minimum in steps.
    constexpr int stops() const {
        return step > 0 && maxValue >= minValue ? (maxValue - minValue) / step + 1 : 1;
    }
};

// The control of `controls` with id `id`, or nullptr.
constexpr const LayoutControl* FindControl(std::span<const LayoutControl> controls, int id) {
    for (const LayoutControl& c : controls) {
        if (c.id == id) {
            return &c;
        }
    }
    return nullptr;
}

// The range of slider `id` in `ranges`, or nullptr.
constexpr const SliderRange* FindSliderRange(std::span<const SliderRange> ranges, int id) {
    for (const SliderRange& r : ranges) {
        if (r.id == id) {
            return &r;
        }
    }
    return nullptr;
}

// A rectangle given by its edges (left, top, right, bottom; right and bottom
// exclusive), as the Windows RECT of a hit rectangle is.
constexpr ControlRect FromEdges(int left, int top, int right, int bottom) {
    return {left, top, right - left, bottom - top};
}

}  // namespace solune::layout
