#include "config/pages/BuildFromLayout.h"

#include <QString>

#include "config/pages/CVixCbnColorButton.h"
#include "shared/skin/CVixButton.h"
#include "shared/skin/CVixCheckBox.h"
#include "shared/skin/CVixComboButton.h"
#include "shared/skin/CVixEdit.h"
#include "shared/skin/CVixProgressCtrl.h"
#include "shared/skin/CVixSliderCtrl.h"
#include "shared/skin/CVixSliderCtrl3D.h"
#include "shared/skin/CVixStatic.h"
#include "shared/skin/SkinAccessibility.h"

namespace solune {
namespace {

using layout::ControlKind;
using layout::LayoutControl;

constexpr int kPlainStates = 3;

QWidget* MakeOfKind(const LayoutControl& row, QWidget& parent) {
    switch (row.kind) {
        case ControlKind::Button:
        case ControlKind::Marker:
        case ControlKind::CloseButton:
            return new CVixButton(row.id, &parent);
        case ControlKind::CheckBox:
            return new CVixCheckBox(row.id, &parent);
        case ControlKind::ComboButton:
            return new CVixComboButton(row.id, &parent);
        case ControlKind::ColorButton:
            return new CVixCbnColorButton(row.id, &parent);
        case ControlKind::Label:
        case ControlKind::Picture:
            return new CVixStatic(row.id, &parent);
        case ControlKind::Edit:
            return new CVixEdit(row.id, &parent);
        case ControlKind::Slider:
            return new CVixSliderCtrl(row.id, &parent);
        case ControlKind::Slider3D:
            return new CVixSliderCtrl3D(row.id, &parent);
        case ControlKind::Progress:
            return new CVixProgressCtrl(row.id, &parent);
        case ControlKind::List:
            break;
    }
    return nullptr;
}

void DressButtonLike(SkinButtonBase& button, const LayoutControl& row, const SkinPictures& p,
                     const DressRules& rules) {
    const int states = rules.states ? rules.states(row) : kPlainStates;
    if (!rules.normalAsDown) {
        const auto pictures = p.States(row.artRect(), states);
        button.SetImages(pictures[0], pictures[1], pictures[2], pictures[3]);
        return;
    }
    // The down picture is not cut at all: the family may have none.
    auto pictures = p.States(row.artRect(), SkinPictures::kDown);
    pictures[SkinPictures::kDown] = pictures[SkinPictures::kNormal];
    button.SetImages(pictures[0], pictures[1], pictures[2], pictures[3]);
}

void DressSlider(QWidget& widget, const QImage& track, const SkinPictures& p) {
    if (auto* slider = dynamic_cast<CVixSliderCtrl*>(&widget)) {
        const QImage thumb = p.Whole("Slider_Normal.bmp");
        slider->SetImages(track, thumb, thumb, p.Whole("Slider_Disable.bmp"));
    } else if (auto* slider3D = dynamic_cast<CVixSliderCtrl3D*>(&widget)) {
        slider3D->SetImages(track, p.Whole("Slider1.bmp"), p.Whole("Slider2.bmp"),
                            p.Whole("Slider3.bmp"));
    }
}

void DressPlain(QWidget& widget, const LayoutControl& row, const SkinPictures& p) {
    const QImage normal = p.Cut(SkinPictures::kNormal, row.artRect());
    if (auto* label = dynamic_cast<CVixStatic*>(&widget)) {
        label->SetBackgroundImage(normal);
    } else if (auto* edit = dynamic_cast<CVixEdit*>(&widget)) {
        edit->setBackground(normal);
    } else if (auto* progress = dynamic_cast<CVixProgressCtrl*>(&widget)) {
        progress->setBackground(normal);
        progress->setFill(p.Cut(SkinPictures::kDown, row.artRect()));
    } else {
        DressSlider(widget, normal, p);
    }
}

}  // namespace

void PlaceControl(QWidget& widget, const LayoutControl& row) {
    widget.setObjectName(QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size())));
    const std::string_view spoken = layout::SpokenName(row);
    widget.setAccessibleName(
        QString::fromUtf8(spoken.data(), static_cast<qsizetype>(spoken.size())));
    if (row.kind == ControlKind::Picture) {
        SetSpokenRole(widget, QAccessible::Graphic);
    } else if (row.kind == ControlKind::List) {
        SetSpokenRole(widget, QAccessible::List);
    }
    widget.setGeometry(row.rect.x, row.rect.y, row.rect.width, row.rect.height);
}

void DressControl(QWidget& widget, const LayoutControl& row, const SkinPictures& pictures,
                  const DressRules& rules) {
    if (auto* color = dynamic_cast<CVixCbnColorButton*>(&widget)) {
        const auto p = pictures.States(row.artRect(), kPlainStates);
        color->SetImages(p[0], p[1], p[2], pictures.Whole("ColorPanel.bmp"));
    } else if (auto* combo = dynamic_cast<SkinComboButton*>(&widget)) {
        const auto p = pictures.States(row.artRect(), kPlainStates);
        combo->SetImages(p[0], p[1], p[2]);
    } else if (auto* button = dynamic_cast<SkinButtonBase*>(&widget)) {
        DressButtonLike(*button, row, pictures, rules);
    } else if (row.kind != ControlKind::List) {
        DressPlain(widget, row, pictures);
    }
}

void DressFromLayout(std::span<const LayoutControl> table, const LayoutControls& controls,
                     const SkinPictures& pictures, const DressRules& rules) {
    for (const LayoutControl& row : table) {
        if (QWidget* widget = controls.find(row.id)) {
            DressControl(*widget, row, pictures, rules);
        }
    }
}

LayoutControls BuildFromLayout(std::span<const LayoutControl> table, const SkinPictures& pictures,
                               QWidget& parent, const DressRules& rules) {
    LayoutControls controls;
    for (const LayoutControl& row : table) {
        QWidget* widget = rules.make ? rules.make(row, parent) : nullptr;
        if (widget == nullptr) {
            widget = MakeOfKind(row, parent);
        }
        if (widget == nullptr) {
            continue;
        }
        PlaceControl(*widget, row);
        DressControl(*widget, row, pictures, rules);
        controls.Add(row.id, widget);
    }
    return controls;
}

}  // namespace solune
