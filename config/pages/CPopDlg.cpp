#include "config/pages/CPopDlg.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QTimerEvent>
#include <string>
#include <utility>

#include "config/device/DeviceCommands.h"
#include "config/device/HidLink.h"
#include "config/keycapture/KeyEventSource.h"
#include "config/pages/KeyName.h"
#include "config/pages/PopUps.h"
#include "config/pages/BuildFromLayout.h"
#include "platform/MessageSink.h"
#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixStatic.h"
#include "shared/skin/SkinLibrary.h"

namespace solune {

namespace {

constexpr char kMouseNotFound[] = "SOLUNE 300 mouse not found";
constexpr char kSetHookFailed[] = "set hook failed.";
// The function code of a single-key assignment.
constexpr int kSingleKeyFunction = 13;
constexpr char kCountdownStart[] = "10";
constexpr int kAnimationFrames = 3;
constexpr int kKeyNameFontHeight = 14;
// How much darker (alpha of black, 0 … 255) a disabled button is drawn than
// its normal picture.
constexpr int kDisabledShade = 140;

QString KeyNameText(std::uint32_t key) {
    return QString::fromStdString(KeyName(key));
}

}  // namespace

CPopDlg::CPopDlg(int mode, const PageContext& context, QWidget* parent)
    : CVixImageDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_mode(mode),
      m_context(context),
      m_layout(layout::FindPopMode(mode)),
      m_ok(new CVixButton(layout::kPopOkId, this)),
      m_cancel(new CVixButton(layout::kPopCancelId, this)),
      m_close(new CVixButton(layout::kPopCloseId, this)),
      m_text(new CVixStatic(layout::kPopTimeId, this)),
      m_picture(new CVixStatic(layout::kPopImageId, this)) {
    // The title drawn in the artwork; never "SOLUNE300", the main window's
    // title, which the updater looks for.
    if (m_layout != nullptr && !m_layout->texts.empty()) {
        const std::string_view title = m_layout->texts.front().text;
        setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    }
    setFocusPolicy(Qt::StrongFocus);
    m_ok->setObjectName(QStringLiteral("OK"));
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    m_close->setObjectName(QStringLiteral("Close"));
    m_text->setObjectName(QStringLiteral("Time"));
    m_picture->setObjectName(QStringLiteral("Image"));
    installEventFilter(this);
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_ok, m_cancel, m_close, m_text, m_picture}) {
        control->hide();
        control->installEventFilter(this);
    }
    BuildControls();
}

CPopDlg::~CPopDlg() {
    StopActivity();
}

void CPopDlg::SetTargetSelector(CVixComboButton* selector) {
    m_target = selector;
}

void CPopDlg::SetTimings(Timings timings) {
    m_timings = timings;
}

void CPopDlg::BuildControls() {
    if (m_layout == nullptr) {
        return;
    }
    const std::string normalFile = std::string(m_layout->name) + "_Normal.bmp";
    const SkinPictures pictures(m_context.skin, normalFile);
    SetBackgroundImage(pictures.Whole(normalFile));
    DressRules rules;
    rules.normalAsDown = true;
    const std::pair<int, QWidget*> controls[] = {{layout::kPopOkId, m_ok},
                                                 {layout::kPopCancelId, m_cancel},
                                                 {layout::kPopCloseId, m_close},
                                                 {layout::kPopTimeId, m_text},
                                                 {layout::kPopImageId, m_picture}};
    for (const layout::LayoutControl& row : m_layout->controls) {
        for (const auto& [id, control] : controls) {
            if (id == row.id) {
                PlaceControl(*control, row);
                DressControl(*control, row, pictures, rules);
                control->show();
            }
        }
    }
    if (m_mode == layout::kSensorMira2Mode) {
        GiveOkADimmedDisabledPicture();
        m_ok->setEnabled(false);
        PrepareAnimation();
    } else if (m_mode == layout::kAssignKeyMode) {
        PrepareKeyName();
    }
}

void CPopDlg::GiveOkADimmedDisabledPicture() {
    // The skin has no disabled picture for the button, so without one the
    // waiting button would look as ready as it will be after the countdown.
    QImage dimmed = m_ok->picture(SkinButtonBase::kNormalPicture);
    if (dimmed.isNull()) {
        return;
    }
    dimmed = dimmed.convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&dimmed);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(dimmed.rect(), QColor(0, 0, 0, kDisabledShade));
    painter.end();
    m_ok->SetImages(m_ok->picture(SkinButtonBase::kNormalPicture),
                    m_ok->picture(SkinButtonBase::kOverPicture),
                    m_ok->picture(SkinButtonBase::kDownPicture), std::move(dimmed));
}

void CPopDlg::PrepareAnimation() {
    m_text->SetText(QString::fromLatin1(kCountdownStart));
    if (m_context.skin != nullptr) {
        for (int frame = 1; frame <= kAnimationFrames; ++frame) {
            const std::string file = "TQA2-" + std::to_string(frame) + ".bmp";
            m_picture->AddImage(m_context.skin->ExtraPicture(file));
        }
    }
    m_picture->setImageIndex(0);
}

