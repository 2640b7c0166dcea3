#include "config/keycapture/X11KeySource.h"

namespace solune {

X11KeySource::~X11KeySource() {
    Stop();
}

bool X11KeySource::Open(const std::string& displayName, std::string* why) {
    Stop();
    m_notifier.reset();
    if (!m_reader.Open(displayName, why)) {
        return false;
    }
    m_notifier = std::make_unique<QSocketNotifier>(m_reader.Descriptor(), QSocketNotifier::Read);
    m_notifier->setEnabled(false);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated,
                     [this](QSocketDescriptor, QSocketNotifier::Type) { ReadKeys(); });
    return true;
}

bool X11KeySource::Start(Listener listener) {
    if (!m_reader.IsOpen()) {
        return false;
    }
    if (!m_listener && !m_reader.Select(true)) {
        return false;
    }
    m_listener = std::move(listener);
    m_notifier->setEnabled(true);
    // Events the round trip of Select() already read lie in the connection's
    // queue, where the notifier does not see them.
    ReadKeys();
    return true;
}

void X11KeySource::Stop() {
    if (!m_listener) {
        return;
    }
    m_listener = nullptr;
    m_reader.Select(false);
    m_reader.ReadPending({});  // drop what arrived before the deselection
    if (m_notifier) {
        m_notifier->setEnabled(false);
    }
}

void X11KeySource::ReadKeys() {
    m_reader.ReadPending([this](std::uint32_t key, bool released) {
        if (m_listener) {
            // A copy: the listener may stop or replace the source.
            Listener deliver = m_listener;
            deliver(key, released);
        }
    });
}

}  // namespace solune
