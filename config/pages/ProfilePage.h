#pragma once
// What the main window asks of the three editing pages (buttons, sensor,
// lighting): show a profile in the controls, and write the controls back.

namespace solune {

struct Profile;

class ProfilePage {
  public:
    virtual ~ProfilePage() = default;

    // Shows `profile` in the page's controls.
    virtual void LoadFromProfile(const Profile& profile) = 0;
    // Writes the page's controls into `profile`; fields the page does not
    // edit are left as they are.
    virtual void StoreToProfile(Profile& profile) = 0;
};

}  // namespace solune
