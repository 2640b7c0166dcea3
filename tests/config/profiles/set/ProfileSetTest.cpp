// The five profiles without a window: loading, switching, the per-profile
// menu, "Reset to Default", "Apply" against the virtual mouse (in memory, with
// a virtual clock), and the follow-up of the mouse's active profile.

#include <gtest/gtest.h>

#include <cerrno>

#include "config/profiles/set/DamagedProfileCopy.h"
#include "config/profiles/set/ProfileSet.h"
#include "config/device/HidLink.h"
#include "config/device/SettingsImage.h"
#include "config/profiles/ProfileFile.h"
#include "platform/MessageSink.h"
#include "simulator/SimulatedHidBackend.h"
#include "tests/support/RecordingPointerSettings.h"
#include "tests/support/TempDir.h"

#include <sys/stat.h>
#include <unistd.h>

namespace solune::test {
namespace {

using Log = std::vector<std::string>;

std::string Narrow(const std::u16string& text) {
    return std::string(text.begin(), text.end());
}

unsigned ModeOf(const std::filesystem::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 07777;
}

// The main window's side of each user action, in the order CVESKDlg runs
// it around the set's calls, over pages that show one field (the sensor
// page's "Point Speed"); every page and button call is logged.
class RecordingWindow {
  public:
    explicit RecordingWindow(ProfileSet& set) : m_set(set) {}

    void SelectProfile(int number) {
        StorePages(m_set.current());
        log.push_back("select " + std::to_string(number));
        m_set.Select(number);
        LoadPages(m_set.current());
    }
    void Apply() {
        StorePages(m_set.current());
        ApplyProblems problems = m_set.BeginApply();
        log.push_back("save macros");
        if (std::string macros = MacroSaveProblem(macroSave); !macros.empty()) {
            problems.fileLines.push_back(std::move(macros));
        }
        if (m_set.FindMouseForApply(problems)) {
            log.push_back("busy");
            m_set.WriteMouse(problems);
            log.push_back("not busy");
        }
        m_set.FinishApply(problems);
    }
    void ToggleEnabled(int number) {
        const std::int32_t before = m_set.profile(number).enabled;
        m_set.ToggleEnabled(number);
        if (m_set.profile(number).enabled != before) {
            ShowEnabled(number);
        }
    }
    void Rename(int number, const std::u16string& name) {
        m_set.Rename(number, name);
        ShowText(number);
    }
    bool Import(int number, const std::filesystem::path& chosen) {
        const ProfileReadResult result = m_set.ImportProfile(number, chosen);
        LoadPages(m_set.profile(number));
        ShowText(number);
        m_set.TellImportFailure(result, chosen);
        return result == ProfileReadResult::Complete;
    }
    void Reset() {
        m_set.ResetAllProfiles();
        for (int number = 1; number <= kProfileCount; ++number) {
            ShowEnabled(number);
            ShowText(number);
        }
        LoadPages(m_set.current());
        Apply();
    }
    void Follow(bool windowActive) {
        const DeviceProfileChange change = m_set.FollowDeviceProfile(windowActive);
        if (change.changed) {
            if (change.number != 0) {
                SelectProfile(change.number);
            }
            m_set.ApplyDesktopPointer();
        }
    }

    Log log;
    MacroSaveResult macroSave = MacroSaveResult::Saved;
    std::uint8_t pageSpeed = 5;  // what the pages show: the sensor page's "Point Speed"

  private:
    void StorePages(Profile& profile) {
        log.push_back("store " + Narrow(profile.name));
        profile.pointerSpeed = pageSpeed;
    }
    void LoadPages(const Profile& profile) {
        log.push_back("load " + Narrow(profile.name));
        pageSpeed = profile.pointerSpeed;
    }
    void ShowEnabled(int number) {
        log.push_back((m_set.profile(number).enabled != 0 ? "enable " : "disable ") +
                      std::to_string(number));
    }
    void ShowText(int number) {
        log.push_back("text " + std::to_string(number) + " " + Narrow(m_set.profile(number).name));
    }

    ProfileSet& m_set;
};

class RecordingMessages final : public MessageSink {
  public:
    void showMessage(std::string_view text) override {
        messages.emplace_back(text);
        if (during) {
            during();
        }
    }
    Log messages;
    std::function<void()> during;
};

class ProfileSetTest : public ::testing::Test {
  protected:
    ProfileSetTest()
        : m_link(m_mouse.backend(), m_clock), m_set(&m_link, m_desktop, m_messages), m_view(m_set) {
        m_set.LoadAllProfiles(DataFolder());
    }

