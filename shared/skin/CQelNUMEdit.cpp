#include "shared/skin/CQelNUMEdit.h"

#include <QKeyEvent>

#include "shared/skin/SkinFonts.h"

namespace solune {

CQelNUMEdit::CQelNUMEdit(int controlId, QWidget* parent)
    : CVixEdit(controlId, parent, skin::MakeFont(skin::kNeoSansFace, 14)) {}

void CQelNUMEdit::SetNumberFont() {
    ApplyFont(skin::MakeFont(skin::kNeoSansFace, 13));
}

void CQelNUMEdit::keyPressEvent(QKeyEvent* event) {
    const bool backspace = event->key() == Qt::Key_Backspace;
    const QString typed = event->text();
    const bool shortcut =
        (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    // Keys that type nothing (arrows, Delete, Tab, Return, shortcuts) keep
    // their usual meaning.
    if (shortcut || (!backspace && (typed.isEmpty() || typed.at(0) < QChar(0x20)))) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (!backspace) {
        const QChar c = typed.at(0);
        const bool allowed = typed.size() == 1 && ((c >= u'0' && c <= u'9') || c == u'-');
        if (!allowed) {
            event->accept();
            return;
        }
        // The check applies to the result: the selection is replaced.
        const qsizetype resultLength = text().size() - selectedText().size() + 1;
        if (resultLength > kMaxCharacters) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace solune
