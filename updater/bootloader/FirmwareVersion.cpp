#include "updater/bootloader/FirmwareVersion.h"

#include "updater/bootloader/UpdateView.h"

namespace solune {

UpdateMode CompareVersions(std::uint16_t fileVersion, std::uint16_t mouseVersion) {
    if (fileVersion == mouseVersion) {
        return UpdateMode::None;
    }
    return fileVersion < mouseVersion ? UpdateMode::MouseNewer : UpdateMode::FileNewer;
}

int ScreenForUpdateMode(UpdateMode mode) {
    switch (mode) {
        case UpdateMode::None:
            return kScreenUpToDate;
        case UpdateMode::MouseNewer:
            return kScreenFirmwareNewer;
        case UpdateMode::FileNewer:
            return kScreenUpdateFirmware;
        case UpdateMode::Completed:
            return kScreenUpdateCompleted;
    }
    return kScreenUpToDate;
}

}  // namespace solune
