#pragma once
// The base of every skinned dialog window: it paints its whole client area
// from one background picture and takes its size from that picture.
//
// It hosts skinned controls (ControlParent). News from controls reaches the
// derived window's controlNotify; the base passes kMenuClosing on to its own
// parent window, so that it reaches the main window, and ignores the rest.

#include <QDialog>
#include <QImage>

#include "shared/skin/ControlParent.h"
#include "shared/skin/SkinBackground.h"

namespace solune {

class CVixImageDialog : public QDialog, public ControlParent {
  public:
    explicit CVixImageDialog(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // See SkinBackground::Set.
    void SetBackgroundImage(const QImage& image);
    const QImage& backgroundImage() const { return m_background.image(); }

    // Closes the open menus of both families, then runs the window modally,
    // centred on its owner's main window (where it has an owner): 1 when it
    // was accepted (the OK path), else 2.
    int DoModal();

    void controlNotify(int id, int value) override;

  protected:
    // Draws the background; without a background, the dialog's default look.
    void paintEvent(QPaintEvent* event) override;

  private:
    void CloseOpenMenus();
    void CentreOnOwnerWindow();
    SkinBackground m_background;
};

}  // namespace solune
