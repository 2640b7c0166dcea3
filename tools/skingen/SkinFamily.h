#pragma once
// A family of skin pictures: the pictures of one window (or one set of
// pieces) that share one size and one coordinate system, one picture per
// state, drawn from the window's layout table.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "shared/layout/ControlLayout.h"
#include "tools/skingen/ArtState.h"

namespace solune::skinart {

struct SkinFamily {
    std::string name;
    // The file of each state, in ArtState order (Normal, Over, Down and, where
    // the family has one, Disable).
    std::vector<std::string> stateFiles;
    // A picture of the window without its controls ("_BK"), or empty.
    std::string backgroundFile;
    QSize size;
    std::vector<layout::LayoutControl> controls;
    std::vector<layout::StaticText> texts;
    // A dialog: a title band across the top and a frame around the edge.
    bool dialog = false;
    // The updater's labels show the plain background in every state.
    bool plainLabels = false;
    // Artwork of the window that is neither control nor text, drawn on every
    // picture under the controls.
    std::function<void(QPainter&, ArtState)> decorate;
    // The swatch colour of a preset colour button.
    std::function<std::optional<QColor>(int id)> swatchColor;
    // The face of a button drawn smaller than its rectangle.
    std::function<std::optional<QRect>(int id)> faceOf;
    // The ranges of the family's sliders, whose tracks mark their stops.
    std::vector<layout::SliderRange> sliderRanges;
};

// The picture of `family` in `state` (Background: the picture without
// controls), drawn at `scale` (see PictureCanvas.h).
QImage RenderFamilyPicture(const SkinFamily& family, ArtState state, int scale = 1);

// The families of the configuration program ("SOLUNE300_Skins"): the main
// window, the five pages, the rename dialog and the seven pop-up modes.
std::vector<SkinFamily> ConfigFamilies();

// The eleven screens of the updater ("SOLUNE300Updater_Skins").
std::vector<SkinFamily> UpdaterFamilies();

}  // namespace solune::skinart