    std::filesystem::path DataFolder() const { return m_dir.path() / "Dravik" / "SOLUNE300"; }
    // Button 4 plays a macro one event longer than the mouse takes.
    static void GiveTooManyMacroEvents(Profile& profile) {
        profile.buttons[3].function = kRecordMacro;
        profile.buttons[3].parameter = 7;
        profile.macros[3].id = 7;
        profile.macros[3].events.resize(kMaxMacroEventsPerProfile + 1);
    }
    std::filesystem::path FileOf(int number) const {
        return DataFolder() / "Profiles" / ("Default" + std::to_string(number) + ".profile");
    }

    TempDir m_dir;
    VirtualClock m_clock;
    simulator::SimulatedMouse m_mouse;
    HidLink m_link;
    RecordingPointerSettings m_desktop;
    RecordingMessages m_messages;
    ProfileSet m_set;
    RecordingWindow m_view;
};

TEST_F(ProfileSetTest, AFirstStartGivesFiveDefaultProfilesAndApplyWritesTheirFiles) {
    for (int k = 1; k <= 5; ++k) {
        Profile expected;
        expected.slot = static_cast<std::uint8_t>(k - 1);
        expected.name = u"Profile" + std::u16string(1, static_cast<char16_t>('0' + k));
        expected.filePath = FileOf(k);
        EXPECT_EQ(m_set.profile(k), expected) << k;
        EXPECT_FALSE(std::filesystem::exists(FileOf(k)));
    }
    EXPECT_EQ(m_set.currentNumber(), 1);

    m_view.Apply();
    for (int k = 1; k <= 5; ++k) {
        Profile read;
        EXPECT_EQ(LoadProfile(FileOf(k), read), ProfileReadResult::Complete) << k;
        EXPECT_EQ(read.name, m_set.profile(k).name);
    }
}

TEST_F(ProfileSetTest, ProfilesAreReadFromTheirFiles) {
    Profile third;
    third.name = u"Sniper";
    third.pointerSpeed = 9;
    ASSERT_TRUE(SaveProfile(third, FileOf(3)));
    test::WriteBytes(FileOf(4), {0x12, 0x06, 0x33, 0x02});  // foreign: defaults stay
    m_set.LoadAllProfiles(DataFolder());
    EXPECT_EQ(m_set.profile(3).name, u"Sniper");
    EXPECT_EQ(m_set.profile(3).pointerSpeed, 9);
    EXPECT_EQ(m_set.profile(3).slot, 2);
    EXPECT_EQ(m_set.profile(3).filePath, FileOf(3));
    EXPECT_EQ(m_set.profile(4).name, u"Profile4");
}

TEST_F(ProfileSetTest, ApplyStoresThePagesAndWritesEveryProfileThenActivatesTheCurrentOne) {
    m_view.SelectProfile(3);
    m_view.pageSpeed = 8;
    m_view.log.clear();
    m_view.Apply();

    EXPECT_EQ(m_view.log, (Log{"store Profile3", "save macros", "busy", "not busy"}));
    EXPECT_EQ(m_set.profile(3).pointerSpeed, 8);
    EXPECT_EQ(m_desktop.calls, (Log{"doubleclick 800", "speed 16", "wheel 2", "accel 0 0 0"}));
    EXPECT_TRUE(m_messages.messages.empty());
    const simulator::MouseState mouse = m_mouse.State();
    for (int k = 1; k <= 5; ++k) {
        SettingsImage image{};
        ASSERT_EQ(BuildSettingsImage(m_set.profile(k), image), CommandResult::Done);
        EXPECT_EQ(mouse.profileSlots[k - 1], image) << k;
    }
    EXPECT_EQ(mouse.activeSlot, 2);
    // Five images of two halves (60 ms each), then the activation's 1500 ms.
    EXPECT_EQ(m_clock.Waits().back(), 1500);
    EXPECT_EQ(m_clock.TotalWaited(), 10 * 60 + 1500);
    EXPECT_FALSE(m_set.busy());
}

TEST_F(ProfileSetTest, AProfileWithTooManyMacroEventsIsSkippedAndTheOthersAreWritten) {
    GiveTooManyMacroEvents(m_set.profile(2));
    m_view.Apply();
    const simulator::MouseState mouse = m_mouse.State();
    EXPECT_EQ(mouse.profileSlots[1], (std::array<std::uint8_t, 2048>{}));
    SettingsImage image{};
    ASSERT_EQ(BuildSettingsImage(m_set.profile(3), image), CommandResult::Done);
    EXPECT_EQ(mouse.profileSlots[2], image);
    // The user learns which profile the mouse did not get, once.
    EXPECT_EQ(m_messages.messages,
              (Log{"Profile 2 was not written to the mouse: its macros hold more than 164 "
                   "events."}));
}

TEST_F(ProfileSetTest, WithoutAMouseFilesAndMacrosAreStillSavedAndTheUserIsTold) {
    m_mouse.Change([](simulator::MouseState& s) { s.plugged = false; });
    m_view.Apply();
    EXPECT_EQ(m_messages.messages, (Log{"SOLUNE 300 mouse not found"}));
    EXPECT_EQ(m_view.log, (Log{"store Profile1", "save macros"}));
    EXPECT_TRUE(std::filesystem::exists(FileOf(5)));
    EXPECT_FALSE(m_link.IsOpen());
    EXPECT_FALSE(m_set.busy());
}

TEST_F(ProfileSetTest, AFailedActivationOfAPresentMouseIsNotReportedAsAMissingOne) {
    m_view.SelectProfile(3);
    // The five images go through; the activation's send fails.
    int halves = 0;
    m_clock.SetWaitObserver([&](std::chrono::milliseconds wait) {
        if (wait.count() == 60 && ++halves == 10) {
            m_mouse.Change([](simulator::MouseState& s) { simulator::SetFault(s, "set-fail", 1); });
        }
    });
    m_view.Apply();
    EXPECT_EQ(m_messages.messages, (Log{kMouseNoAnswerText}));
    EXPECT_EQ(m_mouse.State().activeSlot, 0);
    SettingsImage image{};
    ASSERT_EQ(BuildSettingsImage(m_set.profile(5), image), CommandResult::Done);
    EXPECT_EQ(m_mouse.State().profileSlots[4], image);
}

TEST_F(ProfileSetTest, SelectingAProfileStoresTheOldOneAndLoadsTheNewOne) {
    m_view.pageSpeed = 3;
    m_view.SelectProfile(4);
    EXPECT_EQ(m_view.log, (Log{"store Profile1", "select 4", "load Profile4"}));
    EXPECT_EQ(m_set.profile(1).pointerSpeed, 3);
    EXPECT_EQ(m_set.currentNumber(), 4);
    EXPECT_EQ(m_view.pageSpeed, 5);
    EXPECT_EQ(m_mouse.State().activeSlot, 0);  // nothing goes to the mouse
}

TEST_F(ProfileSetTest, DisablingTheCurrentProfileGreysItsButtonAndKeepsItCurrent) {
    m_view.SelectProfile(3);
    m_view.log.clear();
    m_view.ToggleEnabled(3);
    EXPECT_EQ(m_view.log, (Log{"disable 3"}));
    EXPECT_EQ(m_set.profile(3).enabled, 0);
    EXPECT_EQ(m_set.currentNumber(), 3);
    m_view.ToggleEnabled(3);
    EXPECT_EQ(m_set.profile(3).enabled, 1);
    EXPECT_EQ(m_view.log.back(), "enable 3");
}

TEST_F(ProfileSetTest, ProfileOnesDisableEnableChangesNothing) {
    m_view.ToggleEnabled(1);
    EXPECT_EQ(m_set.profile(1).enabled, 1);
    EXPECT_TRUE(m_view.log.empty());
}

TEST_F(ProfileSetTest, SaveCurrentSettingsWritesTheRecordAsLastStored) {
    m_view.SelectProfile(2);
    m_view.pageSpeed = 9;  // shown on the page, not stored yet
    m_set.SaveProfileFile(2);
    Profile read;
    ASSERT_EQ(LoadProfile(FileOf(2), read), ProfileReadResult::Complete);
    EXPECT_EQ(read.pointerSpeed, 5);
    EXPECT_FALSE(std::filesystem::exists(FileOf(1)));
}

TEST_F(ProfileSetTest, ExportAddsTheExtensionUnlessItIsExactlyProfile) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"mine", "mine.profile"},
        {"mine.profile", "mine.profile"},
        {"mine.PROFILE", "mine.PROFILE.profile"},
    };
    for (const auto& [typed, written] : cases) {
        const std::filesystem::path folder = m_dir / ("export-" + typed);
        std::filesystem::create_directories(folder);
        ASSERT_TRUE(m_set.ExportProfile(2, folder / typed)) << typed;
        Profile read;
        EXPECT_EQ(LoadProfile(folder / written, read), ProfileReadResult::Complete) << typed;
        EXPECT_EQ(read.name, u"Profile2");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                                std::filesystem::directory_iterator()),
                  1)
            << typed;
    }
}

