#include "config/pages/CMouseSettingsDlg.h"

#include "shared/layout/ButtonPageLayout.h"
#include "config/pages/BuildFromLayout.h"
#include "config/pages/CPopDlg.h"
#include "config/pages/FunctionMenu.h"
#include "config/pages/KeyName.h"
#include "config/pages/MacroDirectory.h"
#include "config/pages/PointerSliders.h"
#include "shared/layout/PopDlgLayout.h"
#include "config/pages/ReportRateGroup.h"
#include "config/profiles/Profile.h"
#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixSliderCtrl.h"

namespace solune {
namespace {

constexpr int kPlacedMarkers = 7;

QString KeyText(std::int16_t code) {
    return QString::fromStdString(KeyName(static_cast<std::uint16_t>(code)));
}

}  // namespace

CMouseSettingsDlg::CMouseSettingsDlg(const PageContext& context, QWidget* parent)
    : SkinPage(parent), m_context(context) {
    setObjectName(QStringLiteral("MouseSettings"));
    const SkinPictures pictures(context.skin, "MouseSetting_Normal.bmp");
    SetBackgroundImage(pictures.Whole("MouseSetting_Normal.bmp"));
    const LayoutControls controls =
        BuildFromLayout(layout::kButtonPageControls, pictures, *this);
    SetUpSelectors(controls);
    SetUpMarkers(controls);
    SetUpBoxesAndSliders(controls);
    RefreshMacroMenus();
}

CMouseSettingsDlg::~CMouseSettingsDlg() = default;

void CMouseSettingsDlg::SetUpSelectors(const LayoutControls& controls) {
    for (int k = 0; k < kButtonCount; ++k) {
        auto* selector = controls.get<CVixComboButton>(layout::kFunctionSelectorIds[k]);
        selector->UseNeoSansFont();
        BuildFunctionMenu(*selector);
        ShowMenuRow(*selector, kDefaultButtonFunctions[k]);
        m_selectors[k] = selector;
    }
}

void CMouseSettingsDlg::SetUpMarkers(const LayoutControls& controls) {
    for (int k = 0; k < kButtonCount; ++k) {
        if (k < kPlacedMarkers) {
            m_markers[k] = controls.get<CVixButton>(layout::kMarkerIds[k]);
            continue;
        }
        auto* marker = new CVixButton(layout::kMarkerIds[k], this);
        marker->setObjectName(QStringLiteral("Bn%1").arg(k + 1));
        marker->setAccessibleName(QStringLiteral("Button %1 marker").arg(k + 1));
        marker->setGeometry(0, 0, 0, 0);
        marker->hide();
        m_markers[k] = marker;
    }
}

void CMouseSettingsDlg::SetUpBoxesAndSliders(const LayoutControls& controls) {
    for (std::size_t i = 0; i < ReportRateGroup::kBoxes.size(); ++i) {
        m_rateBoxes[i] = controls.get<CVixCheckBox>(ReportRateGroup::kBoxes[i].id);
    }
    m_reportRate = std::make_unique<ReportRateGroup>(m_rateBoxes);
    m_reportRate->Show(kPolling1000Hz);

    m_enable = controls.get<CVixCheckBox>(PointerSliders::kEnableId);
    for (std::size_t i = 0; i < PointerSliders::kRanges.size(); ++i) {
        m_sliders[i] = controls.get<CVixSliderCtrl>(PointerSliders::kRanges[i].id);
    }
    m_pointer = std::make_unique<PointerSliders>(*m_enable, m_sliders);
    m_pointer->Start();
}

void CMouseSettingsDlg::RefreshMacroMenus() {
    for (CVixComboButton* selector : m_selectors) {
        ClearMacroRows(*selector);
    }
    if (m_context.macroDirectory == nullptr) {
        return;
    }
    for (const MacroListRow& row : m_context.macroDirectory->MacroRows()) {
        for (CVixComboButton* selector : m_selectors) {
            AddMacroRow(*selector, row);
        }
    }
}

bool CMouseSettingsDlg::IsLastLeftClick(int button) const {
    for (int k = 0; k < kButtonCount; ++k) {
        if (k != button && m_selectors[k]->chosenItemId() == kLeftClick) {
            return false;
        }
    }
    return true;
}

int CMouseSettingsDlg::OpenPopUp(int mode, CVixComboButton* target) {
    CPopDlg popUp(mode, m_context, this);
    if (target) {
        popUp.SetTargetSelector(target);
    }
    return popUp.DoModal();
}

bool CMouseSettingsDlg::HandleChoice(int button, int choice) {
    CVixComboButton& selector = *m_selectors[button];
    if (selector.chosenItemId() == kLeftClick && choice != kLeftClick && IsLastLeftClick(button)) {
        OpenPopUp(layout::kLeftClickWarnMode, nullptr);
        return false;
    }
    if (choice == kSingleKey) {
        OpenPopUp(layout::kAssignKeyMode, &selector);
        // The pop-up has set the selector (OK) or left it alone; either way
        // the selector must not take "Single key assign..." over by itself.
        return false;
    }
    if (choice >= kFirstMacroMenuId) {
        selector.SetSelection(selector.GetItemText(choice), kRecordMacro, choice);
        return false;
    }
    return true;
}

bool CMouseSettingsDlg::controlChosen(int id, int rowId) {
    for (int k = 0; k < kButtonCount; ++k) {
        if (m_selectors[k] && m_selectors[k]->controlId() == id) {
            return HandleChoice(k, rowId);
        }
    }
    return SkinPage::controlChosen(id, rowId);
}

void CMouseSettingsDlg::controlNotify(int id, int value) {
    for (int k = 0; k < kButtonCount; ++k) {
        if (m_selectors[k] && m_selectors[k]->controlId() == id) {
            return;
        }
    }
    SkinPage::controlNotify(id, value);
}

void CMouseSettingsDlg::controlClicked(int id) {
    if (ReportRateGroup::IsBox(id)) {
        m_reportRate->Clicked(id);
    } else if (id == PointerSliders::kEnableId) {
        m_pointer->FollowEnable();
    }
}

void CMouseSettingsDlg::LoadButton(int button, const Profile& profile) {
    const ButtonAssignment& entry = profile.buttons[button];
    CVixComboButton& selector = *m_selectors[button];
    if (entry.function == kSingleKey) {
        selector.SetSelection(KeyText(entry.parameter), kSingleKey, entry.parameter);
    } else if (entry.function == kRecordMacro) {
        selector.SetSelection(QString::fromStdU16String(profile.MacroNameOf(entry)), kRecordMacro,
                              entry.parameter);
    } else {
        ShowMenuRow(selector, entry.function);
    }
}

void CMouseSettingsDlg::LoadFromProfile(const Profile& profile) {
    RefreshMacroMenus();
    for (int k = 0; k < kButtonCount; ++k) {
        LoadButton(k, profile);
    }
    m_reportRate->Show(profile.pollingInterval);
    m_pointer->Load(profile);
}

void CMouseSettingsDlg::StoreButton(int button, Profile& profile) const {
    ButtonAssignment& entry = profile.buttons[button];
    const CVixComboButton& selector = *m_selectors[button];
    entry.function = static_cast<std::uint8_t>(selector.chosenItemId() & 0xFF);
    if (entry.function != kSingleKey && entry.function != kRecordMacro) {
        return;
    }
    entry.parameter = static_cast<std::int16_t>(selector.chosenValue() & 0xFFFF);
    if (entry.function != kRecordMacro) {
        return;
    }
    // A macro id beyond 16 bits cannot be kept in the profile; its low bits
    // could name another macro, so such a button falls back instead.
    std::optional<ButtonMacro> macro;
    if (entry.parameter == selector.chosenValue() && m_context.macroDirectory != nullptr) {
        macro = m_context.macroDirectory->MacroById(entry.parameter);
    }
    profile.AssignMacro(entry, macro ? &*macro : nullptr);
}

void CMouseSettingsDlg::StoreToProfile(Profile& profile) {
    for (int k = 0; k < kButtonCount; ++k) {
        StoreButton(k, profile);
    }
    m_reportRate->Store(profile.pollingInterval);
    m_pointer->Store(profile);
}

}  // namespace solune
