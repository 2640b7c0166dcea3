#include "tools/skingen/PictureCanvas.h"

namespace solune::skinart {

QImage NewPicture(QSize logical, int scale, const QColor& fill, QImage::Format format) {
    QImage picture(logical * scale, format);
    picture.setDevicePixelRatio(scale);
    picture.fill(fill);
    return picture;
}

QRect LogicalRect(const QImage& picture) {
    return QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize());
}

}  // namespace solune::skinart
