#include "config/pages/CColorSettingsDlg.h"

#include <QKeyEvent>
#include <QTimerEvent>
#include <algorithm>

#include "config/pages/CVixCbnColorButton.h"
#include "config/pages/ColorValues.h"
#include "config/pages/DecimalText.h"
#include "config/pages/PageNotices.h"
#include "shared/layout/LightingPageLayout.h"
#include "config/pages/PlacedControl.h"
#include "config/profiles/Profile.h"
#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/CVixEdit.h"
#include "shared/skin/CVixMouseStatic.h"

namespace solune {
namespace {

constexpr int kOnId = 1027;
constexpr int kOffId = 1028;
constexpr int kSelectId = 1029;
constexpr int kWheelBoxId = 1030;
constexpr int kDpiIndicatorId = 1031;
constexpr int kDpiButtonsId = 1032;
constexpr int kLogoBoxId = 1033;
constexpr int kWheelColorId = 1034;
constexpr int kMarker2Id = 1035;
constexpr int kMarker3Id = 1036;
constexpr int kLogoColorId = 1037;
constexpr std::array<int, 4> kEffectIds = {1043, 1049, 1055, 1061};
constexpr int kColorShiftId = 1062;
constexpr int kSolidColorId = 1063;
constexpr std::array<int, 3> kEditIds = {1082, 1083, 1084};
constexpr int kPreviewId = 1085;

constexpr int kEditCheckMs = 100;
constexpr int kColorEditMaxCharacters = 3;
constexpr int kMaxComponent = 255;

const layout::LayoutControl& ControlOf(int id) {
    return *layout::FindControl(layout::kLightingPageControls, id);
}

template <typename W>
W* Placed(W* widget, int id) {
    return PlacedControl(widget, layout::kLightingPageControls, id);
}

}  // namespace

CColorSettingsDlg::CColorSettingsDlg(const PageContext& context, QWidget* parent)
    : CVixImageDialog(parent),
      m_context(context),
      m_pictures(context.skin, "ColorSetting_Normal.bmp") {
    setObjectName(QStringLiteral("ColorSettings"));
    Build();
    m_editTimer = startTimer(kEditCheckMs);
}

CColorSettingsDlg::~CColorSettingsDlg() = default;

// ---- building -------------------------------------------------------------

void CColorSettingsDlg::Build() {
    SetBackgroundImage(m_pictures.Whole("ColorSetting_BK.bmp"));
    BuildZoneControls();
    BuildPresets();
    BuildEffectControls();
    BuildEditsAndPreview();
    ShowZoneControls(false);
}

void CColorSettingsDlg::BuildZoneControls() {
    const PagePictures& p = m_pictures;
    auto makeButton = [&](int id) {
        auto* b = Placed(new CVixButton(id, this), id);
        auto pics = p.States(ControlOf(id).rect, 4);
        b->SetImages(pics[0], pics[1], pics[2], pics[3]);
        return b;
    };
    auto makeBox = [&](int id) {
        auto* b = Placed(new CVixCheckBox(id, this), id);
        auto pics = p.States(ControlOf(id).rect, 4);
        b->SetImages(pics[0], pics[1], pics[2], pics[3]);
        return b;
    };
    m_on = makeButton(kOnId);
    m_off = makeButton(kOffId);
    m_select = makeButton(kSelectId);
    m_on->setSelected(true);

    m_wheelBox = makeBox(kWheelBoxId);
    m_logoBox = makeBox(kLogoBoxId);
    // Zones 2 and 3 cannot be chosen: their boxes stay disabled and show only
    // their disable picture.
    for (int id : {kDpiButtonsId, kDpiIndicatorId}) {
        auto* b = Placed(new CVixCheckBox(id, this), id);
        b->SetImages({}, {}, {}, p.Cut(PagePictures::kDisable, ControlOf(id).rect));
        b->setEnabled(false);
        (id == kDpiButtonsId ? m_dpiButtons : m_dpiIndicator) = b;
    }

    for (int id : {kWheelColorId, kLogoColorId}) {
        auto* b = Placed(new CVixCbnColorButton(id, this), id);
        auto pics = p.States(ControlOf(id).rect, 3);
        b->SetImages(pics[0], pics[1], pics[2], p.Whole("ColorPanel.bmp"));
        (id == kWheelColorId ? m_wheelColor : m_logoColor) = b;
    }
    for (int id : {kMarker3Id, kMarker2Id}) {
        auto* b = Placed(new CVixButton(id, this), id);
        auto pics = p.States(ControlOf(id).rect, 2);
        b->SetImages(pics[0], pics[1], {}, p.Whole("ColorPanel.bmp"));
        b->setFocusPolicy(Qt::NoFocus);
        (id == kMarker3Id ? m_marker3 : m_marker2) = b;
    }
}

void CColorSettingsDlg::BuildPresets() {
    for (int row = 1; row <= 4; ++row) {
        for (int column = 1; column <= 5; ++column) {
            const int id = layout::PresetButtonId(row, column);
            auto* b = Placed(new CVixButton(id, this), id);
            const layout::ControlRect& r = ControlOf(id).rect;
            b->SetImages(
                m_pictures.Cut(PagePictures::kNormal, r), m_pictures.Cut(PagePictures::kOver, r),
                m_pictures.Cut(PagePictures::kDown, r), m_pictures.Cut(PagePictures::kDisable, r));
            m_presets[(row - 1) * 5 + (column - 1)] = b;
        }
    }
}

void CColorSettingsDlg::BuildEffectControls() {
    auto makeButton = [this](int id) {
        auto* b = Placed(new CVixButton(id, this), id);
        const layout::ControlRect& r = ControlOf(id).rect;
        b->SetImages(m_pictures.Cut(PagePictures::kNormal, r),
                     m_pictures.Cut(PagePictures::kOver, r), m_pictures.Cut(PagePictures::kDown, r),
                     {});
        return b;
    };
    for (std::size_t i = 0; i < kEffectIds.size(); ++i) {
        m_effects[i] = makeButton(kEffectIds[i]);
    }
    m_effects[0]->setSelected(true);
    m_colorShiftButton = makeButton(kColorShiftId);
    m_solidColorButton = makeButton(kSolidColorId);
    m_solidColorButton->setSelected(true);
}

void CColorSettingsDlg::BuildEditsAndPreview() {
    for (std::size_t i = 0; i < kEditIds.size(); ++i) {
        auto* e = Placed(new CVixEdit(kEditIds[i], this), kEditIds[i]);
        e->setBackground(m_pictures.Cut(PagePictures::kNormal, ControlOf(kEditIds[i]).rect));
        m_edits[i] = e;
    }
    m_preview = Placed(new CVixMouseStatic(kPreviewId, this), kPreviewId);
    m_preview->setPicture(m_pictures.Whole("Mouse.png").copy());
    m_savedWheel = m_preview->scrollWheelColor();
    m_savedLogo = m_preview->logoColor();
}

// ---- profile --------------------------------------------------------------

void CColorSettingsDlg::LoadFromProfile(const Profile& profile) {
    LoadZoneMode(profile.lightingZones);
    std::int32_t effect = profile.lightingEffect;
    LoadColorShift(effect);
    LoadEffect(effect);
    LoadColors(profile);
}

void CColorSettingsDlg::LoadZoneMode(std::int32_t zones) {
    if (zones == kLightingOn) {
        m_preview->setScrollWheelOn(true);
        m_preview->setLogoOn(true);
    } else if (zones == kLightingOff) {
        m_preview->setScrollWheelOn(false);
        m_preview->setLogoOn(false);
    }
    const bool oneByOne = (zones & kZonesOneByOne) != 0;
    ShowZoneControls(oneByOne);
    if (oneByOne) {
        m_wheelBox->setChecked((zones & kZoneWheel) != 0);
        m_logoBox->setChecked((zones & kZoneLogo) != 0);
        m_preview->setScrollWheelOn(m_wheelBox->isChecked());
        m_preview->setLogoOn(m_logoBox->isChecked());
    }
    // A value of none of the three kinds (such as 5) selects no mode.
    m_on->setSelected(zones == kLightingOn);
    m_off->setSelected(zones == kLightingOff);
    m_select->setSelected(oneByOne);
    m_preview->update();
}

void CColorSettingsDlg::LoadColorShift(std::int32_t& effect) {
    m_preview->StopColorShift();
    if ((effect & kEffectColorShift) != 0) {
        m_colorShift = true;
        m_savedWheel = m_preview->scrollWheelColor();
        m_savedLogo = m_preview->logoColor();
        m_preview->StartColorShift();
        effect -= kEffectColorShift;
    } else {
        m_colorShift = false;
        m_preview->setScrollWheelColor(m_savedWheel);
        m_preview->setLogoColor(m_savedLogo);
    }
    m_colorShiftButton->setSelected(m_colorShift);
    m_solidColorButton->setSelected(!m_colorShift);
    for (CVixButton* b : m_presets) {
        b->setEnabled(!m_colorShift);
    }
}

void CColorSettingsDlg::LoadEffect(std::int32_t effect) {
    for (CVixButton* b : m_effects) {
        b->setSelected(false);
    }
    if (effect >= kEffectSolid && effect <= kEffectBreathing) {
        m_effects[effect - kEffectSolid]->setSelected(true);
        m_preview->SetEffect(effect - kEffectSolid);
    }
}

void CColorSettingsDlg::LoadColors(const Profile& profile) {
    const std::uint32_t logo = ArgbFromColorRef(profile.zoneColors[3]);
    ShowColorInEdits((logo >> 16) & 0xFF, (logo >> 8) & 0xFF, logo & 0xFF);
    SetPreviewColors(logo);
    m_preview->setScrollWheelColor(ArgbFromColorRef(profile.zoneColors[0]));
    m_savedWheel = m_preview->scrollWheelColor();
    m_preview->setLogoColor(logo);
    m_savedLogo = logo;
}

void CColorSettingsDlg::StoreToProfile(Profile& profile) {
    if (m_on->isSelected()) {
        profile.lightingZones = kLightingOn;
    } else if (m_off->isSelected()) {
        profile.lightingZones = kLightingOff;
    } else if (m_select->isSelected()) {
        profile.lightingZones = kZonesOneByOne | (m_wheelBox->isChecked() ? kZoneWheel : 0) |
                                (m_logoBox->isChecked() ? kZoneLogo : 0);
    } else {
        profile.lightingZones = 0;
    }
    std::int32_t effect = 0;
    for (std::size_t i = 0; i < m_effects.size(); ++i) {
        if (m_effects[i]->isSelected()) {
            effect = kEffectSolid + static_cast<std::int32_t>(i);
            break;
        }
    }
    profile.lightingEffect = effect | (m_colorShiftButton->isSelected() ? kEffectColorShift : 0);
    // Entries 1 and 2 (zones 2 and 3) are not the page's.
    profile.zoneColors[0] =
        ColorRefFromArgb(m_colorShift ? m_savedWheel : m_preview->scrollWheelColor());
    profile.zoneColors[3] = ColorRefFromArgb(m_colorShift ? m_savedLogo : m_preview->logoColor());
}

// ---- controls -------------------------------------------------------------

void CColorSettingsDlg::controlClicked(int id) {
    if (id == kOnId || id == kOffId || id == kSelectId) {
        SelectZoneMode(id);
    } else if (id == kWheelBoxId || id == kLogoBoxId) {
        ZoneBoxClicked();
    } else if (layout::PresetColorOf(id)) {
        PresetClicked(id);
    } else if (std::find(kEffectIds.begin(), kEffectIds.end(), id) != kEffectIds.end()) {
        SelectEffect(id);
    } else if (id == kColorShiftId) {
        StartColorShift();
    } else if (id == kSolidColorId) {
        StopColorShift();
    }
}

void CColorSettingsDlg::controlNotify(int id, int value) {
    if (id == kWheelColorId || id == kLogoColorId) {
        const std::uint32_t argb = ArgbFromColorRef(static_cast<std::uint32_t>(value));
        if (id == kWheelColorId) {
            m_preview->setScrollWheelColor(argb);
            m_savedWheel = argb;
        } else {
            m_preview->setLogoColor(argb);
            m_savedLogo = argb;
        }
        m_preview->update();
        return;
    }
    CVixImageDialog::controlNotify(id, value);
}

void CColorSettingsDlg::SelectZoneMode(int id) {
    m_on->setSelected(id == kOnId);
    m_off->setSelected(id == kOffId);
    m_select->setSelected(id == kSelectId);
    ShowZoneControls(id == kSelectId);
    if (id == kSelectId) {
        m_wheelBox->setChecked(false);
        m_logoBox->setChecked(false);
    }
    m_preview->setScrollWheelOn(id == kOnId);
    m_preview->setLogoOn(id == kOnId);
}

void CColorSettingsDlg::ZoneBoxClicked() {
    m_preview->setScrollWheelOn(m_wheelBox->isChecked());
    m_preview->setLogoOn(m_logoBox->isChecked());
}

void CColorSettingsDlg::ShowZoneControls(bool show) {
    for (QWidget* w : {static_cast<QWidget*>(m_wheelBox), static_cast<QWidget*>(m_logoBox),
                       static_cast<QWidget*>(m_wheelColor), static_cast<QWidget*>(m_logoColor)}) {
        w->setVisible(show);
    }
}

void CColorSettingsDlg::PresetClicked(int id) {
    const layout::Rgb& rgb = *layout::PresetColorOf(id);
    SetPreviewColors(ArgbFromRgb(rgb.red, rgb.green, rgb.blue));
    ShowColorInEdits(rgb.red, rgb.green, rgb.blue);
}

void CColorSettingsDlg::SelectEffect(int id) {
    for (std::size_t i = 0; i < kEffectIds.size(); ++i) {
        m_effects[i]->setSelected(kEffectIds[i] == id);
        if (kEffectIds[i] == id) {
            m_preview->SetEffect(static_cast<int>(i));
        }
    }
}

void CColorSettingsDlg::StartColorShift() {
    m_colorShiftButton->setSelected(true);
    m_solidColorButton->setSelected(false);
    for (CVixButton* b : m_presets) {
        b->setEnabled(false);
    }
    if (m_colorShift) {
        // Already shifting: the preview shows drifting colours, and taking
        // them as the saved ones would lose the user's colours.
        return;
    }
    m_preview->StopColorShift();
    m_colorShift = true;
    m_savedWheel = m_preview->scrollWheelColor();
    m_savedLogo = m_preview->logoColor();
    m_preview->StartColorShift();
}

void CColorSettingsDlg::StopColorShift() {
    m_solidColorButton->setSelected(true);
    m_colorShiftButton->setSelected(false);
    for (CVixButton* b : m_presets) {
        b->setEnabled(true);
    }
    if (!m_colorShift) {
        // Already solid: the preview holds the user's colours (a preset picked
        // since the last load included), which the saved ones must not undo.
        return;
    }
    m_preview->StopColorShift();
    m_colorShift = false;
    m_preview->setScrollWheelColor(m_savedWheel);
    m_preview->setLogoColor(m_savedLogo);
}

void CColorSettingsDlg::SetPreviewColors(std::uint32_t argb) {
    m_preview->setScrollWheelColor(argb);
    m_preview->setLogoColor(argb);
}

void CColorSettingsDlg::ShowColorInEdits(int red, int green, int blue) {
    const std::array<int, 3> values = {red, green, blue};
    for (std::size_t i = 0; i < m_edits.size(); ++i) {
        m_edits[i]->setText(QString::number(values[i]));
    }
}

// ---- timer and keys -------------------------------------------------------

void CColorSettingsDlg::timerEvent(QTimerEvent* event) {
    if (m_editTimer != 0 && event->timerId() == m_editTimer) {
        CheckColorEdits();
        return;
    }
    CVixImageDialog::timerEvent(event);
}

void CColorSettingsDlg::CheckColorEdits() {
    bool anyEnabled = false;
    for (CVixEdit* e : m_edits) {
        anyEnabled = anyEnabled || e->isEnabled();
    }
    if (!anyEnabled) {
        return;
    }
    std::array<QString, 3> texts;
    for (std::size_t i = 0; i < m_edits.size(); ++i) {
        CVixEdit* e = m_edits[i];
        if (e->text().size() > kColorEditMaxCharacters) {
            e->setText(e->text().left(kColorEditMaxCharacters));
            e->setCursorPosition(kColorEditMaxCharacters);
        }
        if (ReadDecimal(e->text()) > kMaxComponent) {
            e->setText(QString::number(kMaxComponent));
            e->setCursorPosition(kColorEditMaxCharacters);
        }
        texts[i] = e->text();
    }
    if (texts == m_seenTexts) {
        return;
    }
    m_seenTexts = texts;
    if (m_on->isSelected()) {
        SetPreviewColors(
            ArgbFromRgb(ReadDecimal(texts[0]), ReadDecimal(texts[1]), ReadDecimal(texts[2])));
    }
}

void CColorSettingsDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_context.notices != nullptr) {
            m_context.notices->LightingEntered();
        }
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        // The page is not a dialog to close.
        event->accept();
        return;
    }
    CVixImageDialog::keyPressEvent(event);
}

}  // namespace solune
