#include "shared/skin/SpokenText.h"

#include "shared/skin/AnnounceChange.h"

namespace solune {

SpokenText::SpokenText(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void SpokenText::setText(const QString& text) {
    // Nothing is drawn, so there is nothing to repaint: only the name changes.
    if (m_text == text) {
        return;
    }
    m_text = text;
    AnnounceChange(*this, Spoken::Name);
}

}  // namespace solune
