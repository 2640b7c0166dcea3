#include "config/pages/CRenameDlg.h"

#include <QKeyEvent>

#include "config/pages/BuildFromLayout.h"
#include "config/pages/ProfileNamer.h"
#include "shared/layout/RenameDlgLayout.h"
#include "shared/skin/CVixEdit.h"

namespace solune {

namespace {

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
    const SkinPictures pictures(skin, "ReName_Normal.bmp");
    SetBackgroundImage(pictures.Whole("ReName_Normal.bmp"));
    const LayoutControls controls = BuildFromLayout(layout::kRenameDlgControls, pictures, *this);
    m_name = controls.get<CVixEdit>(layout::kRenameEditId);
    m_name->setObjectName(QStringLiteral("Name"));
}

void CRenameDlg::showEvent(QShowEvent* event) {
    CVixImageDialog::showEvent(event);
    m_name->setFocus();
}

void CRenameDlg::controlClicked(int id) {
    if (id == layout::kRenameOkId) {
        accept();
    } else if (id == layout::kRenameCancelId || id == layout::kRenameCloseId) {
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