TEST_F(ProfileSetTest, ImportReplacesTheSettingsKeepsSlotAndFileAndShowsTheProfile) {
    Profile file;
    file.name = u"Imported";
    file.pointerSpeed = 2;
    file.enabled = 0;
    ASSERT_TRUE(SaveProfile(file, m_dir / "in.profile"));
    m_view.Import(4, m_dir / "in.profile");  // profile 1 stays current

    EXPECT_EQ(m_set.profile(4).name, u"Imported");
    EXPECT_EQ(m_set.profile(4).pointerSpeed, 2);
    EXPECT_EQ(m_set.profile(4).slot, 3);
    EXPECT_EQ(m_set.profile(4).filePath, FileOf(4));
    EXPECT_EQ(m_view.log, (Log{"load Imported", "text 4 Imported"}));  // no enable change
    EXPECT_EQ(m_set.currentNumber(), 1);
    // The pages now show profile 4's values; the next store puts them into profile 1.
    m_view.SelectProfile(2);
    EXPECT_EQ(m_set.profile(1).pointerSpeed, 2);
}

TEST_F(ProfileSetTest, ImportOfAForeignOrCutShortFileChangesNothing) {
    test::WriteBytes(m_dir / "foreign.profile", {0x12, 0x06, 0x33, 0x02, 0, 0, 0, 0});
    Profile file;
    file.name = u"Cut";
    file.pointerSpeed = 2;
    ASSERT_TRUE(SaveProfile(file, m_dir / "whole.profile"));
    std::vector<std::uint8_t> bytes = ReadBytes(m_dir / "whole.profile");
    bytes.resize(bytes.size() - 3);
    WriteBytes(m_dir / "cut.profile", bytes);

    const Profile before = m_set.profile(2);
    EXPECT_FALSE(m_view.Import(2, m_dir / "foreign.profile"));
    EXPECT_FALSE(m_view.Import(2, m_dir / "cut.profile"));
    EXPECT_FALSE(m_view.Import(2, m_dir / "missing.profile"));
    EXPECT_FALSE(m_view.Import(2, m_dir.path()));
    EXPECT_EQ(m_set.profile(2), before);
    // Each import that took nothing tells the user why, once.
    EXPECT_EQ(
        m_messages.messages,
        (Log{"\"foreign.profile\" is not a profile file.",
             "\"cut.profile\" is not a complete profile file; nothing was imported.",
             "\"missing.profile\" could not be read: the file does not exist.",
             "\"" + m_dir.path().filename().string() + "\" could not be read: it is a folder."}));
}

