#include "config/pages/WindowPictures.h"

#include <string>

#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixEdit.h"
#include "shared/skin/CVixStatic.h"
#include "shared/layout/SkinElementTable.h"
#include "shared/skin/SkinLibrary.h"

namespace solune {

namespace {

void Place(QWidget& widget, const layout::LayoutControl& control) {
    const layout::ControlRect& r = control.rect;
    widget.setGeometry(r.x, r.y, r.width, r.height);
    widget.show();
}

}  // namespace

WindowPictures WindowPictures::Load(SkinLibrary* skin, std::string_view prefix, bool withDown) {
    WindowPictures pictures;
    pictures.skin = skin;
    if (skin == nullptr) {
        return pictures;
    }
    const std::string name(prefix);
    pictures.normal = skin->Picture(skin::SlotOf(name + "_Normal.bmp"));
    pictures.over = skin->Picture(skin::SlotOf(name + "_Over.bmp"));
    if (withDown) {
        pictures.down = skin->Picture(skin::SlotOf(name + "_Down.bmp"));
    }
    return pictures;
}

QImage WindowPictures::Cut(const QImage& picture, const layout::LayoutControl& control) const {
    if (skin == nullptr) {
        return {};
    }
    const layout::ControlRect r = control.artRect();
    return skin->CropSkin(picture, r.x, r.y, r.right(), r.bottom());
}

void WindowPictures::DressButton(CVixButton& button, const layout::LayoutControl& control) const {
    QImage normalPart = Cut(normal, control);
    QImage downPart = down.isNull() ? normalPart : Cut(down, control);
    button.SetImages(std::move(normalPart), Cut(over, control), std::move(downPart), QImage());
    Place(button, control);
}

void WindowPictures::DressLabel(CVixStatic& label, const layout::LayoutControl& control) const {
    label.SetBackgroundImage(Cut(normal, control));
    Place(label, control);
}

void WindowPictures::DressEdit(CVixEdit& edit, const layout::LayoutControl& control) const {
    edit.setBackground(Cut(normal, control));
    Place(edit, control);
}

}  // namespace solune
