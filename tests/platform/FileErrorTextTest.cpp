#include "platform/FileErrorText.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace {

using solune::FileAccess;
using solune::FileErrorText;

TEST(FileErrorText, CommonReasonsArePlainWordsAndOthersTheSystemsText) {
    struct Case {
        int error;
        FileAccess access;
        const char* text;
    };
    const Case cases[] = {
        {ENOSPC, FileAccess::Writing, "the disk is full"},
        {EDQUOT, FileAccess::Writing, "the disk is full"},
        {EACCES, FileAccess::Writing, "the folder cannot be written"},
        {EPERM, FileAccess::Writing, "the folder cannot be written"},
        {EROFS, FileAccess::Writing, "the folder cannot be written"},
        {ENOTDIR, FileAccess::Writing, "a file is in the place of its folder"},
        {EISDIR, FileAccess::Writing, "a folder is in the place of the file"},
        {ENOENT, FileAccess::Reading, "the file does not exist"},
        {EACCES, FileAccess::Reading, "the file may not be read"},
        {EISDIR, FileAccess::Reading, "it is a folder"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileErrorText(c.error, c.access), c.text) << c.error;
    }
    // Anything else: the system's text, starting in lower case to follow a colon.
    std::string io = std::strerror(EIO);
    io[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(io[0])));
    EXPECT_EQ(FileErrorText(EIO, FileAccess::Writing), io);
    EXPECT_EQ(FileErrorText(EIO, FileAccess::Reading), io);
}

}  // namespace
