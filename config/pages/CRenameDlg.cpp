#include "config/pages/CRenameDlg.h"

#include <QKeyEvent>

#include "config/pages/ProfileNamer.h"
#include "shared/layout/RenameDlgLayout.h"
#include "config/pages/WindowPictures.h"
#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixEdit.h"

namespace solune {

namespace {

constexpr int kOkId = 1072;
constexpr int kCancelId = 1073;
constexpr int kCloseId = 1074;
constexpr int kFirstProfile = 1;
constexpr int kLastProfile = 5;

}  // namespace

CRenameDlg::CRenameDlg(int profileNumber, ProfileNamer* namer, QWidget* parent, SkinLibrary* skin)
    : CVixImageDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_profileNumber(profileNumber),
      m_namer(namer) {
    setWindowTitle(QStringLiteral("Rename"));
    BuildControls(skin);
}

void CRenameDlg::BuildControls(SkinLibrary* skin) {
    const WindowPictures pictures = WindowPictures::Load(skin, "ReName", true);
    if (skin != nullptr) {
        SetBackgroundImage(pictures.normal);
    }
    for (const layout::LayoutControl& control : layout::kRenameDlgControls) {
        if (control.kind == layout::ControlKind::Edit) {
            m_name = new CVixEdit(control.id, this);
            m_name->setObjectName(QStringLiteral("Name"));
            pictures.DressEdit(*m_name, control);
            continue;
        }
        auto* button = new CVixButton(control.id, this);
        button->setObjectName(
            QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size())));
        pictures.DressButton(*button, control);
    }
}

void CRenameDlg::showEvent(QShowEvent* event) {
    CVixImageDialog::showEvent(event);
    m_name->setFocus();
}

void CRenameDlg::controlClicked(int id) {
    if (id == kOkId) {
        accept();
    } else if (id == kCancelId || id == kCloseId) {
        reject();
    }
}

void CRenameDlg::accept() {
    if (m_namer != nullptr && m_profileNumber >= kFirstProfile && m_profileNumber <= kLastProfile) {
        m_namer->SetProfileName(m_profileNumber, m_name->text().toStdU16String());
    }
    CVixImageDialog::accept();
}

void CRenameDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    CVixImageDialog::keyPressEvent(event);
}

}  // namespace solune
