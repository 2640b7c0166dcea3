#include "config/pages/CSensorDlg.h"

#include <QKeyEvent>
#include <QTimerEvent>
#include <algorithm>
#include <string>

#include "config/device/DeviceCommands.h"
#include "config/pages/DecimalText.h"
#include "config/pages/PlacedControl.h"
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

constexpr int kSaveId = 1019;
constexpr int kTestId = 1020;
constexpr int kAnalyzeId = 1021;
constexpr int kXAxisId = 1022;
constexpr int kYAxisId = 1023;
constexpr int kPointSpeedId = 1024;
constexpr int kLiftDistanceId = 1025;
constexpr int kQualityId = 1026;
constexpr int kSurfaceId = 1027;
constexpr int kDefinedModeId = 1087;
constexpr int kDefinedEditId = 1088;
constexpr int kAngleSnapId = 1095;
constexpr std::array<int, 3> kXLabelIds = {1089, 1091, 1092};
constexpr std::array<int, 3> kYLabelIds = {1090, 1093, 1094};
constexpr std::array<int, 3> kColumnIds = {1096, 1097, 1098};

constexpr int kMinDpi = 50;
constexpr int kMaxDpi = 7000;
constexpr int kDpiStep = 50;
constexpr std::array<int, 3> kInitialDpi = {400, 1600, 7000};
constexpr int kAngleSnapLevels = 16;
constexpr int kDefinedLimit = 30;
constexpr int kStepLabelFontHeight = 13;

constexpr int kEditCheckMs = 70;
constexpr int kLabelRefreshMs = 50;

const layout::ControlRect& RectOf(int id) {
    return layout::FindControl(layout::kSensorPageControls, id)->rect;
}

template <typename W>
W* Placed(W* widget, int id) {
    return PlacedControl(widget, layout::kSensorPageControls, id);
}

// Picture name of quality class `c`: "0.bmp", "10.bmp" … "100.bmp".
std::string SurfacePictureFile(int c) {
    return std::to_string(c * 10) + ".bmp";
}

}  // namespace

CSensorDlg::CSensorDlg(const PageContext& context, QWidget* parent)
    : CVixImageDialog(parent), m_context(context), m_pictures(context.skin, "Sensor_Normal.bmp") {
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
    BuildButtons();
    BuildSliders();
    BuildQuality();
    BuildLabels();
    BuildEditAndAngleSnap();
}

void CSensorDlg::BuildButtons() {
    const PagePictures& p = m_pictures;
    for (int id : {kSeparateId, kDefinedModeId}) {
        auto* box = Placed(new CVixCheckBox(id, this), id);
        auto pics = p.States(RectOf(id), 3);
        box->SetImages(pics[0], pics[1], pics[2], {});
        (id == kSeparateId ? m_separate : m_definedMode) = box;
    }
    for (int id : {kAnalyzeId, kTestId, kSaveId}) {
        auto* button = Placed(new CVixButton(id, this), id);
        auto pics = p.States(RectOf(id), 3);
        button->SetImages(pics[0], pics[1], pics[2], {});
    }
}

void CSensorDlg::BuildSliders() {
    const PagePictures& p = m_pictures;
    for (int id : {kXAxisId, kYAxisId}) {
        auto* slider = Placed(new CVixSliderCtrl3D(id, this), id);
        slider->SetImages(p.Cut(PagePictures::kNormal, RectOf(id)), p.Whole("Slider1.bmp"),
                          p.Whole("Slider2.bmp"), p.Whole("Slider3.bmp"));
        slider->setMinValue(kMinDpi);
        slider->setMaxValue(kMaxDpi);
        slider->setStep(kDpiStep);
        for (int thumb = 1; thumb <= 3; ++thumb) {
            slider->SetThumbPos(thumb, kInitialDpi[thumb - 1], false);
        }
        (id == kXAxisId ? m_xAxis : m_yAxis) = slider;
    }
    struct Plain {
        int id;
        int min;
        int max;
        int initial;
    };
    for (const Plain& s : {Plain{kPointSpeedId, 1, 10, 6}, Plain{kLiftDistanceId, 1, 32, 1}}) {
        auto* slider = Placed(new CVixSliderCtrl(s.id, this), s.id);
        slider->SetImages(p.Cut(PagePictures::kNormal, RectOf(s.id)), p.Whole("Slider_Normal.bmp"),
                          p.Whole("Slider_Normal.bmp"), p.Whole("Slider_Disable.bmp"));
        slider->setMinValue(s.min);
        slider->setMaxValue(s.max);
        slider->setStep(1);
        (s.id == kPointSpeedId ? m_pointSpeed : m_liftDistance) = slider;
        slider->SetPos(s.initial);
    }
}

