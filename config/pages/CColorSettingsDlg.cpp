#include "config/pages/CColorSettingsDlg.h"

#include <QKeyEvent>
#include <QTimerEvent>
#include <algorithm>

#include "config/pages/CVixCbnColorButton.h"
#include "config/pages/SpokenColor.h"
#include "config/pages/ColorValues.h"
#include "config/pages/BuildFromLayout.h"
#include "config/pages/DecimalText.h"
#include "config/pages/PageNotices.h"
#include "shared/layout/LightingPageLayout.h"
#include "config/profiles/Profile.h"
#include "shared/skin/SkinAccessibility.h"
#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/CVixEdit.h"
#include "shared/skin/CVixMouseStatic.h"

namespace solune {
namespace {

using namespace layout;

constexpr int kEditCheckMs = 100;
constexpr int kColorEditMaxCharacters = 3;
constexpr int kMaxComponent = 255;

const LayoutControl& ControlOf(int id) {
    return *FindControl(kLightingPageControls, id);
}

// The effect and colour-mode buttons have no disable picture; every other
// button and box of the page has all four.
int StatesOf(const LayoutControl& row) {
    const bool effect = std::find(kLightingEffectIds.begin(), kLightingEffectIds.end(), row.id) !=
                        kLightingEffectIds.end();
    return effect || row.id == kLightingColorShiftId || row.id == kLightingSolidColorId ? 3 : 4;
}

// The preview is the page's own class.
QWidget* MakeOwnControl(const LayoutControl& row, QWidget& page) {
    return row.id == kLightingPreviewId ? new CVixMouseStatic(row.id, &page) : nullptr;
}

}  // namespace

CColorSettingsDlg::CColorSettingsDlg(const PageContext& context, QWidget* parent)
    : SkinPage(parent),
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
    DressRules rules;
    rules.states = StatesOf;
    rules.make = MakeOwnControl;
    const LayoutControls controls =
        BuildFromLayout(kLightingPageControls, m_pictures, *this, rules);
    SetUpZoneControls(controls);
    SetUpPresets(controls);
    SetUpEffectControls(controls);
    SetUpEditsAndPreview(controls);
    ShowZoneControls(false);
}

void CColorSettingsDlg::SetUpZoneControls(const LayoutControls& controls) {
    m_on = controls.get<CVixButton>(kLightingOnId);
    m_off = controls.get<CVixButton>(kLightingOffId);
    m_select = controls.get<CVixButton>(kLightingSelectId);
    m_on->setSelected(true);

    m_wheelBox = controls.get<CVixCheckBox>(kLightingWheelBoxId);
    m_logoBox = controls.get<CVixCheckBox>(kLightingLogoBoxId);
    // Zones 2 and 3 cannot be chosen: their boxes stay disabled and show only
    // their disable picture.
    m_dpiButtons = controls.get<CVixCheckBox>(kLightingDpiButtonsId);
    m_dpiIndicator = controls.get<CVixCheckBox>(kLightingDpiIndicatorId);
    for (CVixCheckBox* b : {m_dpiButtons, m_dpiIndicator}) {
        b->SetImages({}, {}, {},
                     m_pictures.Cut(SkinPictures::kDisable, ControlOf(b->controlId()).rect));
        b->setEnabled(false);
    }

    m_wheelColor = controls.get<CVixCbnColorButton>(kLightingWheelColorId);
    m_logoColor = controls.get<CVixCbnColorButton>(kLightingLogoColorId);
    // The markers only mark zones 3 and 2 on the drawn mouse: a normal and an
    // over picture, and the colour panel's picture in the disable place.
    m_marker3 = controls.get<CVixButton>(kLightingMarker3Id);
    m_marker2 = controls.get<CVixButton>(kLightingMarker2Id);
    for (CVixButton* b : {m_marker3, m_marker2}) {
        auto pics = m_pictures.States(ControlOf(b->controlId()).rect, 2);
        b->SetImages(pics[0], pics[1], {}, m_pictures.Whole("ColorPanel.bmp"));
        b->setFocusPolicy(Qt::NoFocus);
    }
}

