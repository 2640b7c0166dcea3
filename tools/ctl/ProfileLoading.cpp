#include "tools/ctl/ProfileLoading.h"

#include "config/profiles/ProfileFile.h"
#include "platform/FileErrorText.h"

namespace solune::ctl {

bool LoadProfileOrFail(CtlContext& c, const std::string& file, Profile& profile) {
    switch (LoadProfile(file, profile)) {
        case ProfileReadResult::Complete:
            return true;
        case ProfileReadResult::Unreadable:
            c.Fail(kExitBadInput,
                   file + ": cannot read the file (missing, unreadable or not a regular file)");
            return false;
        case ProfileReadResult::TooLarge:
            c.Fail(kExitBadInput, file + ": the file is larger than " +
                                      std::to_string(kMaxProfileFileBytes) +
                                      " bytes, more than any profile holds");
            return false;
        case ProfileReadResult::Foreign:
            c.Fail(kExitBadInput, file + ": not a profile file (wrong magic bytes)");
            return false;
        case ProfileReadResult::Truncated:
            c.Fail(kExitBadInput, file + ": the profile file ends early");
            return false;
    }
    return false;
}

void SaveProfileOrFail(CtlContext& c, const Profile& profile, const std::string& file) {
    const FileWriteStatus written = SaveProfile(profile, file);
    if (!written) {
        c.Fail(kExitWriteFailed, file + ": cannot write the file: " +
                                     FileErrorText(written.error, FileAccess::Writing));
    }
}

}  // namespace solune::ctl
