#include "updater/app/UpdaterEventScreens.h"

#include <array>

namespace solune {

namespace {

struct EventScreen {
    UpdateEvent event;
    int screen;
};

constexpr std::array<EventScreen, 10> kEventScreens = {{
    {UpdateEvent::ConfigProgramRunning, kScreenPleaseExit},
    {UpdateEvent::PackageRefused, kScreenFirmwareIncorrect},
    {UpdateEvent::NoMouse, kScreenCanNotFind},
    {UpdateEvent::UpToDate, kScreenUpToDate},
    {UpdateEvent::MouseNewer, kScreenFirmwareNewer},
    {UpdateEvent::FileNewer, kScreenUpdateFirmware},
    {UpdateEvent::UpdateStarted, kScreenFirmwareUpdate},
    {UpdateEvent::UpdateFailed, kScreenEncounteredProblem},
    {UpdateEvent::TransferDone, kScreenUpdateCompleted},
    {UpdateEvent::MouseRestarted, kScreenSuccessfullyUpdate},
}};

}  // namespace

int ScreenForEvent(UpdateEvent event) {
    for (const EventScreen& entry : kEventScreens) {
        if (entry.event == event) {
            return entry.screen;
        }
    }
    // Every event has its row; an event without one shows no screen.
    return 0;
}

}  // namespace solune
