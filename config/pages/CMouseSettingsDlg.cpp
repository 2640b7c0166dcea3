#include "config/pages/CMouseSettingsDlg.h"

#include "shared/layout/ButtonPageLayout.h"
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
#include "shared/layout/SkinElementTable.h"
#include "shared/skin/SkinLibrary.h"

namespace solune {
namespace {

// Markers Bn1 … Bn9: Bn8 (1039) and Bn9 (1041) have no row in the layout.
constexpr std::array<int, 9> kMarkerIds = {1032, 1033, 1013, 1034, 1037, 1035, 1036, 1039, 1041};
constexpr int kPlacedMarkers = 7;

const layout::LayoutControl& Control(int id) {
    for (const layout::LayoutControl& control : layout::kButtonPageControls) {
        if (control.id == id) {
            return control;
        }
    }
    static const layout::LayoutControl none{};
    return none;
}

QString NameOf(const layout::LayoutControl& control) {
    return QString::fromUtf8(control.name.data(), static_cast<qsizetype>(control.name.size()));
}

// Names the widget after its layout row and moves it to its rectangle.
void Place(QWidget& widget, const layout::LayoutControl& control) {
    widget.setObjectName(NameOf(control));
    widget.setGeometry(control.rect.x, control.rect.y, control.rect.width, control.rect.height);
}

QString KeyText(std::int16_t code) {
    return QString::fromStdString(KeyName(static_cast<std::uint16_t>(code)));
}

}  // namespace

CMouseSettingsDlg::CMouseSettingsDlg(const PageContext& context, QWidget* parent)
    : CVixImageDialog(parent),
      m_context(context),
      m_pictures(WindowPictures::Load(context.skin, "MouseSetting", true)) {
    // A page is a child window of the main window, not a dialog window of
    // its own (QDialog makes itself one).
    setWindowFlags(Qt::Widget);
    setObjectName(QStringLiteral("MouseSettings"));
    SetBackgroundImage(m_pictures.normal);
    BuildSelectors();
    BuildMarkers();
    BuildBoxesAndSliders();
    RefreshMacroMenus();
}

CMouseSettingsDlg::~CMouseSettingsDlg() = default;

void CMouseSettingsDlg::BuildSelectors() {
    for (int k = 0; k < kButtonCount; ++k) {
        const layout::LayoutControl& control = Control(layout::kFunctionSelectorIds[k]);
        auto* selector = new CVixComboButton(control.id, this);
        Place(*selector, control);
        selector->SetImages(m_pictures.Cut(m_pictures.normal, control),
                            m_pictures.Cut(m_pictures.over, control),
                            m_pictures.Cut(m_pictures.down, control));
        selector->UseNeoSansFont();
        BuildFunctionMenu(*selector);
        ShowMenuRow(*selector, kDefaultButtonFunctions[k]);
        m_selectors[k] = selector;
    }
}

void CMouseSettingsDlg::BuildMarkers() {
    for (int k = 0; k < kButtonCount; ++k) {
        auto* marker = new CVixButton(kMarkerIds[k], this);
        if (k < kPlacedMarkers) {
            const layout::LayoutControl& control = Control(kMarkerIds[k]);
            Place(*marker, control);
            m_pictures.DressButton(*marker, control);
        } else {
            marker->setObjectName(QStringLiteral("Bn%1").arg(k + 1));
            marker->setGeometry(0, 0, 0, 0);
            marker->hide();
        }
        m_markers[k] = marker;
    }
}

void CMouseSettingsDlg::BuildBoxesAndSliders() {
    for (std::size_t i = 0; i < ReportRateGroup::kBoxes.size(); ++i) {
        const layout::LayoutControl& control = Control(ReportRateGroup::kBoxes[i].id);
        auto* box = new CVixCheckBox(control.id, this);
        Place(*box, control);
        DressBox(*box, control);
        m_rateBoxes[i] = box;
    }
    m_reportRate = std::make_unique<ReportRateGroup>(m_rateBoxes);
    m_reportRate->Show(kPolling1000Hz);

    const layout::LayoutControl& enable = Control(PointerSliders::kEnableId);
    m_enable = new CVixCheckBox(enable.id, this);
    Place(*m_enable, enable);
    DressBox(*m_enable, enable);
    for (std::size_t i = 0; i < PointerSliders::kRanges.size(); ++i) {
        const layout::LayoutControl& control = Control(PointerSliders::kRanges[i].id);
        auto* slider = new CVixSliderCtrl(control.id, this);
        Place(*slider, control);
        const QImage thumb = SkinSlot("Slider_Normal.bmp");
        slider->SetImages(m_pictures.Cut(m_pictures.normal, control), thumb, thumb,
                          SkinSlot("Slider_Disable.bmp"));
        m_sliders[i] = slider;
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

QImage CMouseSettingsDlg::SkinSlot(std::string_view file) const {
    return m_context.skin ? m_context.skin->Picture(skin::SlotOf(file)) : QImage();
}

void CMouseSettingsDlg::DressBox(CVixCheckBox& box, const layout::LayoutControl& control) const {
    box.SetImages(m_pictures.Cut(m_pictures.normal, control),
                  m_pictures.Cut(m_pictures.over, control),
                  m_pictures.Cut(m_pictures.down, control), QImage());
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
    return CVixImageDialog::controlChosen(id, rowId);
}

void CMouseSettingsDlg::controlNotify(int id, int value) {
    for (int k = 0; k < kButtonCount; ++k) {
        if (m_selectors[k] && m_selectors[k]->controlId() == id) {
            return;
        }
    }
    CVixImageDialog::controlNotify(id, value);
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
