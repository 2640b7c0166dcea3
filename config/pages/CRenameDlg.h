#pragma once
// The small modal dialog in which the user types a new name for one of the
// five profiles. It opens with the keyboard focus in its empty name edit.
//
// OK (the button or Enter) passes the edit's text, whatever it is (empty
// included, no length limit), to the ProfileNamer for profile numbers 1 ... 5
// and ends with 1; for any other number it changes nothing and still ends
// with 1. Cancel, Close, Escape and the system close end with 2 and change
// nothing.
//
// Object names for tests: "OK", "Cancel", "Close", "Name".

#include "shared/skin/CVixImageDialog.h"

namespace solune {

class CVixEdit;
class ProfileNamer;
class SkinLibrary;

class CRenameDlg : public CVixImageDialog {
  public:
    // `namer` is borrowed (null: nothing is stored); `skin` is borrowed (null:
    // no pictures). The dialog opens centred on `parent`.
    CRenameDlg(int profileNumber, ProfileNamer* namer, QWidget* parent,
               SkinLibrary* skin = nullptr);

    // ControlParent: OK, Cancel and Close.
    void controlClicked(int id) override;

    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void BuildControls(SkinLibrary* skin);

    int m_profileNumber;
    ProfileNamer* m_namer;
    CVixEdit* m_name = nullptr;
};

}  // namespace solune
