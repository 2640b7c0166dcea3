#pragma once
// How a screen reader says a colour: "Red 255, green 0, blue 0".

#include <QString>

namespace solune {

QString SpokenColor(int red, int green, int blue);

}  // namespace solune
