#include "shared/skin/ControlParent.h"

#include <QWidget>

namespace solune {

ControlParent* FindControlParent(const QWidget* widget) {
    for (QWidget* w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget()) {
        if (auto* parent = dynamic_cast<ControlParent*>(w)) {
            return parent;
        }
    }
    return nullptr;
}

}  // namespace solune
