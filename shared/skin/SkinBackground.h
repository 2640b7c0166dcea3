#pragma once
// The background picture of a skinned window or page: it paints the whole
// client area and gives the widget its size.

#include <QImage>

class QWidget;

namespace solune {

class SkinBackground {
  public:
    // Keeps a copy of `image` (the caller keeps its own) and resizes `widget`
    // to exactly the picture's size, keeping its top-left corner. A null
    // image removes the background and keeps the size. Repaints `widget`.
    void Set(QWidget& widget, const QImage& image);
    const QImage& image() const { return m_image; }

    // Draws the background scaled to `widget`'s client area (smooth
    // scaling). False, drawing nothing, when there is no background.
    bool Paint(QWidget& widget) const;

  private:
    QImage m_image;
};

}  // namespace solune
