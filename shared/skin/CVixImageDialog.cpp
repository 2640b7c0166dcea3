#include "shared/skin/CVixImageDialog.h"

#include "shared/skin/CQelMenu.h"
#include "shared/skin/CVixMenu.h"
#include "shared/skin/MenuHook.h"

namespace solune {

CVixImageDialog::CVixImageDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

void CVixImageDialog::SetBackgroundImage(const QImage& image) {
    m_background.Set(*this, image);
}

int CVixImageDialog::DoModal() {
    CloseOpenMenus();
    CentreOnOwnerWindow();
    return exec() == QDialog::Accepted ? 1 : 2;
}

void CVixImageDialog::CloseOpenMenus() {
    // A menu whose row opened this window would otherwise stay drawn over the
    // program until the window ends.
    for (MenuHook* hook : {&CVixMenu::Hook(), &CQelMenu::Hook()}) {
        if (SkinMenu* menu = hook->target()) {
            menu->Close();
        }
    }
}

void CVixImageDialog::CentreOnOwnerWindow() {
    const QWidget* owner = parentWidget();
    if (owner == nullptr) {
        return;
    }
    const QWidget* window = owner->window();
    const QPoint topLeft = window->mapToGlobal(QPoint(0, 0));
    move(topLeft.x() + (window->width() - width()) / 2,
         topLeft.y() + (window->height() - height()) / 2);
}

void CVixImageDialog::controlNotify(int id, int value) {
    PassMenuClosing(*this, id, value);
}

void CVixImageDialog::paintEvent(QPaintEvent* event) {
    if (!m_background.Paint(*this)) {
        QDialog::paintEvent(event);
    }
}

}  // namespace solune