void CPopDlg::PrepareKeyName() {
    m_text->SetFontHeight(kKeyNameFontHeight);
    m_text->setCenterText(true);
}

int CPopDlg::DoModal() {
    if (m_mode == layout::kAssignKeyMode) {
        StartKeyCapture();
    } else if (m_mode == layout::kSensorMira2Mode) {
        m_countdown.start(m_timings.tickMs, this);
    }
    RunAnswerGivenInAdvance();
    const int result = CVixImageDialog::DoModal();
    StopActivity();
    return result;
}

void CPopDlg::RunAnswerGivenInAdvance() {
    // Queued now, it runs once the modal loop below spins, on the shown pop-up.
    if (PopUps::Answer answer = PopUps::TakeAnswer()) {
        QTimer::singleShot(0, this, [this, answer = std::move(answer)] { answer(*this); });
    }
}

void CPopDlg::StartKeyCapture() {
    KeyEventSource* keys = m_context.keys;
    m_capturing = keys != nullptr && keys->Start([this](std::uint32_t key, bool) {
        m_capturedKey = key;
        m_text->SetText(KeyNameText(key));
    });
    if (!m_capturing && m_context.messages != nullptr) {
        m_context.messages->showMessage(kSetHookFailed);
    }
    setFocus();
}

void CPopDlg::StopActivity() {
    if (m_capturing) {
        m_capturing = false;
        m_context.keys->Stop();
    }
    m_countdown.stop();
    m_finish.stop();
}

void CPopDlg::controlClicked(int id) {
    if (id == layout::kPopOkId) {
        OkPath();
    } else if (id == layout::kPopCancelId || id == layout::kPopCloseId) {
        CancelPath();
    }
}

void CPopDlg::OnOK() {
    if (m_mode == layout::kAssignKeyMode) {
        return;
    }
    if (m_mode == layout::kSensorMira2Mode && !m_ok->isEnabled()) {
        return;
    }
    OkPath();
}

void CPopDlg::OkPath() {
    switch (m_mode) {
        case layout::kSensorMira1Mode:
            RunSensorMira1();
            return;
        case layout::kSensorMira2Mode:
            OpenNextStep(layout::kSensorMira3Mode);
            return;
        case layout::kAssignKeyMode:
            if (m_target != nullptr) {
                m_target->SetSelection(KeyNameText(m_capturedKey), kSingleKeyFunction,
                                       static_cast<int>(m_capturedKey));
            }
            EndDialog(1);
            return;
        default:
            EndDialog(1);
            return;
    }
}

void CPopDlg::RunSensorMira1() {
    HidLink* link = m_context.link;
    if (link != nullptr && link->FindDevice()) {
        // The analysis runs in the mouse; its start is not confirmed.
        StartSurfaceAnalysis(*link);
        OpenNextStep(layout::kSensorMira2Mode);
        return;
    }
    if (link != nullptr) {
        link->CloseDevice();
    }
    if (m_context.messages != nullptr) {
        m_context.messages->showMessage(kMouseNotFound);
    }
}

void CPopDlg::OpenNextStep(int mode) {
    CPopDlg next(mode, m_context, this);
    next.SetTimings(m_timings);
    EndDialog(next.DoModal() == 1 ? 1 : 2);
}

void CPopDlg::CancelPath() {
    EndDialog(2);
}

void CPopDlg::reject() {
    if (m_mode != layout::kAssignKeyMode) {
        EndDialog(2);
    }
}

void CPopDlg::EndDialog(int result) {
    StopActivity();
    done(result == 1 ? QDialog::Accepted : QDialog::Rejected);
}

bool CPopDlg::eventFilter(QObject* watched, QEvent* event) {
    if (m_mode == layout::kAssignKeyMode &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
         event->type() == QEvent::ShortcutOverride)) {
        event->accept();
        return true;
    }
    return CVixImageDialog::eventFilter(watched, event);
}

void CPopDlg::keyPressEvent(QKeyEvent* event) {
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        OnOK();
        return;
    }
    CVixImageDialog::keyPressEvent(event);
}

void CPopDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_countdown.timerId() && m_countdown.isActive()) {
        CountdownTick();
    } else if (event->timerId() == m_finish.timerId() && m_finish.isActive()) {
        m_finish.stop();
        OkPath();
    } else {
        CVixImageDialog::timerEvent(event);
    }
}

void CPopDlg::CountdownTick() {
    const int n = m_text->GetText().toInt();
    if (n <= 0) {
        m_ok->setEnabled(true);
        m_countdown.stop();
        return;
    }
    const int left = n - 1;
    m_text->SetText(QString::number(left));
    m_picture->setImageIndex((10 - left) % kAnimationFrames);
    if (left == 0) {
        m_finish.start(m_timings.finishDelayMs, this);
    }
}

}  // namespace solune
