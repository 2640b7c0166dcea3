#include "config/pages/CSupportDlg.h"

#include <QKeyEvent>
#include <QMetaObject>
#include <iostream>

#include "config/device/DeviceCommands.h"
#include "config/device/HidLink.h"
#include "config/pages/SupportLinks.h"
#include "config/pages/WindowPictures.h"
#include "platform/MessageSink.h"
#include "platform/VersionText.h"
#include "shared/layout/SupportPageLayout.h"
#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixStatic.h"

namespace solune {

namespace {

constexpr int kFirmVersionId = 1082;
constexpr int kSoftVersionId = 1081;
constexpr int kVersionFontHeight = 13;

}  // namespace

CSupportDlg::CSupportDlg(const PageContext& context, QWidget* parent)
    : CVixImageDialog(parent), m_presence(std::make_shared<Presence>()), m_context(context) {
    m_presence->page = this;
    m_openUrl = ReportingOpener();
    if (parent != nullptr) {
        setWindowFlags(Qt::Widget);
    }
    setWindowTitle(QStringLiteral("Support"));
    BuildControls();
    m_softVersion->SetText(QString::fromLatin1(kSoftVersionText));
    SetFirmwareText(ReadFirmwareText());
}

CSupportDlg::~CSupportDlg() {
    // An opener's thread that fails from now on finds no page to tell.
    const std::lock_guard<std::mutex> lock(m_presence->mutex);
    m_presence->page = nullptr;
}

void CSupportDlg::BuildControls() {
    const WindowPictures pictures = WindowPictures::Load(m_context.skin, "Support", true);
    if (m_context.skin != nullptr) {
        SetBackgroundImage(pictures.normal);
    }
    for (const layout::LayoutControl& control : layout::kSupportPageControls) {
        const QString name =
            QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size()));
        if (control.kind == layout::ControlKind::Label) {
            auto* label = new CVixStatic(control.id, this);
            label->setObjectName(name);
            label->SetFontHeight(kVersionFontHeight);
            pictures.DressLabel(*label, control);
            (control.id == kFirmVersionId ? m_firmVersion : m_softVersion) = label;
        } else {
            auto* button = new CVixButton(control.id, this);
            button->setObjectName(name);
            pictures.DressButton(*button, control);
        }
    }
}

QString CSupportDlg::ReadFirmwareText() {
    HidLink* link = m_context.link;
    if (link == nullptr || (link->deviceConnected() == 0 && !link->FindDevice())) {
        return QString::fromLatin1(kNoFirmwareText);
    }
    DeviceInfo info;
    if (GetDeviceInfo(*link, info) != CommandResult::Done) {
        info.firmwareVersion = 0;
    }
    return QString::fromStdString(VersionText(info.firmwareVersion));
}

void CSupportDlg::SetFirmwareText(const QString& text) {
    m_firmVersion->SetText(text);
}

QString CSupportDlg::firmwareText() const {
    return m_firmVersion->GetText();
}

void CSupportDlg::SetUrlOpener(UrlOpener opener) {
    m_openUrl = std::move(opener);
}

UrlOpener CSupportDlg::ReportingOpener() const {
    return [presence = m_presence](const std::string& url) {
        OpenUrlInBackground(
            url, [presence](const std::string& failedUrl, const std::string& reason) {
                // On the opener's thread: the page stays alive while the lock is
                // held, and Qt drops the queued call if the page is destroyed
                // before the call runs.
                const std::lock_guard<std::mutex> lock(presence->mutex);
                if (CSupportDlg* page = presence->page) {
                    QMetaObject::invokeMethod(
                        page,
                        [page, failedUrl, reason] { page->ReportUnopenedLink(failedUrl, reason); },
                        Qt::QueuedConnection);
                }
            });
    };
}

void CSupportDlg::ReportUnopenedLink(const std::string& url, const std::string& reason) {
    std::cerr << "VESK: could not open " << url << " (" << reason << ")" << std::endl;
    if (m_context.messages != nullptr) {
        m_context.messages->showMessage("The web page could not be opened (" + reason +
                                        "). Its address:\n\n" + url +
                                        "\n\nCtrl+C copies this message.");
    }
}

void CSupportDlg::controlClicked(int id) {
    const std::string url = SupportLinkUrl(id);
    if (!url.empty() && m_openUrl) {
        m_openUrl(url);
    }
}

void CSupportDlg::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape do nothing here; other keys go on to the parent.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace solune
