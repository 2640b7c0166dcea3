// Linked into every test program: before any test runs, real hardware is
// forbidden for this process and every process it starts, so a test that
// names no virtual mouse finds no mouse instead of the user's real one.

#include <cstdlib>

namespace {

[[maybe_unused]] const bool kForbidden = [] {
    ::setenv("SOLUNE300_NO_HARDWARE", "1", 1);
    return true;
}();

}  // namespace
