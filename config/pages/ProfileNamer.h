#pragma once
// What the rename dialog changes in the main window: the name of one profile
// and the caption of that profile's button. The main window implements it.

#include <string>

namespace solune {

class ProfileNamer {
  public:
    virtual ~ProfileNamer() = default;

    // Stores `name` as the name of profile `profileNumber` (1 ... 5) and makes
    // it the caption of that profile's button, repainted.
    virtual void SetProfileName(int profileNumber, const std::u16string& name) = 0;
};

}  // namespace solune
