#include "shared/skin/TabChain.h"

namespace solune {

void ChainTabOrder(const std::vector<QWidget*>& controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (control == nullptr) {
            continue;
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }
}

void AppendTabStops(const QWidget& container, std::vector<QWidget*>& controls) {
    const QList<QWidget*> children =
        container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->isWindow()) {
            continue;
        }
        if ((child->focusPolicy() & Qt::TabFocus) != 0) {
            controls.push_back(child);
        }
        AppendTabStops(*child, controls);
    }
}

}  // namespace solune
