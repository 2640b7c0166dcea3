#pragma once
// The sensor page: the three DPI stages (X and Y together or separately),
// pointer speed, lift-off distance, angle snap and the defined-mode value;
// "Test" and "Save" of the lift-off distance on the mouse at once, and the
// surface analysis with its verdict.
//
// Controls carry their template texts as object names: "Enable X or Y
// Separate Setting", "Eanble Defined mode", "edit", "AngleSnap", "Xaxis",
// "Yaxis", "Point Speed", "Lift Distance", "Quality Analyzer", "Surface",
// "Analyze Surface", "Test", "Save", "Step1x" … "Step3x", "Step1xy" …
// "Step3xy", "XYaxisBK1" … "XYaxisBK3".
//
// While "Enable X or Y Separate Setting" is unticked the two DPI sliders move
// together: a thumb moved on one (by the user or by LoadFromProfile) copies
// all three thumbs of that slider into the other. A click on the box first
// copies X into Y (all three X values as they were before the click). LoadFromProfile ends by
// laying out the step labels for the box's tick (separate: all six labels on the down picture;
// else only the three Y labels).
//
// "Test" and "Save" send the "Lift Distance" value clamped to 6 … 31; without
// a mouse (none connected and none found) nothing happens; a command that
// fails shows "Test_LOD failed." or "Save_LOD failed.". "Analyze Surface"
// sets "Quality Analyzer" to 0 and runs the analysis pop-ups (SensorMira1 →
// 2 → 3); through all three with OK, the mouse's analysis byte (0 when the
// command fails) becomes the quality class of "Quality Analyzer" and
// "Surface"; cancelled, "Quality Analyzer" stays 0 and "Surface" keeps its
// picture.
//
// "Eanble Defined mode" only keeps its own tick; the edit is always enabled.
//
// Timers (tests send a QTimerEvent with the id instead of waiting):
//  - editTimerId(), every 70 ms: the defined-mode edit is held to −30 … 30:
//    a text is cut to 3 characters when it starts with "-", else to 2 (the
//    caret then after them), a leading "0" of a longer text is dropped, and
//    values beyond the range become "-30" or "30". The text is written back
//    only when a rule changed it, so the user's caret and selection survive
//    the ticks between keys.
//  - labelTimerId(), every 50 ms: the step labels show the thumbs' values
//    (X labels only while separate).
// Number texts are plain decimal, independent of the locale.
//
// Keys: Enter and Escape do nothing on the page (SkinPage).

#include <array>
#include <cstdint>

#include "config/pages/CPopDlg.h"
#include "config/pages/PageContext.h"
#include "config/pages/ProfilePage.h"
#include "shared/skin/SkinPage.h"
#include "shared/skin/SkinPictures.h"

namespace solune {

class CQelComboButton;
class CQelNUMEdit;
class CVixButton;
class CVixCheckBox;
class CVixProgressCtrl;
class CVixSliderCtrl;
class CVixSliderCtrl3D;
class CVixStatic;
class LayoutControls;

class CSensorDlg : public SkinPage, public ProfilePage {
  public:
    explicit CSensorDlg(const PageContext& context, QWidget* parent = nullptr);
    ~CSensorDlg() override;

    void LoadFromProfile(const Profile& profile) override;
    void StoreToProfile(Profile& profile) override;

    void controlNotify(int id, int value) override;
    void controlClicked(int id) override;

    int editTimerId() const { return m_editTimer; }
    int labelTimerId() const { return m_labelTimer; }
    // The timings the analysis pop-ups run with (tests freeze them and expire
    // the pop-ups' timers themselves; see CPopDlg.h).
    void SetPopupTimings(CPopDlg::Timings timings) { m_popupTimings = timings; }

  protected:
    void timerEvent(QTimerEvent* event) override;

  private:
    void Build();
    void SetUpSliders(const LayoutControls& controls);
    void SetUpQuality(const LayoutControls& controls);
    void SetUpLabels(const LayoutControls& controls);
    void SetUpEditAndAngleSnap(const LayoutControls& controls);

    void LinkSliders(int fromId);
    void SeparateClicked();
    void LayOutStepLabels();
    void LiftOffCommand(int id);
    void AnalyzeSurface();
    void ShowQuality(int qualityClass);
    void CheckDefinedEdit();
    void ShowStepValues();

    PageContext m_context;
    SkinPictures m_pictures;

    CVixCheckBox* m_separate = nullptr;
    CVixCheckBox* m_definedMode = nullptr;
    CQelNUMEdit* m_definedEdit = nullptr;
    CQelComboButton* m_angleSnap = nullptr;
    CVixSliderCtrl3D* m_xAxis = nullptr;
    CVixSliderCtrl3D* m_yAxis = nullptr;
    CVixSliderCtrl* m_pointSpeed = nullptr;
    CVixSliderCtrl* m_liftDistance = nullptr;
    CVixProgressCtrl* m_quality = nullptr;
    CVixStatic* m_surface = nullptr;
    std::array<CVixStatic*, 3> m_xLabels{};
    std::array<CVixStatic*, 3> m_yLabels{};
    std::array<CVixStatic*, 3> m_columns{};

    CPopDlg::Timings m_popupTimings;
    int m_editTimer = 0;
    int m_labelTimer = 0;
};

}  // namespace solune
