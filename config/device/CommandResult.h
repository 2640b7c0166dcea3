#pragma once
// The result of a device operation.

namespace solune {

enum class CommandResult : int {
    Done = 1,
    Limit = 2,  // the profile's macros hold more events than the mouse takes
    Failed = 3,
};

}  // namespace solune
