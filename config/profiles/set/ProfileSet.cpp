#include "config/profiles/set/ProfileSet.h"

#include "config/profiles/set/DamagedProfileCopy.h"
#include "config/device/DeviceCommands.h"
#include "config/device/HidLink.h"
#include "config/device/WriteProfileImage.h"
#include "config/profiles/ApplyPointerSettings.h"
#include "config/profiles/ProfileFile.h"
#include "platform/MessageSink.h"

namespace solune {

namespace {

std::u16string DefaultName(int number) {
    const std::string text = "Profile" + std::to_string(number);
    return std::u16string(text.begin(), text.end());
}

// True when something is at `path` (a missing file is a first start, not damage).
bool SomethingAt(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::symlink_status(path, ec).type() !=
           std::filesystem::file_type::not_found;
}

}  // namespace

ProfileSet::ProfileSet(HidLink* link, PointerSettings& desktop, MessageSink& messages)
    : m_link(link), m_desktop(desktop), m_messages(messages) {}

void ProfileSet::LoadAllProfiles(const std::filesystem::path& dataFolder) {
    m_readProblems.clear();
    for (int number = 1; number <= kProfileCount; ++number) {
        Profile& p = profile(number);
        p = Profile();
        p.slot = static_cast<std::uint8_t>(number - 1);
        p.name = DefaultName(number);
        p.filePath = ProfileFilePath(dataFolder, number);
        // Read into a copy: a file cut short must not leave a profile half
        // read, which the next save would write back as if it were whole.
        Profile read = p;
        const ProfileReadResult result = LoadWorkingProfile(read);
        m_damaged[number - 1] = result != ProfileReadResult::Complete && SomethingAt(p.filePath);
        if (result == ProfileReadResult::Complete) {
            p = std::move(read);
        } else if (m_damaged[number - 1]) {
            m_readProblems.push_back(UnreadableProfileLine(number, p.filePath, result));
        }
    }
    m_current = 1;
}

void ProfileSet::TellUnreadableProfiles() {
    if (!m_readProblems.empty()) {
        tell(UnreadableProfilesMessage(m_readProblems));
        m_readProblems.clear();
    }
}

void ProfileSet::tell(const std::string& text) {
    if (!text.empty()) {
        m_messages.showMessage(text);
    }
}

std::string ProfileSet::saveOwnFile(int number) {
    Profile& p = profile(number);
    if (m_damaged[number - 1]) {
        const FileWriteStatus kept = KeepDamagedCopy(p.filePath);
        if (!kept) {
            return DamagedCopyFailure(number, kept);
        }
        m_damaged[number - 1] = false;
    }
    const FileWriteStatus saved = m_writer ? m_writer(p, p.filePath) : SaveWorkingProfile(p);
    return saved ? std::string() : ProfileSaveFailure(number, saved);
}

FileWriteStatus ProfileSet::writeFile(const Profile& profile, const std::filesystem::path& path) {
    return m_writer ? m_writer(profile, path) : SaveProfile(profile, path);
}

std::vector<std::string> ProfileSet::saveAllFiles() {
    std::vector<std::string> lines;
    for (int number = 1; number <= kProfileCount; ++number) {
        std::string line = saveOwnFile(number);
        if (!line.empty()) {
            lines.push_back(std::move(line));
        }
    }
    return lines;
}

void ProfileSet::Select(int number) {
    m_current = number;
}

void ProfileSet::Rename(int number, const std::u16string& name) {
    profile(number).name = name;
}

void ProfileSet::SaveProfileFile(int number) {
    tell(saveOwnFile(number));
}

bool ProfileSet::ExportProfile(int number, const std::filesystem::path& chosen) {
    const FileWriteStatus saved = writeFile(profile(number), ExportTarget(chosen));
    if (!saved) {
        tell(ProfileExportFailure(number, saved));
    }
    return saved.ok();
}

ProfileReadResult ProfileSet::ImportProfile(int number, const std::filesystem::path& chosen) {
    // Read into a copy, so a cut-short or foreign file never leaves the profile
    // half overwritten.
    Profile read = profile(number);
    const ProfileReadResult result = LoadProfile(chosen, read);
    if (result == ProfileReadResult::Complete) {
        profile(number) = std::move(read);
    }
    return result;
}

void ProfileSet::TellImportFailure(ProfileReadResult result, const std::filesystem::path& chosen) {
    if (result != ProfileReadResult::Complete) {
        tell(ImportFailure(result, chosen));
    }
}

void ProfileSet::ToggleEnabled(int number) {
    if (number == 1) {
        return;
    }
    Profile& p = profile(number);
    p.enabled = p.enabled != 0 ? 0 : 1;
}

void ProfileSet::ResetAllProfiles() {
    for (int number = 1; number <= kProfileCount; ++number) {
        Profile& p = profile(number);
        p.enabled = 1;
        p.name = DefaultName(number);
        p.ResetToDefaults();
    }
}

ApplyProblems ProfileSet::BeginApply() {
    m_busy = 1;
    ApplyWindowsPointerSettings(current(), m_desktop);
    return ApplyProblems{saveAllFiles(), {}};
}

bool ProfileSet::FindMouseForApply(ApplyProblems& problems) {
    // A connection whose handle was closed is looked for again rather than
    // written into, which could only fail.
    const bool found = m_link != nullptr && ((m_link->deviceConnected() == 1 && m_link->IsOpen()) ||
                                             m_link->FindDevice());
    if (!found) {
        if (m_link != nullptr) {
            m_link->CloseDevice();
        }
        problems.mouse = kMouseNotFoundText;
    }
    return found;
}

void ProfileSet::WriteMouse(ApplyProblems& problems) {
    // A profile whose macros are too long is not written; the others still
    // are. A write that fails ends the writing: the mouse is not answering.
    std::vector<std::string> lines;
    bool failed = false;
    for (int number = 1; number <= kProfileCount && !failed; ++number) {
        const CommandResult written = WriteProfileImage(*m_link, profile(number));
        if (written == CommandResult::Limit) {
            lines.push_back(ProfileNotWritten(number));
        }
        failed = written == CommandResult::Failed;
    }
    failed = failed || SetActiveProfile(*m_link, current().slot) != CommandResult::Done;
    if (failed) {
        lines.push_back(mouseFailure());
    }
    problems.mouse = JoinLines(lines);
}

void ProfileSet::FinishApply(const ApplyProblems& problems) {
    // The messages come after all the writing, so the busy pointer is not
    // interrupted by a box.
    tell(JoinLines(problems.fileLines));
    tell(problems.mouse);
    m_busy = 0;
}

std::string ProfileSet::mouseFailure() {
    // A fresh search tells a mouse that went away from one that is still
    // plugged in; it also replaces a handle that went stale.
    if (m_link->FindDevice()) {
        return kMouseNoAnswerText;
    }
    m_link->CloseDevice();
    return kMouseNotFoundText;
}

DeviceProfileChange ProfileSet::FollowDeviceProfile(bool allowed) {
    DeviceProfileChange change;
    if (m_link == nullptr || !m_link->IsOpen() || !allowed || m_busy != 0) {
        return change;
    }
    int slot = 0;
    if (GetActiveProfile(*m_link, slot) != CommandResult::Done || slot == m_lastDeviceSlot) {
        return change;
    }
    m_lastDeviceSlot = static_cast<std::uint8_t>(slot);
    change.changed = true;
    for (int number = 1; number <= kProfileCount; ++number) {
        if (profile(number).slot == slot) {
            change.number = number;
            break;
        }
    }
    return change;
}

void ProfileSet::ApplyDesktopPointer() {
    ApplyWindowsPointerSettings(current(), m_desktop);
}

void ProfileSet::ApplyDesktopPointer(int number) {
    ApplyWindowsPointerSettings(profile(number), m_desktop);
}

}  // namespace solune
