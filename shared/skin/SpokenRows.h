#pragma once
// A control that draws rows of text itself (the macro-name list, the event
// list): what a screen reader reads of its rows, and how it picks a row as a
// click on that row does.

#include <QRect>
#include <QString>

namespace solune {

class SpokenRows {
  public:
    virtual ~SpokenRows() = default;

    virtual int spokenRowCount() const = 0;
    // The row's words as the user reads them on the screen.
    virtual QString spokenRowText(int index) const = 0;
    virtual bool spokenRowSelected(int index) const = 0;
    // The row's place in the control's own coordinates.
    virtual QRect spokenRowRect(int index) const = 0;
    // Does what a click on the row does.
    virtual void ChooseSpokenRow(int index) = 0;
};

}  // namespace solune