void CColorSettingsDlg::SetUpPresets(const LayoutControls& controls) {
    for (int row = 1; row <= 4; ++row) {
        for (int column = 1; column <= 5; ++column) {
            CVixButton* preset = controls.get<CVixButton>(PresetButtonId(row, column));
            m_presets[(row - 1) * 5 + (column - 1)] = preset;
            const Rgb& rgb = kPresetColors[row - 1][column - 1];
            preset->setAccessibleName(SpokenColor(rgb.red, rgb.green, rgb.blue));
        }
    }
}

void CColorSettingsDlg::SetUpEffectControls(const LayoutControls& controls) {
    for (std::size_t i = 0; i < kLightingEffectIds.size(); ++i) {
        m_effects[i] = controls.get<CVixButton>(kLightingEffectIds[i]);
        // One effect is on: to a screen reader the four are radio buttons.
        SetSpokenRole(*m_effects[i], QAccessible::RadioButton);
    }
    m_effects[0]->setSelected(true);
    m_colorShiftButton = controls.get<CVixButton>(kLightingColorShiftId);
    m_solidColorButton = controls.get<CVixButton>(kLightingSolidColorId);
    m_solidColorButton->setSelected(true);
}

void CColorSettingsDlg::SetUpEditsAndPreview(const LayoutControls& controls) {
    for (std::size_t i = 0; i < kLightingEditIds.size(); ++i) {
        m_edits[i] = controls.get<CVixEdit>(kLightingEditIds[i]);
    }
    m_preview = controls.get<CVixMouseStatic>(kLightingPreviewId);
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
    if (id == kLightingOnId || id == kLightingOffId || id == kLightingSelectId) {
        SelectZoneMode(id);
    } else if (id == kLightingWheelBoxId || id == kLightingLogoBoxId) {
        ZoneBoxClicked();
    } else if (PresetColorOf(id)) {
        PresetClicked(id);
    } else if (std::find(kLightingEffectIds.begin(), kLightingEffectIds.end(), id) != kLightingEffectIds.end()) {
        SelectEffect(id);
    } else if (id == kLightingColorShiftId) {
        StartColorShift();
    } else if (id == kLightingSolidColorId) {
        StopColorShift();
    }
}

void CColorSettingsDlg::controlNotify(int id, int value) {
    if (id == kLightingWheelColorId || id == kLightingLogoColorId) {
        const std::uint32_t argb = ArgbFromColorRef(static_cast<std::uint32_t>(value));
        if (id == kLightingWheelColorId) {
            m_preview->setScrollWheelColor(argb);
            m_savedWheel = argb;
        } else {
            m_preview->setLogoColor(argb);
            m_savedLogo = argb;
        }
        return;
    }
    SkinPage::controlNotify(id, value);
}

void CColorSettingsDlg::SelectZoneMode(int id) {
    m_on->setSelected(id == kLightingOnId);
    m_off->setSelected(id == kLightingOffId);
    m_select->setSelected(id == kLightingSelectId);
    ShowZoneControls(id == kLightingSelectId);
    if (id == kLightingSelectId) {
        m_wheelBox->setChecked(false);
        m_logoBox->setChecked(false);
    }
    m_preview->setScrollWheelOn(id == kLightingOnId);
    m_preview->setLogoOn(id == kLightingOnId);
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
    const Rgb& rgb = *PresetColorOf(id);
    SetPreviewColors(ArgbFromRgb(rgb.red, rgb.green, rgb.blue));
    ShowColorInEdits(rgb.red, rgb.green, rgb.blue);
}

void CColorSettingsDlg::SelectEffect(int id) {
    for (std::size_t i = 0; i < kLightingEffectIds.size(); ++i) {
        m_effects[i]->setSelected(kLightingEffectIds[i] == id);
        if (kLightingEffectIds[i] == id) {
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
    SkinPage::timerEvent(event);
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
    SkinPage::keyPressEvent(event);
}

}  // namespace solune
