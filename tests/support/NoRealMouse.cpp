// Linked into every test program: before any test runs, real hardware is
// forbidden for this process and every process it starts. A test that names
// no virtual mouse and still asks for one then ends with a message saying so
// (devicechoice/HardwareForbiddenBackend.h) instead of reaching the user's
// real mouse or passing on "no mouse" by accident.

#include <cstdlib>

namespace {

[[maybe_unused]] const bool kForbidden = [] {
    ::setenv("SOLUNE300_NO_HARDWARE", "1", 1);
    return true;
}();

}  // namespace
