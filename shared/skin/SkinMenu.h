#pragma once
// The owner-drawn pop-up menu that both menu families (CVixMenu, CQelMenu)
// are: a frameless top-level window of rows, each of which may open a
// sub-menu to its right. The families differ only in the MenuFamily they are
// built with.
//
// News to the owner (the ControlParent given at Create), synchronously:
//  - controlNotify(menu id, row id) when a row without sub-menu is chosen;
//    the whole chain of menus closes after the owner has handled it;
//  - controlNotify(notify::kMenuClosing, 1) just before a menu window is
//    hidden and (…, 0) just after.
//
// Layout: every row is as high as the menu font's text height h (measured on
// the first row); the window keeps its position, is as wide as its owner made
// it or, when a row's text needs more, as wide as the longest row needs, and
// becomes rows × h + 8 high; row i spans 1 … width − inset horizontally and
// 4 + i·h … 4 + (i + 1)·h vertically. A menu without rows is never shown.
//
// Placement: a menu stays on the screen that holds its owner's window; where
// there is no room to the right of or below the point it is shown at, it
// opens leftward or upward, and a sub-menu opens to the left of its menu or
// upward from its row.
//
// Keyboard (through the family's watch, MenuHook; the menus never take the
// focus): Down and Up walk the rows of the innermost open menu, wrapping
// round; Right opens the sub-menu of the row walked to and walks into it,
// Left closes the innermost sub-menu; Return, Enter and Space choose the row
// walked to (ChooseRow).
//
// Closing: Escape closes the chain; a left press outside every window of the chain closes the chain (a
// press of another button does not); choosing a row, pressing on a menu
// outside its rows, or Close() on any menu of the chain closes the chain.

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include "shared/skin/ControlParent.h"
#include "shared/skin/MenuItem.h"

namespace solune {

class MenuHook;

// What sets one family of menus apart.
struct MenuFamily {
    int rowRightInset;      // rows end this far before the window's right edge
    bool subMenuNeedsRows;  // a sub-menu opens (and shows its arrow) only with rows
    bool bottomRightMode;   // ShowAt mode 3 is available
    MenuHook& hook;         // the family's outside-click watch
};

class SkinMenu : public QWidget, public ControlParent {
  public:
    ~SkinMenu() override;

    // Makes the menu a hidden frameless window of `rect` (screen coordinates)
    // that never takes activation, owned and stacked by `owner`, which gets
    // the menu's news when it implements ControlParent.
    void Create(int controlId, QWidget* owner, QRect rect);

    // Appends an enabled row without sub-menu, unless a row with `id` exists.
    void AddItem(int id, const QString& text);
    // Removes every row and clears the hover row; an open menu first closes
    // its chain (Close), as a menu without rows is never shown. Sub-menus stay,
    // and so does the mark of the parent row that opens this menu.
    void RemoveAllItems();
    // The sub-menu whose control id is `id`, created (hidden, 50 × 10, same
    // owner) when there is none.
    SkinMenu* GetSubMenu(int id);
    // Marks row `parentId` as having a sub-menu and adds the row to it.
    void AddSubItem(int parentId, int id, const QString& text);
    // The row with `id` in this menu, else in its sub-menus (depth first, in
    // order); nullptr when none has it.
    MenuItem* FindItem(int id);
    // The widest row text (menu font) of this menu when `menuId` is its
    // control id, else of GetSubMenu(menuId).
    int MaxItemTextWidth(int menuId);

    // Lays the menu out and shows it with, by mode, its top-left (0),
    // bottom-left (2) or bottom-right (3, first family only) corner at the
    // screen point (x, y); other modes keep the position. Makes the menu the
    // target of the family's outside-click watch.
    void ShowAt(int mode, int x, int y);
    // Hides every open sub-menu (and theirs), each between kMenuClosing 1 and
    // 0, and makes this menu the watch's target.
    void HideSubMenus();
    // Closes the whole chain this menu belongs to (see the top of this file);
    // the top menu's closing removes the watch. Nothing when hidden.
    void Close();

