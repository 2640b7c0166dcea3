#pragma once
// Opening a web address in the user's browser without making the caller wait.

#include <functional>
#include <string>

namespace solune {

// Told when an address could not be opened: the address and why, in words
// for the user ("xdg-open was not found", "xdg-open ended with status 3").
using UrlFailure = std::function<void(const std::string& url, const std::string& reason)>;

// Hands `url` to the desktop's URL handler ("xdg-open", looked up in PATH)
// as one argument, never through a shell, and waits for the handler to end.
// Returns why the address was not opened: the handler could not be started,
// or it ended with a status other than 0 or by a signal; empty when it took
// the address.
std::string OpenUrl(const std::string& url);

// OpenUrl on a new, detached thread, so the caller never waits (and no
// finished process is left behind). When it fails, `failed` is called on that
// thread; when no thread can be started it is called at once on the caller's.
// An empty `failed` reports nothing.
void OpenUrlInBackground(const std::string& url, UrlFailure failed = {});

// Something that opens web addresses: OpenUrlInBackground in the programs, a
// recorder in tests.
using UrlOpener = std::function<void(const std::string& url)>;

}  // namespace solune
