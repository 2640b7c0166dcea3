#include "config/app/TerminationSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>

namespace solune {

namespace {

int g_pipe[2] = {-1, -1};

extern "C" void OnTerminationSignal(int) {
    const char byte = 'T';
    // Only async-signal-safe calls here; a full pipe already holds a request.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
}

}  // namespace

int TerminationSignals::Install() {
    if (g_pipe[0] >= 0) {
        return g_pipe[0];
    }
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        return -1;
    }
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
    return g_pipe[0];
}

}  // namespace solune
