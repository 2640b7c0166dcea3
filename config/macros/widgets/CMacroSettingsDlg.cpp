#include "config/macros/widgets/CMacroSettingsDlg.h"

#include <QApplication>
#include <QKeyEvent>

#include "shared/layout/MacroPageLayout.h"
#include "config/macros/widgets/CVixListBox.h"
#include "config/macros/widgets/CVixMacroCtrl.h"
#include "config/macros/widgets/EventListMenu.h"
#include "config/macros/widgets/MacroPageNotify.h"
#include "config/pages/BuildFromLayout.h"
#include "config/pages/CPopDlg.h"
#include "config/keycapture/KeyEventSource.h"
#include "config/pages/PageNotices.h"
#include "shared/layout/PopDlgLayout.h"
#include "platform/Clock.h"
#include "platform/MessageSink.h"
#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixCheckBox.h"

namespace solune {
namespace {

constexpr char kStartHookFailed[] = "start hook failed!";

// Skin element 114 is the page's background.
constexpr int kPageBackgroundElement = 114;

}  // namespace

CMacroSettingsDlg::CMacroSettingsDlg(const PageContext& context, QWidget* parent)
    : SkinPage(parent),
      m_context(context),
      m_library(*context.macros),
      m_recorder(*context.recorder) {
    setObjectName(QStringLiteral("CMacroSettingsDlg"));
    BuildControls();
    m_eventList->BuildContextMenu(Tick());
    m_macroList->SetMacroMaker(
        [this](std::int32_t id, const QString& text) { return MakeMacro(id, text); });
    m_macroList->ShowLibrary();
    TellLoadProblems();
    qApp->installEventFilter(this);
}

CMacroSettingsDlg::~CMacroSettingsDlg() {
    if (m_keysStarted && m_context.keys != nullptr) {
        m_context.keys->Stop();
    }
}

void CMacroSettingsDlg::BuildControls() {
    const SkinPictures pictures(m_context.skin, "MacroSetting_Normal.bmp");
    DressRules rules;
    // The two lists are the page's own classes, views of its library.
    rules.make = [this](const layout::LayoutControl& row, QWidget& page) -> QWidget* {
        if (row.id == layout::kMacroListId) {
            return new CVixListBox(row.id, m_library, &page);
        }
        if (row.id == layout::kEventListId) {
            return new CVixMacroCtrl(row.id, m_library, m_recorder, &page);
        }
        return nullptr;
    };
    // The controls now, the page's pictures when it is first shown.
    const LayoutControls controls = BuildFromLayout(
        layout::kMacroPageControls, SkinPictures(nullptr, "MacroSetting_Normal.bmp"), *this, rules);
    m_macroList = controls.get<CVixListBox>(layout::kMacroListId);
    m_eventList = controls.get<CVixMacroCtrl>(layout::kEventListId);
    DressWhenFirstShown(pictures.WholeSize("MacroSetting_BK.bmp"),
                        [this, controls, skin = m_context.skin] { DressPage(skin, controls); });
    m_newMacro = controls.get<CVixButton>(layout::kNewMacroId);
    m_delete = controls.get<CVixButton>(layout::kDeleteMacroId);
    m_recordDelay = controls.get<CVixCheckBox>(layout::kRecordDelayId);
    m_recordHold = controls.get<CVixCheckBox>(layout::kRecordHoldId);
    m_startRecord = controls.get<CVixButton>(layout::kStartRecordId);
    m_stopRecord = controls.get<CVixButton>(layout::kStopRecordId);
    m_stopRecord->hide();
    const ScrollPictures scroll = pictures.Scroll();
    m_macroList->CreateScrollCtrl(scroll);
    m_eventList->CreateScrollCtrl(scroll);
}

void CMacroSettingsDlg::DressPage(SkinLibrary* skin, const LayoutControls& controls) {
    const SkinPictures pictures(skin, "MacroSetting_Normal.bmp");
    SetBackgroundImage(pictures.Element(kPageBackgroundElement));
    DressFromLayout(layout::kMacroPageControls, controls, pictures);
    const auto listBackground = [&pictures](int id) {
        return pictures.Cut(SkinPictures::kNormal,
                            layout::FindControl(layout::kMacroPageControls, id)->artRect());
    };
    m_macroList->SetBackground(listBackground(layout::kMacroListId));
    m_eventList->SetBackground(listBackground(layout::kEventListId));
}

void CMacroSettingsDlg::TellLoadProblems() {
    if (!m_library.NeedsAcknowledgement() || m_context.messages == nullptr) {
        return;
    }
    m_context.messages->showMessage(LoadProblemMessage(m_library.loadReport()));
    m_library.AcknowledgeLoadProblems();
}

bool CMacroSettingsDlg::MakeMacro(std::int32_t id, const QString& text) {
    if (!m_library.CanAddMacro(text.toStdU16String())) {
        ShowMessage(kMacroLibraryFullText);
        return false;
    }
    m_eventList->CreateMacro(id, text);
    return true;
}

void CMacroSettingsDlg::ShowMessage(const char* text) {
    if (m_context.messages != nullptr) {
        m_context.messages->showMessage(text);
    }
}

bool CMacroSettingsDlg::recording() const {
    return m_recorder.recording();
}

std::uint32_t CMacroSettingsDlg::Tick() const {
    return m_context.clock->TickCount();
}

void CMacroSettingsDlg::SetChecked(CVixCheckBox* box, bool checked) {
    if (box->isChecked() != checked) {
        box->setChecked(checked);
    }
}

void CMacroSettingsDlg::controlNotify(int id, int value) {
    switch (id) {
        case macropage::kNotifySelectMacro:
            SelectMacro(value);
            break;
        case macropage::kNotifyMacroDeleted:
            m_eventList->DeleteMacro(value);
            break;
        case macropage::kNotifyMacroFull:
            ShowMessage(kMacroFullText);
            break;
        case macropage::kNotifyStartRecord:
            if (!recording()) {
                StartRecording(value == kMenuRecordBefore ? RecordStart::BeforeEvent
                                                          : RecordStart::AfterEvent);
            }
            break;
        default:
            SkinPage::controlNotify(id, value);
            break;
    }
}

void CMacroSettingsDlg::controlClicked(int id) {
    switch (id) {
        case layout::kNewMacroId:
            NewMacro();
            break;
        case layout::kDeleteMacroId:
            DeleteMacro();
            break;
        case layout::kRecordDelayId:
            SetChecked(m_recordHold, false);
            break;
        case layout::kRecordHoldId:
            SetChecked(m_recordDelay, false);
            break;
        case layout::kStartRecordId:
            StartRecording(RecordStart::Button);
            break;
        case layout::kStopRecordId:
            StopRecording();
            break;
        default:
            break;
    }
}

void CMacroSettingsDlg::SelectMacro(std::int32_t id) {
    const CMacro* row = m_macroList->SelectedMacro();
    if (row == nullptr) {
        return;
    }
    m_eventList->SelectOrCreateMacro(id, QString::fromStdU16String(row->listText));
    const CMacro* macro = m_eventList->currentMacro();
    if (macro != nullptr && macro->IsHoldMacro()) {
        SetChecked(m_recordDelay, false);
        SetChecked(m_recordHold, true);
    } else {
        SetChecked(m_recordHold, false);
    }
}

void CMacroSettingsDlg::NewMacro() {
    if (recording()) {
        return;
    }
    if (m_macroList->isNameEditOpen()) {
        m_macroList->CommitNameEdit();
    } else {
        m_macroList->OpenNameEdit();
    }
    SetChecked(m_recordHold, false);
}

void CMacroSettingsDlg::DeleteMacro() {
    if (recording()) {
        return;
    }
    CPopDlg confirm(layout::kDeleteMacroMode, m_context, this);
    if (confirm.DoModal() != 1) {
        return;
    }
    m_macroList->DeleteSelectedRow();
    if (m_context.notices != nullptr) {
        m_context.notices->MacroRemoved();
    }
}

void CMacroSettingsDlg::StartRecording(RecordStart how) {
    // A name being typed becomes its macro first, so the recording goes into
    // it and no other macro's rows are touched.
    m_macroList->CommitNameEdit();
    const std::uint32_t tick = Tick();
    switch (how) {
        case RecordStart::Button:
            m_recorder.StartRecord(tick);
            break;
        case RecordStart::BeforeEvent:
            m_recorder.StartRecordBeforeEvent(tick);
            break;
        case RecordStart::AfterEvent:
            m_recorder.StartRecordAfterEvent(tick);
            break;
    }
    m_startRecord->hide();
    m_stopRecord->show();
    if (how == RecordStart::Button) {
        m_recordHold->setEnabled(false);
        m_recordDelay->setEnabled(false);
    }
    m_eventList->update();
    KeyEventSource* keys = m_context.keys;
    m_keysStarted = keys != nullptr && keys->Start([this](std::uint32_t key, bool released) {
        KeyCaptured(key, released);
    });
    if (!m_keysStarted) {
        ShowMessage(kStartHookFailed);
    }
}

void CMacroSettingsDlg::StopRecording() {
    if (!recording()) {
        return;
    }
    m_startRecord->show();
    m_stopRecord->hide();
    m_recordHold->setEnabled(true);
    m_recordDelay->setEnabled(true);
    m_recorder.StopRecord();
    if (m_keysStarted && m_context.keys != nullptr) {
        m_context.keys->Stop();
    }
    m_keysStarted = false;
}

void CMacroSettingsDlg::KeyCaptured(std::uint32_t virtualKey, bool released) {
    // The options as the check boxes show them now: a change made during a
    // recording counts from the next key on.
    m_recorder.SetDelayOption(m_recordDelay->isChecked());
    m_recorder.SetHoldOption(m_recordHold->isChecked());
    const int result =
        m_recorder.HandleKeyCapture(static_cast<std::int32_t>(virtualKey), released, Tick());
    m_eventList->update();
    if (result == kKeyMacroFull) {
        StopRecording();
        ShowMessage(kMacroFullText);
    }
}

bool CMacroSettingsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || (widget != this && !isAncestorOf(widget))) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        m_macroList->CommitNameEdit();
        m_eventList->CommitDelayEdit();
    }
    return recording();
}

}  // namespace solune
