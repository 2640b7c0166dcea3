#include "shared/skin/SkinAccessibility.h"

#include <QVariant>
#include <QWidget>

#include "shared/skin/AccessibleSkinButton.h"
#include "shared/skin/AccessibleSkinList.h"
#include "shared/skin/AccessibleSkinMenu.h"
#include "shared/skin/AccessibleSkinProgress.h"
#include "shared/skin/AccessibleSkinSlider.h"
#include "shared/skin/AccessibleSkinSlider3D.h"
#include "shared/skin/AccessibleSkinStatic.h"
#include "shared/skin/AccessibleSpokenWidget.h"
#include "shared/skin/CVixMouseStatic.h"
#include "shared/skin/CVixProgressCtrl.h"
#include "shared/skin/CVixSliderCtrl.h"
#include "shared/skin/CVixSliderCtrl3D.h"
#include "shared/skin/CVixStatic.h"
#include "shared/skin/SkinButtonBase.h"
#include "shared/skin/SkinMenu.h"
#include "shared/skin/SpokenRows.h"
#include "shared/skin/SpokenText.h"

namespace solune {
namespace {

constexpr const char* kRoleProperty = "solune.spokenRole";

}  // namespace

void InstallSkinAccessibility() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(SkinAccessibleFactory);
        installed = true;
    }
}

QAccessibleInterface* SkinAccessibleFactory(const QString& key, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    QWidget* widget = static_cast<QWidget*>(object);
    if (auto* button = dynamic_cast<SkinButtonBase*>(widget)) {
        return new AccessibleSkinButton(button);
    }
    if (auto* slider = dynamic_cast<CVixSliderCtrl*>(widget)) {
        return new AccessibleSkinSlider(slider);
    }
    if (auto* slider3D = dynamic_cast<CVixSliderCtrl3D*>(widget)) {
        return new AccessibleSkinSlider3D(slider3D);
    }
    if (auto* menu = dynamic_cast<SkinMenu*>(widget)) {
        return new AccessibleSkinMenu(menu);
    }
    if (auto* progress = dynamic_cast<CVixProgressCtrl*>(widget)) {
        return new AccessibleSkinProgress(progress);
    }
    if (dynamic_cast<CVixStatic*>(widget) || dynamic_cast<CVixMouseStatic*>(widget) ||
        dynamic_cast<SpokenText*>(widget)) {
        return new AccessibleSkinStatic(widget);
    }
    if (auto* rows = dynamic_cast<SpokenRows*>(widget)) {
        return new AccessibleSkinList(widget, rows);
    }
    // Widgets of classes without a meta-object of their own (the pages, the
    // lists) are asked for as "QWidget": they may get a role later
    // (SetSpokenRole), so their role is read when asked.
    if (key == QLatin1String("QWidget") && !widget->isWindow()) {
        return new AccessibleSpokenWidget(widget);
    }
    return nullptr;
}

void SetSpokenRole(QWidget& widget, QAccessible::Role role) {
    widget.setProperty(kRoleProperty, static_cast<int>(role));
}

QAccessible::Role SpokenRole(const QWidget& widget, QAccessible::Role classRole) {
    const QVariant role = widget.property(kRoleProperty);
    return role.isValid() ? static_cast<QAccessible::Role>(role.toInt()) : classRole;
}

}  // namespace solune
