#include "config/macros/widgets/CMacroSettingsDlg.h"

#include <QApplication>
#include <QKeyEvent>

#include "shared/layout/MacroPageLayout.h"
#include "config/macros/widgets/CVixListBox.h"
#include "config/macros/widgets/CVixMacroCtrl.h"
#include "config/macros/widgets/EventListMenu.h"
#include "config/macros/widgets/MacroPageNotify.h"
#include "config/macros/widgets/MacroPagePictures.h"
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

QRect RectOf(const layout::ControlRect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

}  // namespace

CMacroSettingsDlg::CMacroSettingsDlg(const PageContext& context, QWidget* parent)
    : CVixImageDialog(parent, parent != nullptr ? Qt::Widget : Qt::Dialog),
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
    MacroPagePictures pictures(m_context.skin);
    SetBackgroundImage(pictures.Background());
    for (const layout::LayoutControl& c : layout::kMacroPageControls) {
        QWidget* widget = nullptr;
        const layout::ControlRect art = c.artRect();
        if (c.kind == layout::ControlKind::List) {
            if (c.id == layout::kMacroListId) {
                widget = m_macroList = new CVixListBox(c.id, m_library, this);
                m_macroList->SetBackground(pictures.ControlPicture(0, art));
            } else {
                widget = m_eventList = new CVixMacroCtrl(c.id, m_library, m_recorder, this);
                m_eventList->SetBackground(pictures.ControlPicture(0, art));
            }
        } else if (c.kind == layout::ControlKind::CheckBox) {
            auto* box = new CVixCheckBox(c.id, this);
            box->SetImages(pictures.ControlPicture(0, art), pictures.ControlPicture(1, art),
                           pictures.ControlPicture(2, art), {});
            (c.id == layout::kRecordDelayId ? m_recordDelay : m_recordHold) = box;
            widget = box;
        } else {
            auto* button = new CVixButton(c.id, this);
            button->SetImages(pictures.ControlPicture(0, art), pictures.ControlPicture(1, art),
                              pictures.ControlPicture(2, art), {});
            widget = button;
            switch (c.id) {
                case layout::kNewMacroId:
                    m_newMacro = button;
                    break;
                case layout::kDeleteMacroId:
                    m_delete = button;
                    break;
                case layout::kStartRecordId:
                    m_startRecord = button;
                    break;
                default:
                    m_stopRecord = button;
                    break;
            }
        }
        widget->setObjectName(QString::fromLatin1(c.name.data(), c.name.size()));
        widget->setGeometry(RectOf(c.rect));
    }
    m_stopRecord->hide();
    const ScrollPictures scroll = pictures.Scroll();
    m_macroList->CreateScrollCtrl(scroll);
    m_eventList->CreateScrollCtrl(scroll);
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
            CVixImageDialog::controlNotify(id, value);
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
