#pragma once
// The five profiles of the configuration program, the one the pages show
// ("current"), and what the user does with them: switching, the per-profile
// menu, "Reset to Default", "Apply" and the two-second follow-up of the
// profile that the mouse itself has active.
//
// Profile k (1 … 5) has slot k − 1 and the file "Profiles/Default<k>.profile"
// in the data folder. The pages and the profile buttons belong to the window
// (ProfileSetView); the set tells it what to show, in the order the window's
// users rely on. Everything runs on one thread; `busy` is 1 while "Apply"
// talks to the mouse, so a timer tick that arrives meanwhile (while a message
// box runs its own loop) leaves the mouse alone.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "config/app/ProfileFiles.h"
#include "config/profiles/Profile.h"

namespace solune {

class HidLink;
class MessageSink;
class PointerSettings;
class ProfileSetView;

inline constexpr const char* kMouseNotFoundText = "SOLUNE 300 mouse not found";

class ProfileSet {
  public:
    // All borrowed for the set's lifetime; `link` may be null (no device access:
    // the mouse is never found).
    ProfileSet(HidLink* link, PointerSettings& desktop, MessageSink& messages);

    // The window that shows the set; borrowed, may be null until it exists.
    void SetView(ProfileSetView* view) { m_view = view; }

    // Five factory-default profiles named "Profile1" … "Profile5", each then read
    // from its file in `dataFolder` (a missing or foreign file keeps the
    // defaults); profile 1 becomes current.
    void LoadAllProfiles(const std::filesystem::path& dataFolder);

    // Profile button `number` pressed: the pages are stored into the current
    // profile, button `number` is selected, profile `number` becomes current and
    // the pages show it. Nothing goes to the mouse.
    void SelectProfile(int number);

    // "Rename" confirmed: the name of profile `number` and its button's caption.
    void Rename(int number, const std::u16string& name);
    // "Save current settings": profile `number` as last stored (the pages are
    // not stored first) into its own file.
    void SaveProfileFile(int number);
    // "Export Profile" confirmed with `chosen`: profile `number` into
    // ExportTarget(chosen). False when the file could not be written.
    bool ExportProfile(int number, const std::filesystem::path& chosen);
    // "Import Profile" confirmed with `chosen`: a complete profile file
    // replaces profile `number`'s settings (its slot and file stay); the pages
    // then show profile `number`, even when it is not current, and its button
    // shows its name. A file that is not a whole profile file changes nothing
    // but still reloads the pages. False when nothing was taken.
    bool ImportProfile(int number, const std::filesystem::path& chosen);
    // "Disable/Enable": profiles 2 … 5 switch between enabled and disabled and
    // their buttons follow; profile 1 stays as it is.
    void ToggleEnabled(int number);

    // "Reset to Default" after the user confirmed: every profile enabled,
    // named "Profile1" … "Profile5" and back to its default settings, the pages
    // showing the current one, then ApplySettings.
    void ResetAllProfiles();

    // "Apply": store the pages, the current profile's desktop pointer settings,
    // the five files, the macro library, then the five images and the active
    // slot into the mouse; "SOLUNE 300 mouse not found" when it is missing.
    void ApplySettings();

    // The follow-up tick: when the device is open, `windowActive` and not busy,
    // reads the mouse's active slot and, when it changed since the last read,
    // selects that profile and applies its desktop pointer settings.
    void FollowDeviceProfile(bool windowActive);

    Profile& profile(int number) { return m_profiles[number - 1]; }
    const Profile& profile(int number) const { return m_profiles[number - 1]; }
    Profile& current() { return m_profiles[m_current - 1]; }
    int currentNumber() const { return m_current; }
    bool busy() const { return m_busy != 0; }
    std::uint8_t lastDeviceSlot() const { return m_lastDeviceSlot; }

  private:
    void writeProfilesToMouse();

    HidLink* m_link;
    PointerSettings& m_desktop;
    MessageSink& m_messages;
    ProfileSetView* m_view = nullptr;
    std::array<Profile, kProfileCount> m_profiles;
    int m_current = 1;
    std::int32_t m_busy = 0;
    std::uint8_t m_lastDeviceSlot = 0xFF;
};

}  // namespace solune