TEST_F(ProfileSetTest, RenameChangesTheNameAndTheCaption) {
    m_view.Rename(5, u"Travel");
    EXPECT_EQ(m_set.profile(5).name, u"Travel");
    EXPECT_EQ(m_view.log, (Log{"text 5 Travel"}));
}

TEST_F(ProfileSetTest, ResetEnablesAndRenamesEveryProfileResetsThemAndApplies) {
    for (int k = 2; k <= 5; ++k) {
        m_view.ToggleEnabled(k);
        m_set.profile(k).pollingInterval = kPolling125Hz;
    }
    m_view.Rename(3, u"Other");
    m_view.SelectProfile(3);
    m_view.pageSpeed = 9;
    m_view.log.clear();
    m_view.Reset();

    const Log expected{"enable 1",      "text 1 Profile1",
                       "enable 2",      "text 2 Profile2",
                       "enable 3",      "text 3 Profile3",
                       "enable 4",      "text 4 Profile4",
                       "enable 5",      "text 5 Profile5",
                       "load Profile3", "store Profile3",
                       "save macros",   "busy",
                       "not busy"};
    EXPECT_EQ(m_view.log, expected);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(m_set.profile(k).enabled, 1);
        EXPECT_EQ(m_set.profile(k).pollingInterval, kPolling1000Hz);
    }
    EXPECT_EQ(m_set.profile(3).pointerSpeed, 5);  // the pages were loaded with the default
    EXPECT_EQ(m_mouse.State().activeSlot, 2);
}

