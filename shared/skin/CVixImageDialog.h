#pragma once
// The base of every skinned window: it paints its whole client area from one
// background picture and takes its size from that picture.
//
// It hosts skinned controls (ControlParent). News from controls reaches the
// derived window's controlNotify; the base passes kMenuClosing on to its own
// parent window, so that it reaches the main window, and ignores the rest.

#include <QDialog>
#include <QImage>

#include "shared/skin/ControlParent.h"

namespace solune {

class CVixImageDialog : public QDialog, public ControlParent {
  public:
    explicit CVixImageDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // Keeps a copy of `image` as the background (the caller keeps its own) and
    // resizes the window to exactly the picture's size, keeping its top-left
    // corner. A null image removes the background and keeps the size.
    void SetBackgroundImage(const QImage& image);
    const QImage& backgroundImage() const { return m_background; }

    // Runs the window modally: 1 when it was accepted (the OK path), else 2.
    int DoModal();

    void controlNotify(int id, int value) override;

  protected:
    // Draws the background scaled to the client area (smooth scaling); without
    // a background, the dialog's default look.
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage m_background;
};

}  // namespace solune
