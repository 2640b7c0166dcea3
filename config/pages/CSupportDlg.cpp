#include "config/pages/CSupportDlg.h"

#include <QMetaObject>
#include <iostream>

#include "config/device/DeviceCommands.h"
#include "config/device/HidLink.h"
#include "config/pages/BuildFromLayout.h"
#include "config/pages/SupportLinks.h"
#include "platform/MessageSink.h"
#include "platform/VersionText.h"
#include "shared/layout/SupportPageLayout.h"
#include "shared/skin/CVixStatic.h"

namespace solune {

namespace {

constexpr int kVersionFontHeight = 13;

}  // namespace

CSupportDlg::CSupportDlg(const PageContext& context, QWidget* parent)
    : SkinPage(parent), m_presence(std::make_shared<Presence>()), m_context(context) {
    m_presence->page = this;
    m_openUrl = ReportingOpener();
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
    // The controls now, their pictures when the page is first shown.
    const LayoutControls controls = BuildFromLayout(
        layout::kSupportPageControls, SkinPictures(nullptr, "Support_Normal.bmp"), *this);
    const QSize size =
        SkinPictures(m_context.skin, "Support_Normal.bmp").WholeSize("Support_Normal.bmp");
    DressWhenFirstShown(size, [this, controls, skin = m_context.skin] {
        const SkinPictures pictures(skin, "Support_Normal.bmp");
        SetBackgroundImage(pictures.Whole("Support_Normal.bmp"));
        DressFromLayout(layout::kSupportPageControls, controls, pictures);
    });
    m_firmVersion = controls.get<CVixStatic>(layout::kSupportFirmVersionId);
    m_softVersion = controls.get<CVixStatic>(layout::kSupportSoftVersionId);
    for (CVixStatic* label : {m_firmVersion, m_softVersion}) {
        label->SetFontHeight(kVersionFontHeight);
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

}  // namespace solune