// ---- Failures the user is told ----

// A regular file where the "Profiles" folder belongs: no profile file can be
// written, for a user as for root (chmod would not stop root).
TEST_F(ProfileSetTest, ApplyWithAnUnwritableFolderNamesEveryProfileAndStillWritesTheMouse) {
    std::filesystem::create_directories(DataFolder());
    WriteText(DataFolder() / "Profiles", "in the way");
    m_view.Apply();

    Log lines;
    for (int k = 1; k <= 5; ++k) {
        lines.push_back("Profile " + std::to_string(k) +
                        " could not be saved: a file is in the place of its folder.");
    }
    EXPECT_EQ(m_messages.messages, (Log{JoinLines(lines)}));
    // The mouse gets what the pages show all the same.
    const simulator::MouseState mouse = m_mouse.State();
    for (int k = 1; k <= 5; ++k) {
        SettingsImage image{};
        ASSERT_EQ(BuildSettingsImage(m_set.profile(k), image), CommandResult::Done);
        EXPECT_EQ(mouse.profileSlots[k - 1], image) << k;
    }
    EXPECT_FALSE(m_set.busy());
}

TEST_F(ProfileSetTest, AFullDiskAndFailedMacrosAreToldInOneMessageBeforeTheMouse) {
    m_set.SetProfileWriter([](const Profile& p, const std::filesystem::path& path) {
        return p.slot == 1 ? FileWriteStatus::Failed(ENOSPC) : SaveProfile(p, path);
    });
    m_view.macroSave = MacroSaveResult::Failed;
    m_mouse.Change([](simulator::MouseState& s) { s.plugged = false; });
    m_view.Apply();
    EXPECT_EQ(m_messages.messages,
              (Log{"Profile 2 could not be saved: the disk is full.\n"
                   "The macros could not be saved: a file in the macro folder could not be "
                   "written. Every macro is still on disk, some as they were at the last save.",
                   kMouseNotFoundText}));
    EXPECT_TRUE(std::filesystem::exists(FileOf(1)));
    EXPECT_FALSE(std::filesystem::exists(FileOf(2)));
}

TEST_F(ProfileSetTest, SaveCurrentSettingsAndExportTellAFailure) {
    m_set.SetProfileWriter([](const Profile&, const std::filesystem::path&) {
        return FileWriteStatus::Failed(EROFS);
    });
    m_set.SaveProfileFile(4);
    EXPECT_FALSE(m_set.ExportProfile(3, m_dir / "mine"));
    EXPECT_EQ(m_messages.messages,
              (Log{"Profile 4 could not be saved: the folder cannot be written.",
                   "Profile 3 could not be exported: the folder cannot be written."}));
}

// A mouse that is plugged in but fails is not "not found"; one that went away is.
TEST_F(ProfileSetTest, AFailingMouseIsToldApartFromAMissingOne) {
    struct Case {
        const char* fault;
        int count;
        std::string message;
    };
    const Case cases[] = {
        {"busy", 1000, kMouseNoAnswerText},
        {"set-fail", 1000, kMouseNoAnswerText},
        {"get-fail", 1000, kMouseNoAnswerText},
        {"unplug", 3, kMouseNotFoundText},
    };
    for (const Case& c : cases) {
        m_mouse.Change([&c](simulator::MouseState& s) {
            s = simulator::MouseState{};
            simulator::SetFault(s, c.fault, c.count);
        });
        ASSERT_TRUE(m_link.FindDevice()) << c.fault;
        m_messages.messages.clear();
        m_view.Apply();
        EXPECT_EQ(m_messages.messages, (Log{c.message})) << c.fault;
        EXPECT_EQ(m_mouse.State().activeSlot, 0) << c.fault;
    }
}

