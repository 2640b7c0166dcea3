#pragma once
// Runs a task on a window's thread for a worker thread and makes the worker
// wait for it, as a blocking queued call does, except that the window's owner
// can release a waiting worker. A blocking queued call waits for ever once the
// window's event loop has stopped, so a window that joins its worker in its
// destructor would deadlock with it.

#include <QObject>
#include <condition_variable>
#include <functional>
#include <mutex>

namespace solune {

class WindowThreadCall {
  public:
    // From a worker thread: queues `task` to `context`'s thread and returns once
    // it has run (true) or once Release() was called (false; the task then never
    // runs, as it is dropped with `context`).
    bool Run(QObject* context, std::function<void()> task);

    // From the window's thread, before `context` is destroyed: every waiting
    // Run returns at once, and every later one without queuing its task.
    void Release();

  private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_released = false;
    unsigned long m_queued = 0;    // tasks queued so far
    unsigned long m_finished = 0;  // tasks run so far
};

}  // namespace solune
