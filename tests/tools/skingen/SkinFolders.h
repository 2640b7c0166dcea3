#pragma once
// The skin folders the build drew, and small helpers for looking at pictures.

#include <QImage>
#include <filesystem>
#include <string>
#include <string_view>

#include "shared/layout/ControlLayout.h"

namespace solune::skintest {

inline std::filesystem::path ConfigSkinFolder() {
    return SOLUNE_VESK_SKIN_DIR;
}
inline std::filesystem::path UpdaterSkinFolder() {
    return SOLUNE_UPDATER_SKIN_DIR;
}

// The picture `file` of `folder` as 32-bit ARGB, or a null image.
inline QImage Load(const std::filesystem::path& folder, std::string_view file) {
    QImage image(QString::fromStdString((folder / std::string(file)).string()));
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32);
}

inline bool Inside(const layout::ControlRect& r, const QImage& image) {
    return r.inside(image.width(), image.height());
}

}  // namespace solune::skintest
