#pragma once
// Close-ups for the documentation: the places where a text or a look was
// mended, each cut from the window as the user sees it and enlarged three
// times without smoothing, as PNG files ("crop-*.png"). The window is driven
// as a user drives it (clicks, pointer moves, typed names), offscreen.

#include <QString>

namespace solune {

class CVESKDlg;

// Writes the close-ups into `folder`; the number of files written.
int WriteScreenshotCrops(CVESKDlg& window, const QString& folder);

}  // namespace solune
