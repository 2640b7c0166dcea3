#include "config/pages/SpokenColor.h"

namespace solune {

QString SpokenColor(int red, int green, int blue) {
    return QStringLiteral("Red %1, green %2, blue %3").arg(red).arg(green).arg(blue);
}

}  // namespace solune
