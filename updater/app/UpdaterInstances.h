#pragma once
// The names of the instance locks the updater looks at: its own (one updater
// at a time) and the configuration program's (no update while it runs).

namespace solune {

inline constexpr const char* kUpdaterInstanceName = "W38_SOLUNE420_Firmware_Upadter";
// The configuration program runs while some process holds this instance lock.
inline constexpr const char* kConfigInstanceName = "SOLUNE300 Config";

}  // namespace solune
