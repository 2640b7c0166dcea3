#pragma once
// The combo button that both families (CVixComboButton, CQelComboButton) are:
// a skinned button that opens its pop-up menu below (or above) itself and
// shows the text of the chosen row as its caption.
//
// News to the parent: controlChosen(own id, row id) when a row of its menu is
// chosen; its answer says whether the row becomes the caption and the chosen
// id (a parent that set the button itself, or keeps the old choice, answers
// false). The menu's kMenuClosing is passed on unchanged.
//
// Reopen latch: the press that lands on the button while its menu is open
// first closes the menu (outside click), and its release must not open it
// again. While the menu is visible a 100 ms timer keeps noting the tick; a
// press less than 200 ms after the last note latches, and a latched release
// opens nothing.

#include <QFont>
#include <QString>
#include <cstdint>
#include <functional>

#include "shared/skin/ControlParent.h"
#include "shared/skin/SkinButtonBase.h"

namespace solune {

class SkinMenu;

// Milliseconds from a monotonic clock, wrapping like a 32-bit tick count.
using TickSource = std::function<std::uint32_t()>;

class SkinComboButton : public SkinButtonBase, public ControlParent {
  public:
    ~SkinComboButton() override;

    // Replaces the normal, over and down pictures; clears the disabled one.
    void SetImages(QImage normal, QImage over, QImage down);
    // Adds a row to the menu, creating the menu (as wide as the button less 2,
    // again each time it opens, until CreateFixedMenu) on first use. A
    // row whose id exists already changes nothing.
    void AddItem(int id, const QString& text);
    // Creates the menu with the family's fixed width, or gives the existing
    // one that width.
    void CreateFixedMenu();
    // Caption, chosen id and chosen value at once; repaints.
    void SetSelection(const QString& text, int id, int value);
    const QString& caption() const { return m_caption; }
    // The caption as drawn: whole, or cut and closed with "…" where the
    // button is too narrow for it.
    QString shownCaption() const;
    int chosenItemId() const { return m_chosenItemId; }
    int chosenValue() const { return m_chosenValue; }
    // Each setter repaints the button when the value changes.
    void setCaption(const QString& caption);
    void setChosenItemId(int id);
    void setTextFont(const QFont& font);
    const QFont& textFont() const { return m_font; }
    // ARGB colours of the caption: normal, and selected or hovered.
    void setCaptionColor(std::uint32_t argb);
    std::uint32_t captionColor() const { return m_captionColor; }
    void setHighlightCaptionColor(std::uint32_t argb);
    std::uint32_t highlightCaptionColor() const { return m_highlightCaptionColor; }
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    void setShowCaption(bool show);
    bool showCaption() const { return m_showCaption; }
    // The menu opens above the button instead of below it.
    void setOpenUpward(bool upward);
    bool opensUpward() const { return m_openUpward; }
    // The text of row `id` (also in sub-menus), empty when there is none.
    QString GetItemText(int id) const;
    // The caption font becomes "NeoSansStd-Regular" of the family's height.
    void UseNeoSansFont();

    // Replaces the clock (tests use a virtual one).
    void setTickSource(TickSource ticks);

    SkinMenu* menu() const { return m_menu; }
    bool reopenLatch() const { return m_reopenLatch; }
    std::uint32_t lastVisibleTick() const { return m_lastVisibleTick; }
    // The id of the running menu-visible timer, 0 before the menu first opened.
    int visibleTimerId() const { return m_visibleTimer; }

    void controlNotify(int id, int value) override;

    // What a click does: the click, then the menu opens, or closes when it
    // is open.
    void Activate() override;
    bool menuShown() const;

  protected:
    SkinComboButton(int controlId, QWidget* parent, int fixedMenuWidth, int neoSansHeight);
    // A new, not yet created menu of the family.
    virtual SkinMenu* NewMenu() const = 0;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

    SkinMenu* m_menu = nullptr;  // owned through its Qt parent, this button

  private:
    // Where the caption is written: right of the button's left edge.
    QRect CaptionArea() const;
    void OpenMenu();

    int m_fixedMenuWidth;
    int m_neoSansHeight;
    TickSource m_ticks;
    bool m_menuFollowsWidth = false;
    bool m_reopenLatch = false;
    std::uint32_t m_lastVisibleTick = 0;
    int m_visibleTimer = 0;
    QString m_caption;
    int m_chosenItemId = -1;
    int m_chosenValue = -1;
    QFont m_font;
    std::uint32_t m_captionColor = 0xFFFFFFFF;
    std::uint32_t m_highlightCaptionColor = 0xFFB3D335;
    bool m_selected = false;
    bool m_showCaption = true;
    bool m_openUpward = false;
};

}  // namespace solune
