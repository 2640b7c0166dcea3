#include "platform/OpenUrl.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <system_error>
#include <thread>

extern char** environ;

namespace solune {

namespace {

constexpr char kUrlHandler[] = "xdg-open";

// Why the handler's run failed, or empty when it took the address.
std::string HandlerOutcome(int spawnError, int status) {
    const std::string handler = kUrlHandler;
    if (spawnError == ENOENT) {
        return handler + " was not found";
    }
    if (spawnError != 0) {
        return handler + " could not be started: " + std::system_category().message(spawnError);
    }
    if (WIFSIGNALED(status)) {
        return handler + " was ended by signal " + std::to_string(WTERMSIG(status));
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) != 0) {
        return handler + " ended with status " + std::to_string(WEXITSTATUS(status));
    }
    return {};
}

}  // namespace

std::string OpenUrl(const std::string& url) {
    std::string program = kUrlHandler;
    std::string address = url;
    char* argv[] = {program.data(), address.data(), nullptr};
    pid_t pid = 0;
    const int spawnError = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv, environ);
    int status = 0;
    if (spawnError == 0) {
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    return HandlerOutcome(spawnError, status);
}

void OpenUrlInBackground(const std::string& url, UrlFailure failed) {
    try {
        // `failed` is copied, so it is still at hand when no thread starts.
        std::thread([url, failed] {
            const std::string reason = OpenUrl(url);
            if (!reason.empty() && failed) {
                failed(url, reason);
            }
        }).detach();
    } catch (const std::system_error& error) {
        if (failed) {
            failed(url, std::string("no thread could be started: ") + error.what());
        }
    }
}

}  // namespace solune