// Connected once, its handle closed since: Apply looks for the mouse again
// instead of writing into nothing.
TEST_F(ProfileSetTest, AClosedConnectionIsLookedForAgainAtApply) {
    ASSERT_TRUE(m_link.FindDevice());
    m_link.CloseDevice();
    m_view.Apply();
    EXPECT_TRUE(m_messages.messages.empty());
    SettingsImage image{};
    ASSERT_EQ(BuildSettingsImage(m_set.profile(5), image), CommandResult::Done);
    EXPECT_EQ(m_mouse.State().profileSlots[4], image);
}

TEST_F(ProfileSetTest, ATooLongProfileAndAFailingMouseAreToldTogether) {
    GiveTooManyMacroEvents(m_set.profile(1));
    m_mouse.Change([](simulator::MouseState& s) { simulator::SetFault(s, "set-fail", 1000); });
    m_view.Apply();
    EXPECT_EQ(m_messages.messages, (Log{ProfileNotWritten(1) + "\n" + kMouseNoAnswerText}));
}

// Files that exist but give no whole profile: named once at start, loaded as
// defaults, and kept aside before the next save replaces them.
TEST_F(ProfileSetTest, DamagedFilesAreNamedOnceAndKeptAsideBeforeTheyAreSavedOver) {
    Profile whole;
    whole.name = u"Whole";
    ASSERT_TRUE(SaveProfile(whole, FileOf(1)));
    std::vector<std::uint8_t> cut = ReadBytes(FileOf(1));
    cut.resize(cut.size() - 5);
    WriteBytes(FileOf(2), cut);
    const std::vector<std::uint8_t> foreign{0x12, 0x06, 0x33, 0x02};
    WriteBytes(FileOf(3), foreign);
    std::filesystem::create_directories(FileOf(4));  // a folder where the file belongs
    // Profile 5's file is missing: a first start, not damage.
    m_set.LoadAllProfiles(DataFolder());

    EXPECT_EQ(m_set.profile(1).name, u"Whole");
    EXPECT_EQ(m_set.profile(2).name, u"Profile2");  // not half read
    EXPECT_EQ(m_set.profile(2).pointerSpeed, Profile{}.pointerSpeed);
    EXPECT_TRUE(m_messages.messages.empty());
    m_set.TellUnreadableProfiles();
    m_set.TellUnreadableProfiles();
    ASSERT_EQ(m_messages.messages.size(), 1u);
    EXPECT_EQ(m_messages.messages[0],
              UnreadableProfilesMessage(
                  {"Profile 2 (Default2.profile): the file is damaged (it ends too early).",
                   "Profile 3 (Default3.profile): the file is not a profile file.",
                   "Profile 4 (Default4.profile): it is a folder."}));

    // An earlier copy of profile 3 is never replaced.
    WriteText(DamagedCopyPath(FileOf(3), 0), "older copy");
    m_messages.messages.clear();
    m_view.Apply();
    EXPECT_EQ(ReadBytes(DamagedCopyPath(FileOf(2), 0)), cut);
    EXPECT_EQ(ReadBytes(DamagedCopyPath(FileOf(3), 1)), foreign);
    EXPECT_EQ(ReadBytes(DamagedCopyPath(FileOf(3), 0)),
              (std::vector<std::uint8_t>{'o', 'l', 'd', 'e', 'r', ' ', 'c', 'o', 'p', 'y'}));
    EXPECT_FALSE(std::filesystem::exists(DamagedCopyPath(FileOf(5), 0)));
    EXPECT_FALSE(std::filesystem::exists(DamagedCopyPath(FileOf(1), 0)));
    Profile read;
    EXPECT_EQ(LoadProfile(FileOf(2), read), ProfileReadResult::Complete);
    EXPECT_EQ(LoadProfile(FileOf(3), read), ProfileReadResult::Complete);
    // The folder in place of file 4 is neither replaced nor copied.
    EXPECT_EQ(m_messages.messages,
              (Log{"Profile 4 could not be saved: a folder is in the place of the file."}));
    EXPECT_FALSE(std::filesystem::exists(DamagedCopyPath(FileOf(4), 0)));

    // Kept once: the next Apply saves without new copies.
    m_messages.messages.clear();
    std::filesystem::remove(FileOf(4));
    m_view.Apply();
    EXPECT_TRUE(m_messages.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(DamagedCopyPath(FileOf(2), 1)));
    EXPECT_FALSE(std::filesystem::exists(DamagedCopyPath(FileOf(3), 2)));
}

