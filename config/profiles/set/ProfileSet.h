#pragma once
// The five profiles of the configuration program, the one the pages show
// ("current"), and what the user does with them: switching, the per-profile
// menu, "Reset to Default", "Apply" and the two-second follow-up of the
// profile that the mouse itself has active.
//
// Profile k (1 … 5) has slot k − 1 and the file "Profiles/Default<k>.profile"
// in the data folder. The set is a model only: the pages and the profile
// buttons belong to the window, which stores the pages into current() before
// a call that changes what they should show and loads them afterwards.
// Everything runs on one thread; `busy` is 1 from BeginApply to FinishApply,
// so a timer tick that arrives meanwhile (while a message box runs its own
// loop) leaves the mouse alone.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "config/profiles/set/ProfileFiles.h"
#include "config/profiles/set/ProfileMessages.h"
#include "config/profiles/Profile.h"
#include "platform/FileWriteStatus.h"

namespace solune {

class HidLink;
class MessageSink;
class PointerSettings;

// Writes one profile file: SaveProfile in the program; tests hand in one
// that fails as a full disk would.
using ProfileWriter =
    std::function<FileWriteStatus(const Profile& profile, const std::filesystem::path& path)>;

// What one "Apply" could not do: a line per file that was not saved, and the
// message about the mouse (empty when it got everything).
struct ApplyProblems {
    std::vector<std::string> fileLines;
    std::string mouse;
};

// The active slot the mouse reported at a follow-up tick, when it changed:
// the profile that has that slot (0 when none has it).
struct DeviceProfileChange {
    bool changed = false;
    int number = 0;
};

class ProfileSet {
  public:
    // All borrowed for the set's lifetime; `link` may be null (no device access:
    // the mouse is never found).
    ProfileSet(HidLink* link, PointerSettings& desktop, MessageSink& messages);

    // How the profile files are written (SaveProfile when never set).
    void SetProfileWriter(ProfileWriter writer) { m_writer = std::move(writer); }

    // Five factory-default profiles named "Profile1" … "Profile5", each then
    // replaced by its file in `dataFolder` when that is a whole profile file;
    // profile 1 becomes current. A missing file keeps the defaults quietly (a
    // first start); a file that exists but gives no whole profile keeps them
    // too and is remembered: it is named by TellUnreadableProfiles and kept
    // aside (DamagedProfileCopy) before it is first saved over.
    void LoadAllProfiles(const std::filesystem::path& dataFolder);
    // One message naming the profile files that LoadAllProfiles could not
    // read, and why; nothing when every file was read or missing.
    void TellUnreadableProfiles();

    // Profile `number` becomes current. Nothing goes to the mouse.
    void Select(int number);

    // "Rename" confirmed: the name of profile `number`.
    void Rename(int number, const std::u16string& name);
    // "Save current settings": profile `number` as last stored (the pages are
    // not stored first) into its own file; a failure is told the user.
    void SaveProfileFile(int number);
    // "Export Profile" confirmed with `chosen`: profile `number` into
    // ExportTarget(chosen). False, and the user told why, when the file could
    // not be written.
    bool ExportProfile(int number, const std::filesystem::path& chosen);
    // "Import Profile" confirmed with `chosen`: a complete profile file
    // replaces profile `number`'s settings (its slot and file stay); a file
    // that is not a whole profile file changes nothing. Complete when it was
    // taken. The window then shows profile `number` on its pages, even when
    // it is not current, and on its button, and then TellImportFailure.
    ProfileReadResult ImportProfile(int number, const std::filesystem::path& chosen);
    // What was wrong with `chosen` when the import took nothing; nothing
    // when it was taken.
    void TellImportFailure(ProfileReadResult result, const std::filesystem::path& chosen);
    // "Disable/Enable": profiles 2 … 5 switch between enabled and disabled;
    // profile 1 stays as it is.
    void ToggleEnabled(int number);

    // "Reset to Default" after the user confirmed: every profile enabled,
    // named "Profile1" … "Profile5" and back to its default settings. The
    // window then shows the current one and applies.
    void ResetAllProfiles();

    // "Apply", in four steps after the window stored the pages:
    //   BeginApply: busy, the current profile's desktop pointer settings, the
    //     five files (the lines of those that could not be saved);
    //   the window saves the macro library and adds its line;
    //   FindMouseForApply, and when it is there WriteMouse (the window shows
    //     its busy pointer around it): the five images and the active slot;
    //   FinishApply: at most two messages, one naming every file that could
    //     not be saved (and the macros), then one about the mouse; not busy.
    // The mouse is written also when files failed, so it gets what the pages
    // show. The message about the mouse names the profiles whose macros are
    // too long for it (the others are written), and kMouseNotFoundText when
    // no mouse is there or kMouseNoAnswerText when it is there but a write
    // failed (the writing stops at that point).
    ApplyProblems BeginApply();
    // True when the mouse can be written (a connection whose handle was
    // closed is looked for again); otherwise `problems` says it was not found.
    bool FindMouseForApply(ApplyProblems& problems);
    void WriteMouse(ApplyProblems& problems);
    void FinishApply(const ApplyProblems& problems);

    // The follow-up tick: when the device is open, `allowed` and not
    // busy, reads the mouse's active slot and says whether it changed since
    // the last read. The window then selects that profile (stores and loads
    // its pages around Select) and calls ApplyDesktopPointer.
    DeviceProfileChange FollowDeviceProfile(bool allowed);
    // The current profile's pointer settings to the desktop.
    void ApplyDesktopPointer();
    // Profile `number`'s (1 … 5) pointer settings to the desktop.
    void ApplyDesktopPointer(int number);


    Profile& profile(int number) { return m_profiles[number - 1]; }
    const Profile& profile(int number) const { return m_profiles[number - 1]; }
    Profile& current() { return m_profiles[m_current - 1]; }
    int currentNumber() const { return m_current; }
    bool busy() const { return m_busy != 0; }
    std::uint8_t lastDeviceSlot() const { return m_lastDeviceSlot; }

  private:
    // Profile `number` into its own file, a damaged file kept aside first;
    // the line to tell, empty when it was saved.
    std::string saveOwnFile(int number);
    // `profile` into `path` through the set's writer.
    FileWriteStatus writeFile(const Profile& profile, const std::filesystem::path& path);
    // The lines of the files of one Apply that could not be saved.
    std::vector<std::string> saveAllFiles();
    // What a write that failed on a found mouse means: a mouse that is still
    // there did not answer, else it went away.
    std::string mouseFailure();
    void tell(const std::string& text);

    HidLink* m_link;
    PointerSettings& m_desktop;
    MessageSink& m_messages;
    ProfileWriter m_writer;
    std::array<Profile, kProfileCount> m_profiles;
    // Profiles whose file exists but gave no whole profile: kept aside
    // before the first save over it.
    std::array<bool, kProfileCount> m_damaged{};
    std::vector<std::string> m_readProblems;
    int m_current = 1;
    std::int32_t m_busy = 0;
    std::uint8_t m_lastDeviceSlot = 0xFF;
};

}  // namespace solune
