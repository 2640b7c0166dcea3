#include "shared/skin/SkinFailure.h"

#include <QCoreApplication>
#include <QTimer>

namespace solune {

SkinFailure::SkinFailure(MessageSink& sink, std::string_view text, EndProgram endProgram)
    : m_sink(sink), m_text(text), m_endProgram(std::move(endProgram)) {}

void SkinFailure::report() {
    if (m_failed) {
        return;
    }
    m_failed = true;
    m_sink.showMessage(m_text);
    if (m_endProgram) {
        m_endProgram();
    } else {
        PostQuit();
    }
}

void SkinFailure::PostQuit() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        return;
    }
    // Queued, like a posted quit message: it takes effect when an event loop
    // runs, which lets the window under construction finish first.
    QTimer::singleShot(0, app, [] { QCoreApplication::exit(0); });
}

}  // namespace solune
