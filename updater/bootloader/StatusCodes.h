#pragma once
// Status codes of the boot loader's replies (byte 1) and the results of the
// updater's normal-mode requests.

#include <string_view>

namespace solune {

// Boot-loader statuses. 0 means the request was not sent or no reply was read;
// 5 and values above 6 have no name.
inline constexpr int kStatusNotSent = 0;
inline constexpr int kHcOk = 1;
inline constexpr int kHcCsError = 2;
inline constexpr int kHcNotReady = 3;
inline constexpr int kHcError = 4;
inline constexpr int kHcRcving = 6;

// Normal-mode requests.
inline constexpr int kRequestDone = 1;
inline constexpr int kRequestFailed = 3;

// The name a status is logged with ("HC_OK" ...); empty for a code without one,
// which writes no log line.
std::string_view StatusName(int status);

}  // namespace solune