void CSensorDlg::BuildQuality() {
    m_quality = Placed(new CVixProgressCtrl(kQualityId, this), kQualityId);
    m_quality->setBackground(m_pictures.Cut(PagePictures::kNormal, RectOf(kQualityId)));
    m_quality->setFill(m_pictures.Cut(PagePictures::kDown, RectOf(kQualityId)));
    m_quality->setMinValue(0);
    m_quality->setMaxValue(kQualityClassCount - 1);
    m_quality->setValue(0);
    m_quality->setVertical(1);

    m_surface = Placed(new CVixStatic(kSurfaceId, this), kSurfaceId);
    m_surface->SetBackgroundImage(m_pictures.Extra(SurfacePictureFile(0)));
    for (int c = 0; c < kQualityClassCount; ++c) {
        m_surface->AddImage(m_pictures.Extra(SurfacePictureFile(c)));
    }
}

void CSensorDlg::BuildLabels() {
    for (std::size_t i = 0; i < 3; ++i) {
        for (int id : {kXLabelIds[i], kYLabelIds[i]}) {
            auto* label = Placed(new CVixStatic(id, this), id);
            label->SetFontHeight(kStepLabelFontHeight);
            label->SetBackgroundImage(m_pictures.Cut(PagePictures::kNormal, RectOf(id)));
            (id == kXLabelIds[i] ? m_xLabels[i] : m_yLabels[i]) = label;
            label->setVisible(id == kYLabelIds[i]);
        }
    }
}

void CSensorDlg::BuildEditAndAngleSnap() {
    m_definedEdit = Placed(new CQelNUMEdit(kDefinedEditId, this), kDefinedEditId);
    m_definedEdit->setBackground(m_pictures.Cut(PagePictures::kNormal, RectOf(kDefinedEditId)));

    m_angleSnap = Placed(new CQelComboButton(kAngleSnapId, this), kAngleSnapId);
    auto pics = m_pictures.States(RectOf(kAngleSnapId), 3);
    m_angleSnap->SetImages(pics[0], pics[1], pics[2]);
    m_angleSnap->CreateFixedMenu();
    m_angleSnap->UseNeoSansFont();
    for (int level = 0; level < kAngleSnapLevels; ++level) {
        m_angleSnap->AddItem(level, QString::number(level));
    }
    m_angleSnap->setCaption(m_angleSnap->GetItemText(0));
    m_angleSnap->setChosenItemId(0);

    for (std::size_t i = 0; i < kColumnIds.size(); ++i) {
        m_columns[i] = Placed(new CVixStatic(kColumnIds[i], this), kColumnIds[i]);
        m_columns[i]->SetBackgroundImage(
            m_pictures.Cut(PagePictures::kNormal, RectOf(kColumnIds[i])));
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
    if (id == kXAxisId || id == kYAxisId) {
        LinkSliders(id);
    } else if (id == kSeparateId) {
        LayOutStepLabels();
    } else {
        CVixImageDialog::controlNotify(id, value);
    }
}

void CSensorDlg::controlClicked(int id) {
    if (id == kSeparateId) {
        SeparateClicked();
    } else if (id == kTestId || id == kSaveId) {
        LiftOffCommand(id);
    } else if (id == kAnalyzeId) {
        AnalyzeSurface();
    }
    // "Eanble Defined mode" only toggles its own tick.
}

void CSensorDlg::LinkSliders(int fromId) {
    if (m_separate->isChecked()) {
        return;
    }
    CVixSliderCtrl3D* from = fromId == kXAxisId ? m_xAxis : m_yAxis;
    CVixSliderCtrl3D* to = fromId == kXAxisId ? m_yAxis : m_xAxis;
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
    const int state = separate ? PagePictures::kDown : PagePictures::kNormal;
    for (std::size_t i = 0; i < 3; ++i) {
        m_columns[i]->SetBackgroundImage(m_pictures.Cut(state, RectOf(kColumnIds[i])));
        m_yLabels[i]->SetBackgroundImage(m_pictures.Cut(state, RectOf(kYLabelIds[i])));
        if (separate) {
            m_xLabels[i]->SetBackgroundImage(m_pictures.Cut(state, RectOf(kXLabelIds[i])));
        }
        m_xLabels[i]->setVisible(separate);
        m_yLabels[i]->setVisible(true);
    }
    update();
}

void CSensorDlg::LiftOffCommand(int id) {
    HidLink* link = m_context.link;
    if (!link || (!link->deviceConnected() && !link->FindDevice())) {
        return;
    }
    const auto value = static_cast<std::uint8_t>(ClampLiftOff(m_liftDistance->value()));
    const bool save = id == kSaveId;
    const CommandResult result = save ? SaveLiftOff(*link, value) : TestLiftOff(*link, value);
    if (result != CommandResult::Done && m_context.messages) {
        m_context.messages->showMessage(save ? "Save_LOD failed." : "Test_LOD failed.");
    }
}

void CSensorDlg::AnalyzeSurface() {
    m_quality->setValue(0);
    m_quality->repaint();
    CPopDlg popup(layout::kSensorMira1Mode, m_context, this);
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
        CVixImageDialog::timerEvent(event);
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

void CSensorDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Escape) {
        // The page is not a dialog to accept or close.
        event->accept();
        return;
    }
    CVixImageDialog::keyPressEvent(event);
}

}  // namespace solune
