#pragma once
// A private virtual X server (Xvfb) for one test program, without Qt. Xvfb picks
// a free display number itself and writes it to a pipe once it accepts
// connections (-displayfd), so there is neither a guessed number nor a wait.
// The server keeps its settings when its last client leaves (-noreset), so a
// value set through one connection can be read through the next.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace solune::test {

// True when a program of that name is on PATH.
inline bool OnPath(const char* program) {
    const std::string command = std::string("command -v ") + program + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

class XvfbServer {
  public:
    // `screen` is Xvfb's size and depth of screen 0.
    explicit XvfbServer(const char* screen = "640x480x24") {
        int fds[2];
        if (::pipe(fds) != 0) {
            return;
        }
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen, "-nolisten",
                     "tcp", "-noreset", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        std::string number;
        char c = 0;
        while (m_pid > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n') {
            number += c;
        }
        ::close(fds[0]);
        if (!number.empty()) {
            m_display = ":" + number;
        }
    }
    ~XvfbServer() { Stop(); }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // ":N" once the server runs; empty when it could not be started.
    const std::string& display() const { return m_display; }

    // Ends the server now, as a display that goes away under its clients.
    void Stop() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }

  private:
    pid_t m_pid = -1;
    std::string m_display;
};

}  // namespace solune::test
