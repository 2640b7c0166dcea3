#include "config/pages/CSupportDlg.h"

#include "config/device/DeviceCommands.h"
#include "config/device/HidLink.h"
#include "config/pages/BuildFromLayout.h"
#include "config/pages/SupportLinks.h"
#include "shared/layout/SupportPageLayout.h"
#include "platform/VersionText.h"
#include "shared/skin/CVixStatic.h"

namespace solune {

namespace {

constexpr int kVersionFontHeight = 13;

}  // namespace

CSupportDlg::CSupportDlg(const PageContext& context, QWidget* parent)
    : SkinPage(parent), m_context(context), m_openUrl(OpenUrlInBackground) {
    setWindowTitle(QStringLiteral("Support"));
    BuildControls();
    m_softVersion->SetText(QString::fromLatin1(kSoftVersionText));
    SetFirmwareText(ReadFirmwareText());
}

void CSupportDlg::BuildControls() {
    const SkinPictures pictures(m_context.skin, "Support_Normal.bmp");
    SetBackgroundImage(pictures.Whole("Support_Normal.bmp"));
    const LayoutControls controls =
        BuildFromLayout(layout::kSupportPageControls, pictures, *this);
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

void CSupportDlg::controlClicked(int id) {
    const std::string url = SupportLinkUrl(id);
    if (!url.empty() && m_openUrl) {
        m_openUrl(url);
    }
}

}  // namespace solune
