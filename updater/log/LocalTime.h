#pragma once
// The local wall-clock time that stamps each log entry, and where it comes from.

#include <functional>

namespace solune {

struct LocalTime {
    int month = 1;  // 1 ... 12
    int day = 1;    // 1 ... 31
    int hour = 0;   // 0 ... 23
    int minute = 0;
    int second = 0;
    int millisecond = 0;  // 0 ... 999
};

// A source of local times; the log takes the real one unless a test gives another.
using LocalTimeSource = std::function<LocalTime()>;

// The system's local time now (the time zone of the process).
LocalTime CurrentLocalTime();

}  // namespace solune
