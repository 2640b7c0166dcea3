#pragma once
// Contact sheets of the skin pictures, for reviewing the artwork: each
// picture of a set drawn side by side under its file name.

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

namespace solune::gallery {

struct SheetEntry {
    std::string caption;  // usually the file name
    QImage image;         // a null image is shown as a "missing" placeholder
};

// The entries laid out in rows of at most `columns`, each under its caption,
// on a neutral grey (so that the pictures' own dark edges stay visible).
// Pictures smaller than 120 pixels are shown enlarged by whole factors.
QImage ComposeSheet(const std::string& title, const std::vector<SheetEntry>& entries, int columns);

// The picture file `file` of `folder`, or a null image.
QImage LoadPicture(const std::filesystem::path& folder, const std::string& file);

// The lighting preview as the lighting page paints it: black, the two light
// zones in their colours, "Mouse.png" on top.
QImage PreviewWithZones(const QImage& mouse, QRgb wheelColour, QRgb logoColour);

}  // namespace solune::gallery
