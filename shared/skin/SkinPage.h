#pragma once
// The base of the main window's pages: a child widget (not a dialog) that
// paints its whole client area from one background picture and takes its
// size from that picture.
//
// It hosts skinned controls (ControlParent). News from controls reaches the
// derived page's controlNotify; the base passes kMenuClosing on to the
// window the page lies in, so that it reaches the main window, and ignores
// the rest. A page has nothing to accept or close: Enter and Escape end on
// the page and do nothing (the window it lies in does not see them), other
// keys the page does not handle go on to that window, and a close request
// leaves the page as it is (the main window shows and hides its pages).

#include <QImage>
#include <QWidget>
#include <functional>

#include "shared/skin/ControlParent.h"
#include "shared/skin/SkinBackground.h"

namespace solune {

class SkinPage : public QWidget, public ControlParent {
  public:
    explicit SkinPage(QWidget* parent = nullptr);

    // See SkinBackground::Set.
    void SetBackgroundImage(const QImage& image);
    const QImage& backgroundImage() const { return m_background.image(); }

    // Runs `dress` (which gives the page and its controls their pictures)
    // just before the page is first shown, so that a page the user never
    // opens never decodes or cuts its pictures; at once when the page is
    // shown already or was shown before.
    // Until then the page takes `size` (its background's size, known from the
    // picture file's header) where that is valid.
    void DressWhenFirstShown(QSize size, std::function<void()> dress);

    void controlNotify(int id, int value) override;

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    SkinBackground m_background;
    std::function<void()> m_dress;
    bool m_shownOnce = false;
};

}  // namespace solune