class FollowTest : public ProfileSetTest {
  protected:
    FollowTest() { EXPECT_TRUE(m_link.FindDevice()); }
    void PressTheMouseButtonTo(int slot) {
        m_mouse.Change([slot](simulator::MouseState& s) { s.activeSlot = slot; });
    }
};

TEST_F(FollowTest, TheFirstPollSelectsTheMousesProfileAndAppliesItsPointerSettings) {
    m_set.profile(3).pointerSpeed = 7;
    PressTheMouseButtonTo(2);
    m_view.Follow(true);
    EXPECT_EQ(m_set.currentNumber(), 3);
    EXPECT_EQ(m_view.log, (Log{"store Profile1", "select 3", "load Profile3"}));
    EXPECT_EQ(m_desktop.calls, (Log{"doubleclick 800", "speed 14", "wheel 2", "accel 0 0 0"}));
    EXPECT_EQ(m_set.lastDeviceSlot(), 2);
}

TEST_F(FollowTest, AnUnchangedSlotDoesNothing) {
    m_view.Follow(true);  // slot 0: profile 1 again
    m_view.log.clear();
    m_desktop.calls.clear();
    m_view.Follow(true);
    EXPECT_TRUE(m_view.log.empty());
    EXPECT_TRUE(m_desktop.calls.empty());
}

TEST_F(FollowTest, NothingWhileInactiveBusyOrWithoutAnOpenDevice) {
    PressTheMouseButtonTo(4);
    m_view.Follow(false);
    EXPECT_EQ(m_set.currentNumber(), 1);
    EXPECT_EQ(m_set.lastDeviceSlot(), 0xFF);

    // A tick that arrives while "Apply" shows its message box.
    m_mouse.Change([](simulator::MouseState& s) { simulator::SetFault(s, "set-fail", 100); });
    m_messages.during = [this] {
        m_clock.ClearWaits();
        m_view.Follow(true);
        EXPECT_TRUE(m_clock.Waits().empty());
    };
    m_view.Apply();
    ASSERT_EQ(m_messages.messages.size(), 1u);
    EXPECT_EQ(m_set.currentNumber(), 1);
    m_mouse.Change([](simulator::MouseState& s) { s.faults.clear(); });

    m_link.CloseDevice();
    m_view.Follow(true);
    EXPECT_EQ(m_set.currentNumber(), 1);
    ASSERT_TRUE(m_link.FindDevice());
    m_view.Follow(true);
    EXPECT_EQ(m_set.currentNumber(), 5);
}

TEST_F(FollowTest, AFailedReadOrASlotAboveFourIsSkipped) {
    m_mouse.Change([](simulator::MouseState& s) { simulator::SetFault(s, "active-slot", 1, 5); });
    m_view.Follow(true);
    EXPECT_EQ(m_set.lastDeviceSlot(), 0xFF);
    EXPECT_TRUE(m_desktop.calls.empty());
}

TEST(ProfileFiles, ExportStartsBesideTheProgramOrInTheDataFolderWhenThatCannotBeWritten) {
    TempDir dir;
    const auto program = dir / "app";
    const auto data = dir / "data";
    std::filesystem::create_directories(program);
    EXPECT_EQ(ExportStartFolder(program, data), program / "Profiles");
    EXPECT_TRUE(std::filesystem::is_directory(program / "Profiles"));

    // A program folder where "Profiles" cannot be made (here a file stands in
    // the way; an installed program's folder belongs to the system).
    const auto installed = dir / "installed";
    WriteText(installed, "not a folder");
    EXPECT_EQ(ExportStartFolder(installed, data), data / "Profiles");
    EXPECT_TRUE(std::filesystem::is_directory(data / "Profiles"));
    EXPECT_EQ(ModeOf(data), 0700u);
    EXPECT_EQ(ModeOf(data / "Profiles"), 0700u);
}

// A program folder of another user's (a build tree, a shared folder) gets no
// "Profiles" of this user's, even where this user could write there.
TEST(ProfileFiles, ExportStartsInTheDataFolderWhenTheProgramFolderIsAnotherUsers) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give a folder to another user";
    }
    TempDir dir;
    const auto program = dir / "theirs";
    const auto data = dir / "data";
    std::filesystem::create_directories(program);
    ASSERT_EQ(::chown(program.c_str(), 65534, 65534), 0);
    EXPECT_EQ(ExportStartFolder(program, data), data / "Profiles");
    EXPECT_FALSE(std::filesystem::exists(program / "Profiles"));
}

