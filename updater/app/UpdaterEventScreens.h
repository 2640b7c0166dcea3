#pragma once
// The updater window's status screens by number, and the one table that says
// which screen shows each event of the update (UpdateView.h).

#include "updater/bootloader/UpdateView.h"

namespace solune {

inline constexpr int kScreenFirmwareIncorrect = 1;
inline constexpr int kScreenCanNotFind = 2;
inline constexpr int kScreenUpToDate = 3;
inline constexpr int kScreenFirmwareNewer = 4;
inline constexpr int kScreenUpdateFirmware = 5;
inline constexpr int kScreenEncounteredProblem = 6;
inline constexpr int kScreenUpdateCompleted = 7;
inline constexpr int kScreenSuccessfullyUpdate = 9;
inline constexpr int kScreenFirmwareUpdate = 10;
inline constexpr int kScreenPleaseExit = 11;

// The screen that shows `event`.
int ScreenForEvent(UpdateEvent event);

}  // namespace solune
