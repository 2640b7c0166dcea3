#include "shared/skin/CVixComboButton.h"

namespace solune {

CVixComboButton::CVixComboButton(int controlId, QWidget* parent)
    : SkinComboButton(controlId, parent, 158, 14) {}

void CVixComboButton::AddSubItem(int parentId, int id, const QString& text) {
    if (m_menu) {
        m_menu->AddSubItem(parentId, id, text);
    }
}

}  // namespace solune
