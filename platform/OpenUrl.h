#pragma once
// Opening a web address in the user's browser without making the caller wait.

#include <functional>
#include <string>

namespace solune {

// Hands `url` to the desktop's URL handler ("xdg-open") from a new, detached
// thread and returns at once; the thread waits for the handler to end so that
// no finished process is left behind. The address is passed as one argument,
// never through a shell. Failures (no handler, a handler that fails) are not
// reported.
void OpenUrlInBackground(const std::string& url);

// Something that opens web addresses: OpenUrlInBackground in the programs, a
// recorder in tests.
using UrlOpener = std::function<void(const std::string& url)>;

}  // namespace solune
