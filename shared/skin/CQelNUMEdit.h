#pragma once
// A short numeric field: at most three characters, typed from the digits 0 …
// 9 and the minus sign (backspace edits as usual). Any other typed character
// is dropped, and a key whose result would be longer than three characters
// changes nothing: the text and the caret or selection stay as they were and
// the parent hears nothing. Only the characters and the length are checked (a
// lone "-" is accepted); the number's range is the owner's concern, and text
// pasted in is not filtered.

#include "shared/skin/CVixEdit.h"

namespace solune {

class CQelNUMEdit : public CVixEdit {
  public:
    static constexpr int kMaxCharacters = 3;

    explicit CQelNUMEdit(int controlId, QWidget* parent = nullptr);

    // The font becomes "NeoSansStd-Regular" of height 13.
    void SetNumberFont();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace solune