    // What a click on row `index` does: a row with a sub-menu opens it beside
    // itself; any other enabled row is told to the owner and the chain closes.
    // Nothing for an index out of range.
    void ChooseRow(int index);
    // Moves the walked-to row by `delta` rows, wrapping round, and shows it
    // as the mouse does (opening no sub-menu).
    void WalkRows(int delta);
    // The sub-menu of the walked-to row, shown and walked into at its first
    // row; false when that row opens none.
    bool EnterSubMenu();
    // The menu of the chain that the walk is in: the deepest open one.
    SkinMenu* InnermostOpenMenu();
    // Whether row `index` opens a sub-menu (with rows, where the family
    // needs them).
    bool RowOpensSubMenu(int index);

    // The watch's report of a mouse button event at screen point `global`.
    void OutsideClick(int eventType, Qt::MouseButton button, QPoint global);

    // News that reaches a menu itself is passed to the owner; then the chain
    // closes.
    void controlNotify(int id, int value) override;

    int controlId() const { return m_controlId; }
    int hoverIndex() const { return m_hoverIndex; }
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const MenuItem& row(int index) const { return *m_rows[index]; }
    // Row `index`'s text as drawn: whole, or cut and closed with "…" when the
    // menu could not grow wide enough for it.
    QString shownRowText(int index) const;
    // The height of one row (the menu font's text height).
    int rowHeight() const;
    SkinMenu* parentMenu() const { return m_parentMenu; }
    // The owner given at Create (nullptr once it is gone).
    QWidget* owner() const { return m_owner.data(); }
    int subMenuCount() const { return static_cast<int>(m_subMenus.size()); }
    SkinMenu* subMenu(int index) const { return m_subMenus[index]; }

    // The look (ARGB colours, the row font); each setter repaints the menu
    // when the value changes.
    void setNormalTextColor(std::uint32_t argb);
    std::uint32_t normalTextColor() const { return m_normalTextColor; }
    void setHoverTextColor(std::uint32_t argb);
    std::uint32_t hoverTextColor() const { return m_hoverTextColor; }
    void setBackgroundColor(std::uint32_t argb);
    std::uint32_t backgroundColor() const { return m_backgroundColor; }
    void setFrameColor(std::uint32_t argb);
    std::uint32_t frameColor() const { return m_frameColor; }
    void setTextFont(const QFont& font);
    const QFont& textFont() const { return m_font; }

  protected:
    explicit SkinMenu(const MenuFamily& family);
    // A new, not yet created menu of the same family.
    virtual SkinMenu* NewMenu() const = 0;

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void CreateWindow(int controlId, QWidget* owner, QWidget* qtParent, QRect rect);
    // The width the rows' texts (and sub-menu arrows) need.
    int WidthForRows() const;
    // The available area of the screen that holds the owner's window.
    QRect ScreenArea() const;
    // `wanted` as the top-left corner, each coordinate replaced by the one of
    // `flipped` where the menu would leave the screen there, then kept inside.
    QPoint KeepOnScreen(QPoint wanted, QPoint flipped) const;
    // Lays out and shows the sub-menu of `item` beside its row.
    void ShowSubMenu(const MenuItem& item);
    // Shows the laid-out menu at KeepOnScreen(wanted, flipped).
    void ShowPlaced(QPoint wanted, QPoint flipped);
    // False (and hidden) when there are no rows.
    bool Layout();
    void HideOpenSubMenus();
    void SendClosing(int phase);
    bool OpensSubMenu(const MenuItem& item);
    // Tells the owner that the enabled row `item` was chosen, then closes
    // the chain (unless the owner dropped the menu meanwhile).
    void ChooseEnabledRow(const MenuItem& item);
    int RowAt(QPoint point) const;

    const MenuFamily& m_family;
    int m_controlId = 0;
    int m_ownWidth = 0;        // the width the owner gave the menu
    int m_laidOutWidth = -1;   // the width the last layout gave it
    int m_hoverIndex = -1;
    QPointer<QWidget> m_owner;
    SkinMenu* m_parentMenu = nullptr;
    std::vector<std::unique_ptr<MenuItem>> m_rows;
    std::vector<SkinMenu*> m_subMenus;  // owned through their Qt parent, this menu
    std::uint32_t m_normalTextColor = 0xFFAAAAAA;
    std::uint32_t m_hoverTextColor = 0xFFB3D335;
    std::uint32_t m_backgroundColor = 0xFF000000;
    std::uint32_t m_frameColor = 0xFFB3D335;
    QFont m_font;
};

}  // namespace solune
