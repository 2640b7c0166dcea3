#pragma once
// A message box in the look of the configuration program's pop-ups: the
// dialog chrome (title band, accent line, frame), the message wrapped in the
// artwork's message font, and an "OK" button and a close button in the
// artwork's button looks. Its pictures are drawn when it is made, to the
// height its message needs, by the same painter that draws the skin pictures,
// so it matches them at any length of text.
//
// Enter, Escape, "OK", the close button and the window system's close request
// end it; Ctrl+C copies the message to the clipboard (an address in it can
// then be pasted elsewhere). Object names for tests: "OK", "Close", and the
// box itself "SkinMessageBox"; message() is the text shown.

#include <QString>

#include "shared/skin/CVixImageDialog.h"

namespace solune {

class CVixButton;

class SkinMessageBox : public CVixImageDialog {
  public:
    // `title` is written in the title band and is the window's title.
    SkinMessageBox(const QString& title, const QString& message, QWidget* parent = nullptr);

    const QString& message() const { return m_message; }

    void controlClicked(int id) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildPictures(const QString& title);

    QString m_message;
    CVixButton* m_ok;
    CVixButton* m_close;
};

}  // namespace solune
