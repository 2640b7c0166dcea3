#pragma once
// The instance locks of the two window programs (SingleInstance): one copy of
// each at a time, and no firmware update while the configuration program runs.

namespace solune {

// VESK, the configuration program.
inline constexpr const char* kVeskInstanceName = "SOLUNE300 Config";
// W38Updater.
inline constexpr const char* kUpdaterInstanceName = "W38_SOLUNE420_Firmware_Upadter";

}  // namespace solune
