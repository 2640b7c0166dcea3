#pragma once
// The macro-name list of the macro page: a view of the macro library, one
// row per macro in library order showing its list text (CMacro::listText),
// an inline name edit for a new macro and a scroll control that shows itself
// when the rows do not fit. The list keeps only view state: which row is
// selected, how far the rows are scrolled and the name edit; names and ids
// are read from the library each time.
//
// Rows: row i sits at left 4, top 5 + 18 i, right = client right − 2, bottom
// 23 + 18 i, laid out from the top after every addition and deletion; when
// the last row then ends below the client area the scroll control shows
// itself (range v … row count) and SetPos(row count − 1) scrolls the last
// row to the bottom edge, otherwise it hides.
//
// News to the page (ControlParent::controlNotify):
//  - macropage::kNotifySelectMacro with the selected row's macro id (0 when
//    none) after a row was added, chosen with the mouse or deleted;
//  - macropage::kNotifyMacroDeleted with the id of a deleted row: the page
//    removes that macro from the library.
//
// Mouse: a left press commits an open name edit and does nothing else;
// otherwise it selects the row under the pointer. The release selects the
// row under the pointer and tells the page.

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "shared/skin/SkinPictures.h"
#include "shared/skin/ControlParent.h"
#include "shared/skin/SpokenRows.h"

namespace solune {

class CVixEdit;
class CVixScrollCtrl;
class MacroLibrary;
struct CMacro;

class CVixListBox : public QWidget, public ControlParent, public SpokenRows {
  public:
    // `library` is borrowed and must outlive the list.
    CVixListBox(int controlId, MacroLibrary& library, QWidget* parent = nullptr);
    ~CVixListBox() override;

    int controlId() const { return m_controlId; }

    void SetBackground(QImage background);
    // Creates the (hidden) scroll control; call once the list has its size.
    void CreateScrollCtrl(const ScrollPictures& pictures);

    // Shows the library's macros from the top and chooses each in turn, as
    // adding them one by one does: each is selected and told to the page, so
    // the last one ends up selected. The page calls it once, when it is made.
    void ShowLibrary();

    // A new macro for the text `text`: it gets a new id (one more than the
    // largest, at least 16) and a text made unique among the rows ("M"
    // becomes "M(1)"); the maker puts it into the library, then its row is
    // selected and the page told. Returns the new id, or 0 when the maker
    // refused it (nothing is added and no row stays selected).
    std::int32_t AddMacro(const QString& text);
    // Makes the macro of a new row in the library; false refuses it (the
    // maker tells the user why). Without a maker no macro is added.
    using MacroMaker = std::function<bool(std::int32_t id, const QString& text)>;
    void SetMacroMaker(MacroMaker make);

    // Deletes the first selected row (nothing when none is selected): tells
    // the page kNotifyMacroDeleted, then selects the row that took its place,
    // else the previous row, else none, and tells the page
    // kNotifySelectMacro. False when no row was selected.
    bool DeleteSelectedRow();

    // Opens the name edit where the next row will go (created on first use)
    // and gives it the focus.
    void OpenNameEdit();
    // When the name edit is open: a non-empty text becomes a new macro
    // (AddMacro); the edit is emptied and hidden. An empty text creates
    // nothing.
    void CommitNameEdit();
    bool isNameEditOpen() const;

    // The rows as the list shows them, in list order.
    int rowCount() const;
    QRect rowRect(int index) const;
    QString rowText(int index) const;
    // That text as drawn: whole, or cut and closed with "…" when the row is
    // too narrow for it.
    QString shownRowText(int index) const;
    // The index of the selected row, or -1.
    int selectedRow() const;
    // The selected row's macro, or nullptr.
    const CMacro* SelectedMacro() const;

    CVixEdit* nameEdit() const { return m_nameEdit; }
    CVixScrollCtrl* scrollCtrl() const { return m_scroll; }

    // News from the scroll control: kNotifyScrolled scrolls the rows.
    void controlNotify(int id, int value) override;

    // Its rows to a screen reader: the list texts; choosing one does what a
    // click on it does.
    int spokenRowCount() const override { return rowCount(); }
    QString spokenRowText(int index) const override { return rowText(index); }
    bool spokenRowSelected(int index) const override { return selectedRow() == index; }
    QRect spokenRowRect(int index) const override { return rowRect(index); }
    void ChooseSpokenRow(int index) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The rectangle of a row added now; when it would end below the client
    // area, every row first moves up so that it ends 2 pixels above the
    // bottom.
    QRect NextRowRect();
    int RowBottom(int index) const;
    void LayOutRows();
    void ScrollRows(int position);
    int RowAt(QPoint point) const;
    void SelectOnly(int index);
    std::int32_t IdOf(int index) const;
    void NotifyPage(int code, int value);

    int m_controlId;
    MacroLibrary& m_library;
    QImage m_background;
    CVixEdit* m_nameEdit = nullptr;  // owned through its Qt parent, this list
    CVixScrollCtrl* m_scroll = nullptr;
    int m_scrollWidth = 0;
    // The macro whose row is selected (ids are unique in the library).
    std::optional<std::int32_t> m_selectedId;
    // The top of the first row: the layout puts it at 5, scrolling moves it.
    int m_firstRowTop;
    MacroMaker m_makeMacro;
};

}  // namespace solune
