#include "updater/app/CW38UpdaterDlg.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMetaObject>
#include <QMouseEvent>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <algorithm>

#include "platform/Folders.h"
#include "shared/skin/SkinFonts.h"
#include "updater/app/PackageHelpText.h"
#include "shared/skin/SkinLibrary.h"

namespace solune {

namespace {

using layout::ControlRect;
using layout::LayoutControl;
using layout::ScreenPicture;

// The bar's range; the last block of a 120-block image reports 101, which would
// reveal nothing of the fill picture, so the window shows it as full.
constexpr int kProgressMax = 100;

}  // namespace

void CW38UpdaterDlg::Messages::showMessage(std::string_view text) {
    if (m_env.showMessageBox) {
        m_env.showMessageBox(kProgramTitle, std::string(text));
    }
}

CW38UpdaterDlg::CW38UpdaterDlg(UpdaterEnvironment env, QWidget* parent)
    : CVixImageDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_env(std::move(env)),
      m_skinFailure(m_messages, kUpdaterSkinFailureText, m_env.endProgram),
      m_pictures(m_env.skinFolder),
      m_log(m_env.localTime),
      m_backend(m_env.makeBackend ? m_env.makeBackend() : nullptr),
      m_flow(*this, m_log, m_backend.get(), m_env.clock),
      m_progress(new CVixProgressCtrl(layout::kUpdaterProgressId, this,
                                      CVixProgressCtrl::Variant::Updater)),
      m_ok(new CVixButton(layout::kUpdaterOkId, this)),
      m_cancel(new CVixButton(layout::kUpdaterCancelId, this)),
      m_close(new CVixButton(layout::kUpdaterCloseId, this)),
      m_version(new CVixStatic(layout::kUpdaterVersionId, this)),
      m_mouseVersion(new CVixStatic(layout::kUpdaterMouseVersionId, this)),
      m_fileVersion(new CVixStatic(layout::kUpdaterFileVersionId, this)),
      m_message(new SpokenText(this)) {
    setWindowTitle(QStringLiteral("SOLUNE 300 Firmware Updater"));
    m_progress->setObjectName(QStringLiteral("progress"));
    m_ok->setObjectName(QStringLiteral("OK"));
    m_cancel->setObjectName(QStringLiteral("Cancel"));
    m_close->setObjectName(QStringLiteral("Close"));
    m_version->setObjectName(QStringLiteral("softVersion"));
    m_mouseVersion->setObjectName(QStringLiteral("Mouse FWVersion"));
    m_fileVersion->setObjectName(QStringLiteral("File FWVersion"));
    m_message->setObjectName(QStringLiteral("message"));
    for (QWidget* control : std::initializer_list<QWidget*>{m_progress, m_ok, m_cancel, m_close,
                                                            m_version, m_mouseVersion,
                                                            m_fileVersion, m_message}) {
        control->hide();
    }
}

CW38UpdaterDlg::~CW38UpdaterDlg() {
    // The search is cancelled first, so that a worker released from waiting for
    // the search box tries no more.
    m_flow.Cancel();
    m_searchMessage.Release();
    if (m_worker.joinable()) {
        m_worker.join();
    }
}

void CW38UpdaterDlg::Initialize() {
    skin::AddPrivateFont(m_env.fontFile, skin::kNeoSansLightFace);
    // The log's folders are made, private, at its first entry.
    if (m_env.logRoot.empty()) {
        m_log.SetFilePath(m_env.logFile);
    } else {
        m_log.SetFilePath(m_env.logRoot, m_env.logFile.lexically_relative(m_env.logRoot));
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    if (m_env.configProgramRunning && m_env.configProgramRunning()) {
        m_flow.Start(true, m_env.packageFolder);
        return;
    }
    // The check runs beside the window, which can be shown and closed meanwhile.
    m_checking = true;
    m_worker = std::thread([this, folder = m_env.packageFolder] {
        const UpdaterFlow::StartResult result = m_flow.Start(false, folder);
        QMetaObject::invokeMethod(
            this, [this, result] { checkEnded(result); }, Qt::QueuedConnection);
    });
}

void CW38UpdaterDlg::checkEnded(UpdaterFlow::StartResult result) {
    if (m_worker.joinable()) {
        m_worker.join();
    }
    m_checking = false;
    if (m_closeRequested) {
        m_flow.Close();
        finish(QDialog::Rejected);
        return;
    }
    if (result == UpdaterFlow::StartResult::RunTransfer) {
        startWorker();
    }
}

void CW38UpdaterDlg::closeDuringCheck() {
    m_closeRequested = true;
    m_flow.Cancel();
    hide();
}

bool CW38UpdaterDlg::onWindowThread() const {
    return QThread::currentThread() == thread();
}

void CW38UpdaterDlg::Report(UpdateEvent event) {
    showScreen(ScreenForEvent(event));
    if (event == UpdateEvent::PackageRefused) {
        tellWhereThePackageWasSought();
    }
}

void CW38UpdaterDlg::tellWhereThePackageWasSought() {
    if (!m_env.showMessageBox) {
        return;
    }
    // Queued behind the screen, so the box comes over it and the check's worker
    // never waits for the user.
    QMetaObject::invokeMethod(
        this,
        [this] { m_env.showMessageBox(kProgramTitle, PackageHelpText(m_env.packageFolder)); },
        Qt::QueuedConnection);
}

void CW38UpdaterDlg::showScreen(int screen) {
    if (onWindowThread()) {
        layoutScreen(screen);
        return;
    }
    QMetaObject::invokeMethod(
        this, [this, screen] { layoutScreen(screen); }, Qt::QueuedConnection);
}

void CW38UpdaterDlg::SetProgress(int value) {
    auto apply = [this, value] {
        m_progress->setValue(std::clamp(value, 0, kProgressMax));
    };
    if (onWindowThread()) {
        apply();
        return;
    }
    QMetaObject::invokeMethod(this, apply, Qt::QueuedConnection);
}

void CW38UpdaterDlg::SetMouseVersionText(const std::string& text) {
    if (onWindowThread()) {
        m_mouseVersionText = text;
        return;
    }
    QMetaObject::invokeMethod(
        this, [this, text] { m_mouseVersionText = text; }, Qt::QueuedConnection);
}

void CW38UpdaterDlg::ShowBootLoaderSearchMessage(const std::string& caption,
                                                 const std::string& text) {
    if (!m_env.showMessageBox) {
        return;
    }
    if (onWindowThread()) {
        m_env.showMessageBox(caption, text);
        return;
    }
    // The caller goes on once the user has closed the box, or at once when the
    // window is being destroyed (its search then ends as cancelled).
    m_searchMessage.Run(this, [this, caption, text] { m_env.showMessageBox(caption, text); });
}

QImage CW38UpdaterDlg::cut(int screen, ScreenPicture which, const ControlRect& r) {
    return CropSkin(m_pictures.Picture(screen, which), r.x, r.y, r.right(), r.bottom(),
                    m_skinFailure);
}

void CW38UpdaterDlg::placeButton(CVixButton& button, const LayoutControl* control, int screen) {
    if (control == nullptr) {
        button.hide();
        return;
    }
    const ControlRect& r = control->rect;
    button.setGeometry(r.x, r.y, r.width, r.height);
    button.setAccessibleName(SpokenName(*control));
    QImage normal = cut(screen, ScreenPicture::Normal, r);
    QImage over = cut(screen, ScreenPicture::Hover, r);
    QImage down = normal;
    button.SetImages(std::move(normal), std::move(over), std::move(down), QImage());
    button.show();
}

void CW38UpdaterDlg::placeLabel(CVixStatic& label, const LayoutControl* control, int screen,
                                const std::string& text) {
    if (control == nullptr) {
        label.hide();
        return;
    }
    const ControlRect& r = control->rect;
    label.setGeometry(r.x, r.y, r.width, r.height);
    label.setAccessibleName(SpokenName(*control));
    label.SetBackgroundImage(cut(screen, ScreenPicture::Normal, r));
    label.SetLightFont();
    label.SetText(QString::fromStdString(text));
    label.show();
}

void CW38UpdaterDlg::placeProgress(const LayoutControl* control, int screen) {
    if (control == nullptr) {
        m_progress->hide();
        return;
    }
    const ControlRect& r = control->rect;
    m_progress->setGeometry(r.x, r.y, r.width, r.height);
    m_progress->setAccessibleName(SpokenName(*control));
    m_progress->setBackground(cut(screen, ScreenPicture::Normal, r));
    m_progress->setFill(cut(screen, ScreenPicture::Hover, r));
    m_progress->setMinValue(0);
    m_progress->setMaxValue(kProgressMax);
    m_progress->setValue(0);
    m_progress->setVertical(0);
    m_progress->show();
}

void CW38UpdaterDlg::layoutScreen(int number) {
    const layout::UpdaterScreen* screen = UpdaterScreenPictures::Screen(number);
    if (screen == nullptr) {
        return;
    }
    m_pictures.Load();
    m_screen = number;
    SetBackgroundImage(m_pictures.Picture(number, ScreenPicture::Normal));
    auto find = [screen](int id) { return layout::FindControl(screen->controls, id); };
    placeButton(*m_ok, find(layout::kUpdaterOkId), number);
    placeButton(*m_cancel, find(layout::kUpdaterCancelId), number);
    placeButton(*m_close, find(layout::kUpdaterCloseId), number);
    placeLabel(*m_version, find(layout::kUpdaterVersionId), number,
               std::string(layout::kUpdaterVersionText));
    placeLabel(*m_mouseVersion, find(layout::kUpdaterMouseVersionId), number, m_mouseVersionText);
    placeLabel(*m_fileVersion, find(layout::kUpdaterFileVersionId), number,
               m_flow.Package().FileVersionText());
    placeProgress(find(layout::kUpdaterProgressId), number);
    placeMessage(*screen);
}

void CW38UpdaterDlg::placeMessage(const layout::UpdaterScreen& screen) {
    for (const layout::StaticText& text : screen.texts) {
        if (text.role == layout::TextRole::Message) {
            const ControlRect& r = text.rect;
            m_message->setGeometry(r.x, r.y, r.width, r.height);
            m_message->setText(QString::fromUtf8(text.text.data(),
                                                 static_cast<qsizetype>(text.text.size())));
            m_message->show();
            return;
        }
    }
    m_message->hide();
}

QString CW38UpdaterDlg::SpokenName(const LayoutControl& control) {
    const std::string_view name = layout::SpokenName(control);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

void CW38UpdaterDlg::controlClicked(int id) {
    if (m_updating) {
        return;
    }
    if (m_checking) {
        if (id == layout::kUpdaterCancelId || id == layout::kUpdaterCloseId) {
            closeDuringCheck();
        }
        return;
    }
    switch (id) {
        case layout::kUpdaterOkId:
            if (m_flow.Ok() == UpdaterFlow::OkResult::StartUpdate) {
                startWorker();
            } else {
                finish(QDialog::Accepted);
            }
            return;
        case layout::kUpdaterCancelId:
        case layout::kUpdaterCloseId:
            m_flow.Close();
            finish(QDialog::Rejected);
            return;
        default:
            return;
    }
}

void CW38UpdaterDlg::startWorker() {
    if (m_worker.joinable()) {
        m_worker.join();
    }
    m_updating = true;
    m_worker = std::thread([this] {
        m_flow.RunUpdate();
        QMetaObject::invokeMethod(
            this, [this] { workerEnded(); }, Qt::QueuedConnection);
    });
}

void CW38UpdaterDlg::workerEnded() {
    if (m_worker.joinable()) {
        m_worker.join();
    }
    m_updating = false;
}

void CW38UpdaterDlg::finish(int result) {
    m_dragger.Cancel();
    QDialog::done(result);
}

void CW38UpdaterDlg::reject() {
    // Escape and the window system's close request: refused while the worker
    // talks to the boot loader, as the update cannot be cancelled.
    if (m_updating) {
        return;
    }
    if (m_checking) {
        closeDuringCheck();
        return;
    }
    m_flow.Close();
    QDialog::reject();
}

void CW38UpdaterDlg::closeEvent(QCloseEvent* event) {
    if (m_updating) {
        event->ignore();
        return;
    }
    if (m_checking) {
        event->ignore();
        closeDuringCheck();
        return;
    }
    CVixImageDialog::closeEvent(event);
}

void CW38UpdaterDlg::mousePressEvent(QMouseEvent* event) {
    if (!m_dragger.Press(*this, *event)) {
        CVixImageDialog::mousePressEvent(event);
    }
}

void CW38UpdaterDlg::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragger.Move(*this, *event)) {
        CVixImageDialog::mouseMoveEvent(event);
    }
}

void CW38UpdaterDlg::mouseReleaseEvent(QMouseEvent* event) {
    m_dragger.Release(*event);
    CVixImageDialog::mouseReleaseEvent(event);
}

}  // namespace solune
