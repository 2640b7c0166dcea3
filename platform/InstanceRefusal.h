#pragma once
// The one line a program writes on its error stream when it cannot take its
// instance lock (SingleInstance.h) and so ends without a window:
//   "<program> is already running; its window was asked to show"
//       when another copy holds the lock and took the show request;
//   "<program> is already running"
//       when another copy holds the lock but no show request reached it;
//   "<program>: cannot use the runtime folder <folder> (it must be the user's own
//    and writable only by the user)"
//       when no copy holds the lock and the lock could not be taken (the
//       program then ends with status 1, else with 0).

#include <string>

namespace solune {

// `instanceName` is the lock's name (kVeskInstanceName, kUpdaterInstanceName),
// `programName` the name the user knows ("VESK", "W38Updater"), `windowAsked`
// whether SingleInstance::AskToShow reached a listener.
std::string InstanceRefusalText(const std::string& instanceName, const std::string& programName,
                                bool windowAsked);

}  // namespace solune
