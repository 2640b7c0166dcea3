#include "config/keycapture/InAppKeySource.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

#include "config/keycapture/QtKeyToKeysym.h"
#include "platform/keys/KeysymToVirtualKey.h"

namespace solune {

class InAppKeySource::Filter final : public QObject {
  public:
    // On X11 and Wayland a key event carries its keysym; elsewhere the Qt key
    // stands in for it.
    Filter()
        : m_nativeKeysyms(QGuiApplication::platformName() == QLatin1String("xcb") ||
                          QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {}

    Listener listener;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && listener &&
            watched->isWindowType()) {
            Deliver(*static_cast<QKeyEvent*>(event));
        }
        return false;  // the key goes on to where it was sent
    }

  private:
    void Deliver(const QKeyEvent& event) {
        const bool released = event.type() == QEvent::KeyRelease;
        if (released && event.isAutoRepeat()) {
            return;
        }
        const std::uint32_t key = KeysymToVirtualKey(KeysymOfKeyEvent(event, m_nativeKeysyms));
        if (key != 0) {
            // A copy: the listener may stop or replace the source.
            Listener deliver = listener;
            deliver(key, released);
        }
    }

    bool m_nativeKeysyms;
};

InAppKeySource::InAppKeySource() : m_filter(std::make_unique<Filter>()) {}

InAppKeySource::~InAppKeySource() {
    Stop();
}

bool InAppKeySource::Start(Listener listener) {
    if (QCoreApplication::instance() == nullptr) {
        return false;
    }
    if (!m_filter->listener) {
        QCoreApplication::instance()->installEventFilter(m_filter.get());
    }
    m_filter->listener = std::move(listener);
    return true;
}

void InAppKeySource::Stop() {
    if (m_filter->listener && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeEventFilter(m_filter.get());
    }
    m_filter->listener = nullptr;
}

}  // namespace solune