// The working files: links planted in the data folder lead nowhere, and what
// is saved stays private to the user.
class WorkingFilesTest : public ProfileSetTest {
  protected:
    WorkingFilesTest() {
        std::filesystem::create_directories(FileOf(1).parent_path());
        std::filesystem::create_directories(m_dir / "outside");
        Profile outside;
        outside.name = u"Outside";
        EXPECT_TRUE(SaveProfile(outside, m_outsideFile));
        m_outsideBytes = ReadBytes(m_outsideFile);
    }

    void PlantLink(int number) const {
        std::filesystem::create_symlink(m_outsideFile, FileOf(number));
    }
    bool IsLink(int number) const {
        return std::filesystem::is_symlink(std::filesystem::symlink_status(FileOf(number)));
    }

    const std::filesystem::path m_outsideFile = m_dir / "outside" / "victim.profile";
    std::vector<std::uint8_t> m_outsideBytes;
};

TEST_F(WorkingFilesTest, ALinkAtAWorkingFileIsNeitherReadNorWrittenThrough) {
    PlantLink(1);
    PlantLink(2);
    m_set.LoadAllProfiles(DataFolder());
    EXPECT_EQ(m_set.profile(1).name, u"Profile1");  // the linked file is not read

    m_set.SaveProfileFile(2);
    EXPECT_EQ(ReadBytes(m_outsideFile), m_outsideBytes);
    EXPECT_FALSE(IsLink(2));
    m_view.Apply();
    EXPECT_EQ(ReadBytes(m_outsideFile), m_outsideBytes);
    EXPECT_FALSE(IsLink(1));
    Profile read;
    EXPECT_EQ(LoadProfile(FileOf(1), read), ProfileReadResult::Complete);
    EXPECT_EQ(read.name, u"Profile1");
}

TEST_F(WorkingFilesTest, TheDataFolderItsProfilesAndTheirFilesArePrivate) {
    std::filesystem::remove_all(m_dir / "Dravik");
    const mode_t oldMask = ::umask(022);
    m_view.Apply();
    ::umask(oldMask);
    EXPECT_EQ(ModeOf(DataFolder()), 0700u);
    EXPECT_EQ(ModeOf(DataFolder() / "Profiles"), 0700u);
    for (int k = 1; k <= kProfileCount; ++k) {
        EXPECT_EQ(ModeOf(FileOf(k)), 0600u) << k;
    }
}

// Run as root with a user's data folder (as "sudo -E" leaves XDG_CONFIG_HOME):
// a link of the user's to a file of root's is not written through, by "Apply"
// nor by "Save current settings", and a file of another user is not read.
TEST_F(WorkingFilesTest, AsRootAnotherUsersFilesAndLinksAreLeftAlone) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give files to another user";
    }
    constexpr uid_t kOtherUser = 65534;
    Profile foreign;
    foreign.name = u"Foreign";
    ASSERT_TRUE(SaveProfile(foreign, FileOf(3)));
    ASSERT_EQ(::chown(FileOf(3).c_str(), kOtherUser, kOtherUser), 0);
    const std::vector<std::uint8_t> foreignBytes = ReadBytes(FileOf(3));
    m_set.LoadAllProfiles(DataFolder());
    EXPECT_EQ(m_set.profile(3).name, u"Profile3");
    m_view.Apply();
    EXPECT_EQ(ReadBytes(FileOf(3)), foreignBytes);

    // The whole folder the user's, with a link to root's file in it.
    std::filesystem::remove(FileOf(1));
    PlantLink(1);
    ::lchown(FileOf(1).c_str(), kOtherUser, kOtherUser);
    for (const std::filesystem::path& folder :
         {m_dir / "Dravik", DataFolder(), FileOf(1).parent_path()}) {
        ASSERT_EQ(::chown(folder.c_str(), kOtherUser, kOtherUser), 0);
    }
    m_view.Apply();
    m_set.SaveProfileFile(1);
    EXPECT_EQ(ReadBytes(m_outsideFile), m_outsideBytes);
    EXPECT_TRUE(IsLink(1));
}

}  // namespace
}  // namespace solune::test
