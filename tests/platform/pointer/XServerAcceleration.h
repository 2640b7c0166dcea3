#pragma once
// The X server's pointer acceleration, read and set through a connection of
// the test's own (DISPLAY), apart from the backend under test. Kept out of
// the test file, since Xlib's macros (None, Bool, ...) clash with GoogleTest.

#include <array>

namespace solune::test {

// numerator, denominator, threshold; {-1, -1, -1} without a display.
std::array<int, 3> ServerAcceleration();

// False without a display.
bool SetServerAcceleration(int numerator, int denominator, int threshold);

}  // namespace solune::test
