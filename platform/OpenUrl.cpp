#include "platform/OpenUrl.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <system_error>
#include <thread>

extern char** environ;

namespace solune {

namespace {

void RunUrlHandler(const std::string& url) {
    std::string program = "xdg-open";
    std::string address = url;
    char* argv[] = {program.data(), address.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv, environ) != 0) {
        return;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace

void OpenUrlInBackground(const std::string& url) {
    try {
        std::thread(RunUrlHandler, url).detach();
    } catch (const std::system_error&) {
        // No thread could be started: the address stays unopened, silently.
    }
}

}  // namespace solune
