#include "updater/app/WindowThreadCall.h"

#include <QMetaObject>

namespace solune {

bool WindowThreadCall::Run(QObject* context, std::function<void()> task) {
    std::unique_lock lock(m_mutex);
    if (m_released) {
        return false;
    }
    // Tasks run on the window's thread one at a time, in the order queued (the
    // lock is held while queuing), so this one has run once the count of tasks
    // run reaches its number.
    const unsigned long mine = ++m_queued;
    QMetaObject::invokeMethod(
        context,
        [this, task = std::move(task)] {
            task();
            const std::lock_guard done(m_mutex);
            ++m_finished;
            m_changed.notify_all();
        },
        Qt::QueuedConnection);
    m_changed.wait(lock, [&] { return m_released || m_finished >= mine; });
    return m_finished >= mine;
}

void WindowThreadCall::Release() {
    const std::lock_guard lock(m_mutex);
    m_released = true;
    m_changed.notify_all();
}

}  // namespace solune
