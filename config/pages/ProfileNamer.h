#pragma once
// Where the rename dialog sends the name the user confirmed. The program's
// implementation (RealPages) hands it to the main window, which renames the
// profile and sets its button's caption.

#include <string>

namespace solune {

class ProfileNamer {
  public:
    virtual ~ProfileNamer() = default;

    // The user confirmed `name` for profile `profileNumber` (1 ... 5).
    virtual void SetProfileName(int profileNumber, const std::u16string& name) = 0;
};

}  // namespace solune
