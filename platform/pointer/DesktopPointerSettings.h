#pragma once
// A desktop's pointer-settings backend: the PointerSettings calls, turned into
// what the desktop offers, and the desktop's current values of the settings it
// writes, read back for showing.

#include <string>
#include <variant>
#include <vector>

#include "platform/PointerSettings.h"

namespace solune {

// One current value of the desktop, under the desktop's own name for it
// ("double-click", "speed", "accel-profile", "acceleration-numerator", ...).
struct DesktopPointerValue {
    std::string name;
    std::variant<int, double, std::string> value;
};

class DesktopPointerSettings : public PointerSettings {
  public:
    // The desktop's values of the settings this backend writes, read now, in a
    // fixed order. Empty for a backend that writes nothing.
    virtual std::vector<DesktopPointerValue> CurrentValues() const = 0;
};

}  // namespace solune
