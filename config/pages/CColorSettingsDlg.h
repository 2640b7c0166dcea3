#pragma once
// The lighting page: which zones of the mouse are lit, the lighting effect,
// the colour shift, and the colours of the scroll wheel (zone 1) and the logo
// (zone 4), with a live preview (CVixMouseStatic, object name "Mouse").
//
// Controls carry their template texts as object names: "ON", "OFF",
// "Select", "Scroll Wheel", "LogoType", "DPI Buttons", "DPI Indicator", the
// colour buttons "1" and "4", the markers "2" and "3", the presets "11" …
// "45", "Solid", "Blinking", "Pulsating", "Breathing", "Color Shift",
// "Solid Color", "red edit", "green edit", "blue edit", "Mouse".
//
// Three radio groups are kept through the buttons' `selected` flags: zone
// mode ("ON", "OFF", "Select"), effect ("Solid" … "Breathing"), colour mode
// ("Color Shift", "Solid Color"). In "Select" mode the two zone boxes and
// the colour buttons "1" and "4" are shown.
//
// The inert controls: "DPI Buttons" and "DPI Indicator" (zones 2 and 3 of
// the mouse, which the page does not let the user light or colour) are
// disabled, so they show their disable picture, take no clicks and store
// nothing; the markers "2" and "3" only mark those zones on the drawn mouse:
// they show their pictures and hover, and a click on them does nothing.
//
// While the colour shift runs, the profile receives the colours saved when
// it started (or picked since with "1" and "4"), not the drifting preview
// colours; the twenty presets are disabled meanwhile.
//
// Timers: the colour edits are checked every 100 ms (editTimerId(); tests
// send a QTimerEvent with that id): a text longer than three characters is
// cut to three, a value of 256 or more becomes "255"; when the texts differ
// from the last tick and "ON" is selected, both preview colours take them.
// The preview runs its own effect and colour-shift timers.
//
// Keys: Enter anywhere on the page stores the page into the current profile
// (the window hears it through PageContext::notices) and the page stays
// open; Escape does nothing (SkinPage).

#include <QString>
#include <array>
#include <cstdint>

#include "config/pages/PageContext.h"
#include "config/pages/ProfilePage.h"
#include "shared/skin/SkinPage.h"
#include "shared/skin/SkinPictures.h"

namespace solune {

class CVixButton;
class CVixCheckBox;
class CVixCbnColorButton;
class CVixEdit;
class CVixMouseStatic;
class LayoutControls;

class CColorSettingsDlg : public SkinPage, public ProfilePage {
  public:
    explicit CColorSettingsDlg(const PageContext& context, QWidget* parent = nullptr);
    ~CColorSettingsDlg() override;

    void LoadFromProfile(const Profile& profile) override;
    void StoreToProfile(Profile& profile) override;

    void controlNotify(int id, int value) override;
    void controlClicked(int id) override;

    int editTimerId() const { return m_editTimer; }
    bool colorShiftOn() const { return m_colorShift; }
    std::uint32_t savedScrollWheelColor() const { return m_savedWheel; }
    std::uint32_t savedLogoColor() const { return m_savedLogo; }

  protected:
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Build();
    void SetUpZoneControls(const LayoutControls& controls);
    void SetUpPresets(const LayoutControls& controls);
    void SetUpEffectControls(const LayoutControls& controls);
    void SetUpEditsAndPreview(const LayoutControls& controls);

    void LoadZoneMode(std::int32_t zones);
    void LoadColorShift(std::int32_t& effect);
    void LoadEffect(std::int32_t effect);
    void LoadColors(const Profile& profile);

    void SelectZoneMode(int id);
    void ZoneBoxClicked();
    void ShowZoneControls(bool show);
    void PresetClicked(int id);
    void SelectEffect(int id);
    void StartColorShift();
    void StopColorShift();
    void SetPreviewColors(std::uint32_t argb);
    void ShowColorInEdits(int red, int green, int blue);
    void CheckColorEdits();

    PageContext m_context;
    SkinPictures m_pictures;

    CVixButton* m_on = nullptr;
    CVixButton* m_off = nullptr;
    CVixButton* m_select = nullptr;
    CVixCheckBox* m_wheelBox = nullptr;
    CVixCheckBox* m_logoBox = nullptr;
    CVixCheckBox* m_dpiButtons = nullptr;
    CVixCheckBox* m_dpiIndicator = nullptr;
    CVixCbnColorButton* m_wheelColor = nullptr;
    CVixCbnColorButton* m_logoColor = nullptr;
    CVixButton* m_marker3 = nullptr;
    CVixButton* m_marker2 = nullptr;
    std::array<CVixButton*, 20> m_presets{};
    std::array<CVixButton*, 4> m_effects{};
    CVixButton* m_colorShiftButton = nullptr;
    CVixButton* m_solidColorButton = nullptr;
    std::array<CVixEdit*, 3> m_edits{};
    CVixMouseStatic* m_preview = nullptr;

    std::uint32_t m_savedWheel = 0;
    std::uint32_t m_savedLogo = 0;
    bool m_colorShift = false;
    std::array<QString, 3> m_seenTexts;
    int m_editTimer = 0;
};

}  // namespace solune
