#pragma once
// The colour panel of a zone colour button: a small frameless window that
// shows "ColorPanel.bmp" with twenty swatches (the preset colours, four rows
// of five) and never takes the keyboard focus.
//
// A left release on a swatch reports its colour to the owner button
// (controlNotify(kPanelId, colour as 0x00BBGGRR)) and hides the panel. Shown,
// the panel checks every 2000 ms (its hide timer, hideTimerId()) whether the
// pointer is inside the panel or inside the owner button; when it is in
// neither, the timer stops and the panel hides. Tests drive that check by
// sending a QTimerEvent with hideTimerId().
//
// The panel is a window of its own but owned by its button (its Qt parent),
// so it goes with the button.

#include <QImage>
#include <QWidget>
#include <memory>
#include <vector>

#include "config/pages/CColorButton.h"
#include "shared/skin/SpokenRows.h"

namespace solune {

class CVixCbnColorButton;

class CColorPanel : public QWidget, public SpokenRows {
  public:
    // A window has no control id: the panel reports with id 0.
    static constexpr int kPanelId = 0;

    // Creates the hidden panel owned by `owner` (borrowed; it owns the panel).
    explicit CColorPanel(CVixCbnColorButton* owner);
    ~CColorPanel() override;

    // Replaces the panel's picture.
    void SetPicture(QImage picture);
    // Sizes the panel to its picture, moves its top-left corner to the screen
    // point `topLeft`, shows it and starts the hide timer.
    void ShowAt(QPoint topLeft);

    int swatchCount() const { return static_cast<int>(m_swatches.size()); }
    const CColorButton& swatch(int index) const { return *m_swatches[index]; }
    int hideTimerId() const { return m_hideTimer; }
    bool isPressed() const { return m_pressed; }

    // Its swatches to a screen reader, by their colours ("Red 255, green 0,
    // blue 0"); choosing one does what a click on it does.
    int spokenRowCount() const override { return swatchCount(); }
    QString spokenRowText(int index) const override;
    bool spokenRowSelected(int) const override { return false; }
    QRect spokenRowRect(int index) const override;
    void ChooseSpokenRow(int index) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void StopHideTimer();

    bool m_pressed = false;
    CVixCbnColorButton* m_owner;
    QImage m_picture;
    std::vector<std::unique_ptr<CColorButton>> m_swatches;
    int m_hideTimer = 0;
};

}  // namespace solune
