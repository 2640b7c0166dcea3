#pragma once
// How writing a user's file ended, with the reason when it failed, so the
// layer that talks to the user can say why (FileErrorText).

#include <cerrno>

namespace solune {

struct FileWriteStatus {
    // 0 when the file was written; otherwise the errno of the step that failed.
    int error = 0;

    bool ok() const { return error == 0; }
    explicit operator bool() const { return ok(); }

    static FileWriteStatus Written() { return {}; }
    // A failure with `error`; an error of 0 (a step that failed without
    // setting errno) still counts as a failure, reported as EIO.
    static FileWriteStatus Failed(int error) { return FileWriteStatus{error != 0 ? error : EIO}; }
};

}  // namespace solune
