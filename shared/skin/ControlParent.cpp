#include "shared/skin/ControlParent.h"

#include <QWidget>

#include "shared/skin/ControlNotify.h"

namespace solune {

ControlParent* FindControlParent(const QWidget* widget) {
    for (QWidget* w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget()) {
        if (auto* parent = dynamic_cast<ControlParent*>(w)) {
            return parent;
        }
    }
    return nullptr;
}

void PassMenuClosing(const QWidget& widget, int id, int value) {
    if (id != notify::kMenuClosing) {
        return;
    }
    if (ControlParent* parent = FindControlParent(&widget)) {
        parent->controlNotify(id, value);
    }
}

}  // namespace solune
