#include "config/pages/CSensorDlg.h"

#include <QTimerEvent>
#include <algorithm>
#include <string>

#include "config/device/DeviceCommands.h"
#include "config/pages/DecimalText.h"
#include "config/pages/BuildFromLayout.h"
#include "shared/layout/PopDlgLayout.h"
#include "shared/layout/SensorPageLayout.h"
#include "config/pages/SurfaceQuality.h"
#include "config/profiles/Profile.h"
#include "platform/MessageSink.h"
#include "shared/skin/CQelComboButton.h"
#include "shared/skin/CQelNUMEdit.h"
#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/CVixProgressCtrl.h"
#include "shared/skin/CVixSliderCtrl.h"
#include "shared/skin/CVixSliderCtrl3D.h"
#include "shared/skin/CVixStatic.h"
#include "shared/skin/SkinLibrary.h"

namespace solune {
namespace {

using namespace layout;

constexpr int kMinDpi = kSensorPageSliderRanges[0].minValue;
constexpr int kMaxDpi = kSensorPageSliderRanges[0].maxValue;
constexpr int kAngleSnapLevels = 16;
constexpr int kDefinedLimit = 30;
constexpr int kStepLabelFontHeight = 13;

constexpr int kEditCheckMs = 70;
constexpr int kLabelRefreshMs = 50;

const ControlRect& RectOf(int id) {
    return FindControl(kSensorPageControls, id)->rect;
}

const SliderRange& RangeOf(int id) {
    return *FindSliderRange(kSensorPageSliderRanges, id);
}

// The page's own classes: the number edit and the small combo button.
QWidget* MakeOwnControl(const LayoutControl& row, QWidget& page) {
    if (row.id == kSensorDefinedEditId) {
        return new CQelNUMEdit(row.id, &page);
    }
    if (row.id == kSensorAngleSnapId) {
        return new CQelComboButton(row.id, &page);
    }
    return nullptr;
}

// Picture name of quality class `c`: "0.bmp", "10.bmp" … "100.bmp".
std::string SurfacePictureFile(int c) {
    return std::to_string(c * 10) + ".bmp";
}

}  // namespace

CSensorDlg::CSensorDlg(const PageContext& context, QWidget* parent)
    : SkinPage(parent), m_context(context), m_pictures(context.skin, "Sensor_Normal.bmp") {
    setObjectName(QStringLiteral("Sensor"));
    Build();
    m_editTimer = startTimer(kEditCheckMs);
    m_labelTimer = startTimer(kLabelRefreshMs);
    SkinLibrary::RegisterPrivateFont();
}

CSensorDlg::~CSensorDlg() = default;

// ---- building -------------------------------------------------------------

void CSensorDlg::Build() {
    SetBackgroundImage(m_pictures.Whole("Sensor_Normal.bmp"));
    DressRules rules;
    rules.make = MakeOwnControl;
    const LayoutControls controls = BuildFromLayout(kSensorPageControls, m_pictures, *this, rules);
    m_separate = controls.get<CVixCheckBox>(kSensorSeparateId);
    m_definedMode = controls.get<CVixCheckBox>(kSensorDefinedModeId);
    SetUpSliders(controls);
    SetUpQuality(controls);
    SetUpLabels(controls);
    SetUpEditAndAngleSnap(controls);
}

void CSensorDlg::SetUpSliders(const LayoutControls& controls) {
    m_xAxis = controls.get<CVixSliderCtrl3D>(kSensorXAxisId);
    m_yAxis = controls.get<CVixSliderCtrl3D>(kSensorYAxisId);
    m_xAxis->setSpokenThumbPattern(QStringLiteral("DPI stage %1, X, %2"));
    m_yAxis->setSpokenThumbPattern(QStringLiteral("DPI stage %1, Y, %2"));
    for (CVixSliderCtrl3D* slider : {m_xAxis, m_yAxis}) {
        slider->setMinValue(kMinDpi);
        slider->setMaxValue(kMaxDpi);
        slider->setStep(RangeOf(kSensorXAxisId).step);
        for (int thumb = 1; thumb <= 3; ++thumb) {
            slider->SetThumbPos(thumb, kSensorInitialDpi[thumb - 1], false);
        }
    }
    for (int id : {kSensorPointSpeedId, kSensorLiftDistanceId}) {
        const SliderRange& range = RangeOf(id);
        auto* slider = controls.get<CVixSliderCtrl>(id);
        slider->setMinValue(range.minValue);
        slider->setMaxValue(range.maxValue);
        slider->setStep(range.step);
        (id == kSensorPointSpeedId ? m_pointSpeed : m_liftDistance) = slider;
        slider->SetPos(range.startValue);
    }
}

void CSensorDlg::SetUpQuality(const LayoutControls& controls) {
    m_quality = controls.get<CVixProgressCtrl>(kSensorQualityId);
    m_quality->setMinValue(0);
    m_quality->setMaxValue(kQualityClassCount - 1);
    m_quality->setValue(0);
    m_quality->setVertical(1);

    m_surface = controls.get<CVixStatic>(kSensorSurfaceId);
    m_surface->SetBackgroundImage(m_pictures.Extra(SurfacePictureFile(0)));
    for (int c = 0; c < kQualityClassCount; ++c) {
        m_surface->AddImage(m_pictures.Extra(SurfacePictureFile(c)));
    }
    ShowQuality(0);
}

void CSensorDlg::SetUpLabels(const LayoutControls& controls) {
    for (std::size_t i = 0; i < 3; ++i) {
        m_xLabels[i] = controls.get<CVixStatic>(kSensorXLabelIds[i]);
        m_yLabels[i] = controls.get<CVixStatic>(kSensorYLabelIds[i]);
        for (CVixStatic* label : {m_xLabels[i], m_yLabels[i]}) {
            label->SetFontHeight(kStepLabelFontHeight);
            label->setVisible(label == m_yLabels[i]);
        }
    }
}

void CSensorDlg::SetUpEditAndAngleSnap(const LayoutControls& controls) {
    m_definedEdit = controls.get<CQelNUMEdit>(kSensorDefinedEditId);

    m_angleSnap = controls.get<CQelComboButton>(kSensorAngleSnapId);
    m_angleSnap->CreateFixedMenu();
    m_angleSnap->UseNeoSansFont();
    for (int level = 0; level < kAngleSnapLevels; ++level) {
        m_angleSnap->AddItem(level, QString::number(level));
    }
    m_angleSnap->setCaption(m_angleSnap->GetItemText(0));
    m_angleSnap->setChosenItemId(0);

    for (std::size_t i = 0; i < kSensorColumnIds.size(); ++i) {
        m_columns[i] = controls.get<CVixStatic>(kSensorColumnIds[i]);
        // The columns lie behind the step labels.
        m_columns[i]->lower();
    }
}

// ---- profile --------------------------------------------------------------

void CSensorDlg::LoadFromProfile(const Profile& profile) {
    m_separate->setChecked(profile.separateXY != 0);
    m_definedMode->setChecked(profile.definedMode != 0);

    m_pointSpeed->SetPos(profile.pointerSpeed);
    m_liftDistance->SetPos(profile.liftOffDistance);

    ShowQuality(profile.surfaceQuality);

    // Each thumb notifies as a user's move would, so with the separate
    // setting off the y values end up on both sliders.
    for (int k = 1; k <= 3; ++k) {
        m_xAxis->SetThumbPos(k, std::clamp<int>(profile.dpiLevels[k - 1].x, kMinDpi, kMaxDpi),
                             true);
    }
    for (int k = 1; k <= 3; ++k) {
        m_yAxis->SetThumbPos(k, std::clamp<int>(profile.dpiLevels[k - 1].y, kMinDpi, kMaxDpi),
                             true);
    }

    m_definedEdit->setText(QString::number(static_cast<std::int8_t>(profile.definedValue)));

    if (m_angleSnap->menu() && m_angleSnap->menu()->FindItem(profile.angleSnap)) {
        m_angleSnap->setCaption(m_angleSnap->GetItemText(profile.angleSnap));
        m_angleSnap->setChosenItemId(profile.angleSnap);
    }
    LayOutStepLabels();
}

void CSensorDlg::StoreToProfile(Profile& profile) {
    profile.separateXY = m_separate->isChecked() ? 1 : 0;
    profile.definedMode = m_definedMode->isChecked() ? 1 : 0;
    profile.pointerSpeed = static_cast<std::uint8_t>(m_pointSpeed->value());
    profile.liftOffDistance = static_cast<std::uint8_t>(m_liftDistance->value());
    profile.surfaceQuality = static_cast<std::int16_t>(m_quality->value());
    for (int k = 1; k <= 3; ++k) {
        profile.dpiLevels[k - 1].x = static_cast<std::int16_t>(m_xAxis->thumbValue(k));
        profile.dpiLevels[k - 1].y = static_cast<std::int16_t>(m_yAxis->thumbValue(k));
    }
    profile.definedValue = static_cast<std::uint8_t>(ReadDecimal(m_definedEdit->text()) & 0xFF);
    profile.angleSnap = static_cast<std::uint8_t>(m_angleSnap->chosenItemId());
}

// ---- controls -------------------------------------------------------------

void CSensorDlg::controlNotify(int id, int value) {
    if (id == kSensorXAxisId || id == kSensorYAxisId) {
        LinkSliders(id);
    } else if (id == kSensorSeparateId) {
        LayOutStepLabels();
    } else {
        SkinPage::controlNotify(id, value);
    }
}

void CSensorDlg::controlClicked(int id) {
    if (id == kSensorSeparateId) {
        SeparateClicked();
    } else if (id == kSensorTestId || id == kSensorSaveId) {
        LiftOffCommand(id);
    } else if (id == kSensorAnalyzeId) {
        AnalyzeSurface();
    }
    // "Eanble Defined mode" only toggles its own tick.
}

void CSensorDlg::LinkSliders(int fromId) {
    if (m_separate->isChecked()) {
        return;
    }
    CVixSliderCtrl3D* from = fromId == kSensorXAxisId ? m_xAxis : m_yAxis;
    CVixSliderCtrl3D* to = fromId == kSensorXAxisId ? m_yAxis : m_xAxis;
    for (int k = 1; k <= 3; ++k) {
        to->SetThumbPos(k, from->thumbValue(k), false);
    }
}

void CSensorDlg::SeparateClicked() {
    // The X values are taken before the first copy: with the box unticked,
    // each Y thumb's news copies all of Y back into X, which would otherwise
    // hand stages 2 and 3 the old Y values.
    const std::array<int, 3> xValues = {m_xAxis->thumbValue(1), m_xAxis->thumbValue(2),
                                        m_xAxis->thumbValue(3)};
    for (int k = 1; k <= 3; ++k) {
        m_yAxis->SetThumbPos(k, xValues[k - 1], true);
    }
    LayOutStepLabels();
}

void CSensorDlg::LayOutStepLabels() {
    const bool separate = m_separate->isChecked();
    const int state = separate ? SkinPictures::kDown : SkinPictures::kNormal;
    for (std::size_t i = 0; i < 3; ++i) {
        m_columns[i]->SetBackgroundImage(m_pictures.Cut(state, RectOf(kSensorColumnIds[i])));
        m_yLabels[i]->SetBackgroundImage(m_pictures.Cut(state, RectOf(kSensorYLabelIds[i])));
        if (separate) {
            m_xLabels[i]->SetBackgroundImage(m_pictures.Cut(state, RectOf(kSensorXLabelIds[i])));
        }
        m_xLabels[i]->setVisible(separate);
        m_yLabels[i]->setVisible(true);
    }
}

void CSensorDlg::LiftOffCommand(int id) {
    HidLink* link = m_context.link;
    if (!link || (!link->deviceConnected() && !link->FindDevice())) {
        return;
    }
    const auto value = static_cast<std::uint8_t>(ClampLiftOff(m_liftDistance->value()));
    const bool save = id == kSensorSaveId;
    const CommandResult result = save ? SaveLiftOff(*link, value) : TestLiftOff(*link, value);
    if (result != CommandResult::Done && m_context.messages) {
        m_context.messages->showMessage(save ? "Save_LOD failed." : "Test_LOD failed.");
    }
}

void CSensorDlg::AnalyzeSurface() {
    m_quality->setValue(0);
    CPopDlg popup(kSensorMira1Mode, m_context, this);
    popup.SetTimings(m_popupTimings);
    if (popup.DoModal() != 1) {
        // "Surface" keeps its picture; the bar stays at 0.
        return;
    }
    std::uint8_t measure = 0;
    if (!m_context.link || GetSurfaceAnalysis(*m_context.link, measure) != CommandResult::Done) {
        measure = 0;
    }
    ShowQuality(SurfaceQualityClass(measure));
}

void CSensorDlg::ShowQuality(int qualityClass) {
    m_quality->setValue(qualityClass);
    m_surface->setImageIndex(qualityClass);
    m_surface->setAccessibleName(QStringLiteral("Surface quality %1 %").arg(qualityClass * 10));
}

// ---- timers and keys ------------------------------------------------------

void CSensorDlg::timerEvent(QTimerEvent* event) {
    if (m_editTimer != 0 && event->timerId() == m_editTimer) {
        if (m_definedEdit->isEnabled()) {
            CheckDefinedEdit();
        }
    } else if (m_labelTimer != 0 && event->timerId() == m_labelTimer) {
        ShowStepValues();
    } else {
        SkinPage::timerEvent(event);
    }
}

void CSensorDlg::CheckDefinedEdit() {
    QString t = m_definedEdit->text();
    const int keep = t.startsWith(u'-') ? 3 : 2;
    if (t.size() > keep) {
        t = t.left(keep);
        m_definedEdit->setText(t);
        m_definedEdit->setCursorPosition(keep);
    }
    if (t.size() >= 2 && t.startsWith(u'0')) {
        t.remove(0, 1);
        m_definedEdit->setText(t);
    }
    const int n = static_cast<std::int8_t>(ReadDecimal(t));
    if (n < -kDefinedLimit) {
        m_definedEdit->setText(QString::number(-kDefinedLimit));
        m_definedEdit->setCursorPosition(3);
    } else if (n > kDefinedLimit) {
        m_definedEdit->setText(QString::number(kDefinedLimit));
        m_definedEdit->setCursorPosition(2);
    }
}

void CSensorDlg::ShowStepValues() {
    auto show = [](CVixStatic* label, int value) {
        const QString text = QString::number(value);
        if (label->GetText() != text) {
            label->SetText(text);
        }
    };
    for (int k = 1; k <= 3; ++k) {
        if (m_separate->isChecked()) {
            show(m_xLabels[k - 1], m_xAxis->thumbValue(k));
        }
        show(m_yLabels[k - 1], m_yAxis->thumbValue(k));
    }
}

}  // namespace solune
