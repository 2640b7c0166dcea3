#pragma once
// The one place where an errno value becomes words for the user: the end of
// a sentence such as "Profile 2 could not be saved: the disk is full."

#include <string>

namespace solune {

enum class FileAccess { Reading, Writing };

// A short lower-case phrase without a final full stop: ENOSPC and EDQUOT
// "the disk is full"; when writing, EACCES, EPERM and EROFS "the folder cannot
// be written", ENOTDIR "a file is in the place of its folder" and EISDIR "a
// folder is in the place of the file"; when
// reading, ENOENT "the file does not exist", EACCES and EPERM "the file may
// not be read" and EISDIR "it is a folder"; any other value the system's own
// text (strerror), its first letter in lower case.
std::string FileErrorText(int error, FileAccess access);

}  // namespace solune
