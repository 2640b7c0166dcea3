#pragma once
// The macro-name list of the macro page: one row per macro (CBoxItem), an
// inline name edit for a new macro and a scroll control that shows itself
// when the rows do not fit.
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
//  - macropage::kNotifyMacroDeleted with the id of a deleted row, before
//    the row goes.
//
// Mouse: a left press commits an open name edit and does nothing else;
// otherwise it selects the row under the pointer. The release selects the
// row under the pointer and tells the page.

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "config/macros/widgets/CBoxItem.h"
#include "shared/skin/SkinPictures.h"
#include "shared/skin/ControlParent.h"

namespace solune {

class CVixEdit;
class CVixScrollCtrl;

class CVixListBox : public QWidget, public ControlParent {
  public:
    explicit CVixListBox(int controlId, QWidget* parent = nullptr);
    ~CVixListBox() override;

    int controlId() const { return m_controlId; }

    void SetBackground(QImage background);
    // Creates the (hidden) scroll control; call once the list has its size.
    void CreateScrollCtrl(const ScrollPictures& pictures);

    // Adds a row named `name`, selects it and tells the page. With no `id`
    // the row gets a new id (one more than the largest, at least 16) and a
    // name made unique among the rows ("M" becomes "M(1)"); a given id keeps
    // the name as it is. Returns the row's id, or 0 when the name check
    // refused a new row (nothing is added then).
    std::int32_t AddRow(const QString& name, std::optional<std::int32_t> id = std::nullopt);

    // Asked with the final name before a row with a new id is added; false
    // refuses it (the check tells the user why).
    void SetNameCheck(std::function<bool(const QString&)> canAdd);

    // Deletes the first selected row (nothing when none is selected): tells
    // the page kNotifyMacroDeleted, removes the row, selects the row that
    // took its place, else the previous row, else none, and tells the page
    // kNotifySelectMacro. False when no row was selected.
    bool DeleteSelectedRow();

    // Opens the name edit where the next row will go (created on first use)
    // and gives it the focus.
    void OpenNameEdit();
    // When the name edit is open: a non-empty text becomes a new row (a new
    // macro); the edit is emptied and hidden. An empty text creates nothing.
    void CommitNameEdit();
    bool isNameEditOpen() const;

    const std::vector<std::unique_ptr<CBoxItem>>& rows() const { return m_rows; }
    // The first selected row, or nullptr.
    const CBoxItem* SelectedRow() const;

    CVixEdit* nameEdit() const { return m_nameEdit; }
    CVixScrollCtrl* scrollCtrl() const { return m_scroll; }

    // News from the scroll control: kNotifyScrolled scrolls the rows.
    void controlNotify(int id, int value) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The rectangle of a row added now; when it would end below the client
    // area, every row first moves up so that it ends 2 pixels above the
    // bottom.
    QRect NextRowRect();
    std::int32_t NewId() const;
    QString UniqueName(const QString& name) const;
    void LayOutRows();
    void ScrollRows(int position);
    int RowAt(QPoint point) const;
    void SelectOnly(int index);
    void NotifyPage(int code, int value);

    int m_controlId;
    QImage m_background;
    CVixEdit* m_nameEdit = nullptr;  // owned through its Qt parent, this list
    CVixScrollCtrl* m_scroll = nullptr;
    int m_scrollWidth = 0;
    std::vector<std::unique_ptr<CBoxItem>> m_rows;
    std::function<bool(const QString&)> m_canAddName;
};

}  // namespace solune
