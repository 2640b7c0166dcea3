#pragma once
// The event list of the macro page: a view of the macro library's current
// macro. It shows that macro's rows, scrolls them with its scroll control and
// edits them through its context menu and an inline delay edit. It receives
// the notifications of the library's macros while it exists, and opens no
// menu while the recorder records.
//
// Mouse: a left press commits an open delay edit and does nothing else,
// otherwise it selects the row under the pointer; the release selects the
// row under the pointer. A right press opens the context menu at the
// pointer, except while recording; it does not change the selection (the
// menu acts on the selected row). Losing the focus closes the menu.
//
// News: from its scroll control kNotifyScrolled (scroll the rows), from its
// macros kNotifyRowsOverflow, kNotifyRowDeleted (not acted on) and
// kNotifyShowRow, the menu's commands, and kMenuClosing, which it passes to
// the page. To the page: macropage::kNotifyStartRecord with the menu item,
// macropage::kNotifyMacroFull when inserted rows do not fit the macro's file.

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <cstdint>

#include "config/macros/MacroLibrary.h"
#include "config/macros/MacroOwner.h"
#include "config/macros/MacroRecorder.h"
#include "shared/skin/SkinPictures.h"
#include "shared/skin/ControlParent.h"
#include "shared/skin/SpokenRows.h"

namespace solune {

class CVixEdit;
class CVixMenu;
class CVixScrollCtrl;

class CVixMacroCtrl : public QWidget, public ControlParent, public MacroOwner, public SpokenRows {
  public:
    // `library` and `recorder` are borrowed and must outlive the control.
    CVixMacroCtrl(int controlId, MacroLibrary& library, const MacroRecorder& recorder,
                  QWidget* parent = nullptr);
    ~CVixMacroCtrl() override;

    int controlId() const { return m_controlId; }

    void SetBackground(QImage background);
    // Creates the scroll control (shown); call once the control has its size.
    void CreateScrollCtrl(const ScrollPictures& pictures);
    // Builds the context menu with `menuId` as its control id (the page gives
    // the tick count of the moment; an id the control uses for other news is
    // moved past them).
    void BuildContextMenu(std::uint32_t menuId);

    // Appends a new macro to the library: `id`, `text` as its name and list
    // text, no rows and the control's client rectangle. It is not current
    // until it is selected.
    void CreateMacro(std::int32_t id, const QString& text);
    // Makes the macro with `id` current (made with `name` and the control's
    // client rectangle when the library has none), scrolls its rows to the
    // top and repaints.
    void SelectOrCreateMacro(std::int32_t id, const QString& name);
    // Removes the macro with `id` and repaints.
    void DeleteMacro(std::int32_t id);
    CMacro* currentMacro() const { return m_library.currentMacro(); }
    const MacroLibrary& library() const { return m_library; }

    bool recording() const { return m_recorder.recording(); }

    // When the delay edit is open: a non-empty text becomes the delay of the
    // row it was opened on (clamped to 2147483647); the edit is emptied and
    // hidden. An empty text leaves the delay unchanged.
    void CommitDelayEdit();
    bool isDelayEditOpen() const;

    CVixMenu* contextMenu() const { return m_menu; }
    CVixEdit* delayEdit() const { return m_delayEdit; }
    CVixScrollCtrl* scrollCtrl() const { return m_scroll; }
    int menuId() const { return m_menuId; }

    void controlNotify(int id, int value) override;

    // Its rows to a screen reader: each row's event and delay as shown;
    // choosing one does what a click on it does.
    int spokenRowCount() const override;
    QString spokenRowText(int index) const override;
    bool spokenRowSelected(int index) const override;
    QRect spokenRowRect(int index) const override;
    void ChooseSpokenRow(int index) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    MacroRect ClientRect() const;
    void MenuCommand(int menuId, int item);
    void InsertMouseRows(int item);
    void OpenDelayEdit();
    void DeleteSelectedRow();
    void ScrollRows(int position);
    int RowAt(QPoint point) const;
    void SelectRowAt(QPoint point);
    void ShowContextMenu(QPoint local);
    // True for the context menu's windows (the menu and its sub-menus).
    bool IsMenuWindow(const QWidget* window) const;
    void NotifyPage(int code, int value);

    int m_controlId;
    QImage m_background;
    MacroLibrary& m_library;
    const MacroRecorder& m_recorder;
    CVixMenu* m_menu = nullptr;       // owned through its Qt parent, this control
    CVixEdit* m_delayEdit = nullptr;  // likewise
    CVixScrollCtrl* m_scroll = nullptr;
    int m_scrollWidth = 0;
    int m_menuId = 0;
    // The row the delay edit was opened on: its macro's id and its serial.
    std::int32_t m_delayMacroId = 0;
    std::uint32_t m_delaySerial = 0;
};

}  // namespace solune
