#include "config/app/ProfileSet.h"

#include "config/app/ProfileSetView.h"
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

}  // namespace

ProfileSet::ProfileSet(HidLink* link, PointerSettings& desktop, MessageSink& messages)
    : m_link(link), m_desktop(desktop), m_messages(messages) {}

void ProfileSet::LoadAllProfiles(const std::filesystem::path& dataFolder) {
    for (int number = 1; number <= kProfileCount; ++number) {
        Profile& p = profile(number);
        p = Profile();
        p.slot = static_cast<std::uint8_t>(number - 1);
        p.name = DefaultName(number);
        p.filePath = ProfileFilePath(dataFolder, number);
        LoadWorkingProfile(p);
    }
    m_current = 1;
}

void ProfileSet::SelectProfile(int number) {
    if (m_view != nullptr) {
        m_view->StorePages(current());
        m_view->SelectProfileButton(number);
    }
    m_current = number;
    if (m_view != nullptr) {
        m_view->LoadPages(current());
    }
}

void ProfileSet::Rename(int number, const std::u16string& name) {
    profile(number).name = name;
    if (m_view != nullptr) {
        m_view->SetProfileButtonText(number, profile(number));
    }
}

void ProfileSet::SaveProfileFile(int number) {
    SaveWorkingProfile(profile(number));
}

bool ProfileSet::ExportProfile(int number, const std::filesystem::path& chosen) {
    return SaveProfile(profile(number), ExportTarget(chosen));
}

bool ProfileSet::ImportProfile(int number, const std::filesystem::path& chosen) {
    // Read into a copy, so a cut-short or foreign file never leaves the profile
    // half overwritten.
    Profile read = profile(number);
    const bool taken = LoadProfile(chosen, read) == ProfileReadResult::Complete;
    if (taken) {
        profile(number) = std::move(read);
    }
    if (m_view != nullptr) {
        m_view->LoadPages(profile(number));
        m_view->SetProfileButtonText(number, profile(number));
    }
    return taken;
}

void ProfileSet::ToggleEnabled(int number) {
    if (number == 1) {
        return;
    }
    Profile& p = profile(number);
    p.enabled = p.enabled != 0 ? 0 : 1;
    if (m_view != nullptr) {
        m_view->SetProfileButtonEnabled(number, p.enabled != 0);
    }
}

void ProfileSet::ResetAllProfiles() {
    for (int number = 1; number <= kProfileCount; ++number) {
        Profile& p = profile(number);
        p.enabled = 1;
        p.name = DefaultName(number);
        if (m_view != nullptr) {
            m_view->SetProfileButtonEnabled(number, true);
            m_view->SetProfileButtonText(number, p);
        }
    }
    current().ResetToDefaults();
    if (m_view != nullptr) {
        m_view->LoadPages(current());
    }
    for (Profile& p : m_profiles) {
        p.ResetToDefaults();
    }
    ApplySettings();
}

void ProfileSet::ApplySettings() {
    m_busy = 1;
    if (m_view != nullptr) {
        m_view->StorePages(current());
    }
    ApplyWindowsPointerSettings(current(), m_desktop);
    for (const Profile& p : m_profiles) {
        SaveWorkingProfile(p);
    }
    if (m_view != nullptr) {
        m_view->SaveMacros();
    }
    writeProfilesToMouse();
    m_busy = 0;
}

void ProfileSet::writeProfilesToMouse() {
    const bool found =
        m_link != nullptr && (m_link->deviceConnected() == 1 || m_link->FindDevice());
    if (!found) {
        if (m_link != nullptr) {
            m_link->CloseDevice();
        }
        m_messages.showMessage(kMouseNotFoundText);
        return;
    }
    if (m_view != nullptr) {
        m_view->ShowBusy(true);
    }
    // A profile whose macros are too long is simply not written; the others
    // still are.
    for (const Profile& p : m_profiles) {
        WriteProfileImage(*m_link, p);
    }
    const CommandResult activated = SetActiveProfile(*m_link, current().slot);
    if (m_view != nullptr) {
        m_view->ShowBusy(false);
    }
    if (activated != CommandResult::Done) {
        m_messages.showMessage(kMouseNotFoundText);
    }
}

void ProfileSet::FollowDeviceProfile(bool windowActive) {
    if (m_link == nullptr || !m_link->IsOpen() || !windowActive || m_busy != 0) {
        return;
    }
    int slot = 0;
    if (GetActiveProfile(*m_link, slot) != CommandResult::Done) {
        return;
    }
    if (slot == m_lastDeviceSlot) {
        return;
    }
    m_lastDeviceSlot = static_cast<std::uint8_t>(slot);
    for (int number = 1; number <= kProfileCount; ++number) {
        if (profile(number).slot == slot) {
            SelectProfile(number);
            break;
        }
    }
    ApplyWindowsPointerSettings(current(), m_desktop);
}

}  // namespace solune
