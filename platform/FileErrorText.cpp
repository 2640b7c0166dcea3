#include "platform/FileErrorText.h"

#include <cctype>
#include <cerrno>
#include <cstring>

namespace solune {

namespace {

std::string SystemText(int error) {
    std::string text = std::strerror(error);
    if (!text.empty()) {
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    }
    return text;
}

}  // namespace

std::string FileErrorText(int error, FileAccess access) {
    if (error == ENOSPC || error == EDQUOT) {
        return "the disk is full";
    }
    const bool writing = access == FileAccess::Writing;
    switch (error) {
        case EACCES:
        case EPERM:
            return writing ? "the folder cannot be written" : "the file may not be read";
        case EROFS:
            return writing ? "the folder cannot be written" : SystemText(error);
        case ENOTDIR:
            return writing ? "a file is in the place of its folder" : SystemText(error);
        case ENOENT:
            return writing ? SystemText(error) : "the file does not exist";
        case EISDIR:
            return writing ? "a folder is in the place of the file" : "it is a folder";
        default:
            return SystemText(error);
    }
}

}  // namespace solune
