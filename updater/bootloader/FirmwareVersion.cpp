#include "updater/bootloader/FirmwareVersion.h"

namespace solune {

UpdateMode CompareVersions(std::uint16_t fileVersion, std::uint16_t mouseVersion) {
    if (fileVersion == mouseVersion) {
        return UpdateMode::None;
    }
    return fileVersion < mouseVersion ? UpdateMode::MouseNewer : UpdateMode::FileNewer;
}

UpdateEvent EventForUpdateMode(UpdateMode mode) {
    switch (mode) {
        case UpdateMode::None:
            return UpdateEvent::UpToDate;
        case UpdateMode::MouseNewer:
            return UpdateEvent::MouseNewer;
        case UpdateMode::FileNewer:
            return UpdateEvent::FileNewer;
        case UpdateMode::Completed:
            return UpdateEvent::TransferDone;
    }
    return UpdateEvent::UpToDate;
}

}  // namespace solune
