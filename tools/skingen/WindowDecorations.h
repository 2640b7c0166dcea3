#pragma once
// The artwork of the windows that is neither a control nor a text: header
// bands, separators, and the mouse drawn behind the button page's markers.
// Each stays clear of the window's control rectangles.

#include <QPainter>

#include "tools/skingen/ArtState.h"

namespace solune::skinart {

void DecorateMainWindow(QPainter& p, ArtState state);
void DecorateButtonPage(QPainter& p, ArtState state);
void DecorateSensorPage(QPainter& p, ArtState state);
void DecorateLightingPage(QPainter& p, ArtState state);
void DecorateMacroPage(QPainter& p, ArtState state);
void DecorateSupportPage(QPainter& p, ArtState state);

}  // namespace solune::skinart
