#pragma once
// What the profile set asks of the main window: its pages and its profile
// buttons. The set decides what happens and when; the window only shows it.

#include "config/macros/MacroLibrary.h"

namespace solune {

struct Profile;

class ProfileSetView {
  public:
    virtual ~ProfileSetView() = default;

    // The button page, then the sensor page, then the lighting page write
    // their controls into `profile`.
    virtual void StorePages(Profile& profile) = 0;
    // The button, sensor and lighting pages show `profile`, then the sensor
    // page gets its notice.
    virtual void LoadPages(const Profile& profile) = 0;

    // Profile button `number` (1 … 5) becomes the selected one, the others not.
    virtual void SelectProfileButton(int number) = 0;
    // The caption of profile button `number`.
    virtual void SetProfileButtonText(int number, const Profile& profile) = 0;
    // Whether profile button `number` can be pressed.
    virtual void SetProfileButtonEnabled(int number, bool enabled) = 0;

    // The macro page writes the macro library to its folder; how that went.
    virtual MacroSaveResult SaveMacros() = 0;

    // The device is being talked to (true) or no more (false): the window
    // shows a busy pointer in between.
    virtual void ShowBusy(bool busy) = 0;
};

}  // namespace solune
