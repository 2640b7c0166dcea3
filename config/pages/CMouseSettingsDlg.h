#pragma once
// The button assignment page: what each of the mouse's nine buttons does, the
// USB report rate, the double-click time, the wheel's scroll speed and pointer
// acceleration, for the profile on screen. The page keeps these values in its
// controls only; LoadFromProfile shows a profile and StoreToProfile writes the
// controls back (the main window calls them).
//
// Controls (object names, for the main window and the tests): the selectors
// "Function1" … "Function9" (CVixComboButton, the function menu of
// FunctionMenu.h), the markers "Bn1" … "Bn9" (CVixButton), the report-rate
// boxes "125", "250", "500", "1000" and "Enable" (CVixCheckBox), the sliders
// "Double Click", "Scroll Speed" and "Point Acceleration" (CVixSliderCtrl).
// Their places are those of ButtonPageLayout.h; each control's pictures are
// the regions under it of "MouseSetting_Normal.bmp", "_Over" and "_Down" of
// the context's skin (without a skin the page works but shows no pictures).
//
// "Bn8" and "Bn9": buttons 8 and 9 have no place on the drawn mouse and no
// artwork, so their markers exist (the main window can find them by name) but
// stay hidden and zero-sized: they show nothing and take no pointer input.
// The selectors of buttons 8 and 9 are the only place that shows their
// functions.
//
// A choice from selector k (before the selector takes it over itself):
//  - taking "Left Click" away from the last selector that has it opens the
//    LeftClickWarn pop-up; the selector keeps "Left Click" however the pop-up
//    is closed;
//  - "Single key assign..." opens the AssignKey pop-up bound to the selector,
//    which sets caption, function 13 and key code on OK and leaves the
//    selector as it was on Cancel or Close;
//  - a macro row (id above 15) shows the macro's list text, function 14 and
//    the macro id;
//  - any other row is taken over by the selector (its chosen value stays).
//
// News: kMenuClosing from a selector's menu goes on to the parent window;
// slider and marker news is not acted on. Enter and Escape do nothing.
//
// Pop-ups are modal; tests answer them through
// QApplication::activeModalWidget().

#include <array>
#include <memory>
#include <string_view>

#include "config/pages/PageContext.h"
#include "config/pages/ProfilePage.h"
#include "shared/skin/SkinPage.h"

namespace solune {

class CVixButton;
class CVixCheckBox;
class CVixComboButton;
class CVixSliderCtrl;
class LayoutControls;
class PointerSliders;
class ReportRateGroup;

class CMouseSettingsDlg : public SkinPage, public ProfilePage {
  public:
    // `context` is copied; its pointers are borrowed and must outlive the
    // page. Builds the page (its size is that of its background picture) and
    // fills the macro rows from the context's macro directory.
    explicit CMouseSettingsDlg(const PageContext& context, QWidget* parent = nullptr);
    ~CMouseSettingsDlg() override;

    // Rebuilds the macro rows of all nine function menus from the macro
    // directory's rows (none without a directory).
    void RefreshMacroMenus();

    // Refreshes the macro rows, then shows the profile: functions (a code
    // without a menu row, such as 7, leaves its selector as it was), report
    // rate, sliders and "Enable".
    void LoadFromProfile(const Profile& profile) override;
    // Writes functions (a macro button takes a fresh copy of its macro, or
    // falls back to its default function when the macro is gone or its id
    // does not fit the profile's 16 bits), report
    // rate (unchanged when no box is ticked), the three slider values and
    // "Enable" into `profile`; no other field is touched.
    void StoreToProfile(Profile& profile) override;

    // A selector's choice; false when the page set the selector itself or
    // kept its old choice (see above).
    bool controlChosen(int id, int rowId) override;
    void controlNotify(int id, int value) override;
    void controlClicked(int id) override;

    CVixComboButton* selector(int button) const { return m_selectors[button]; }

  protected:
    // Opens pop-up `mode` modally (bound to `target` in AssignKey mode) and
    // returns its DoModal result.
    virtual int OpenPopUp(int mode, CVixComboButton* target);

  private:
    void SetUpSelectors(const LayoutControls& controls);
    void SetUpMarkers(const LayoutControls& controls);
    void SetUpBoxesAndSliders(const LayoutControls& controls);
    // Whether selector `button` takes row `choice` over itself.
    bool HandleChoice(int button, int choice);
    bool IsLastLeftClick(int button) const;
    void LoadButton(int button, const Profile& profile);
    void StoreButton(int button, Profile& profile) const;

    PageContext m_context;
    std::array<CVixComboButton*, 9> m_selectors{};
    std::array<CVixButton*, 9> m_markers{};
    std::array<CVixCheckBox*, 4> m_rateBoxes{};
    CVixCheckBox* m_enable = nullptr;
    std::array<CVixSliderCtrl*, 3> m_sliders{};
    std::unique_ptr<ReportRateGroup> m_reportRate;
    std::unique_ptr<PointerSliders> m_pointer;
};

}  // namespace solune
