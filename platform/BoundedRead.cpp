#include "platform/BoundedRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace solune {

namespace {

// Opens without blocking (a FIFO without a writer would block the open) and
// keeps the descriptor only for a regular file.
int openRegular(const std::filesystem::path& path, int flags, FileReadResult& result) {
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        result = FileReadResult::CannotOpen;
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        result = FileReadResult::NotRegularFile;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    result = FileReadResult::Done;
    return fd;
}

// Reads until the end of the file, failing once more than `maxBytes` arrive
// (the file may grow while it is read).
template <typename Buffer>
FileReadResult readAll(int fd, std::size_t maxBytes, Buffer& out) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        return FileReadResult::ReadFailed;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) {
        return FileReadResult::TooLarge;
    }
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    for (;;) {
        if (done == out.size()) {
            if (out.size() > maxBytes) {
                return FileReadResult::TooLarge;
            }
            // One byte more than expected shows whether the file grew.
            out.resize(out.size() + 1);
        }
        const ssize_t n = ::read(fd, out.data() + done, out.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return FileReadResult::ReadFailed;
        }
        if (n == 0) {
            out.resize(done);
            return FileReadResult::Done;
        }
        done += static_cast<std::size_t>(n);
    }
}

template <typename Buffer>
FileReadResult readOpen(int fd, std::size_t maxBytes, Buffer& out) {
    out.clear();
    const FileReadResult result = readAll(fd, maxBytes, out);
    if (result != FileReadResult::Done) {
        out.clear();
        out.shrink_to_fit();
    }
    return result;
}

template <typename Buffer>
FileReadResult readRegular(const std::filesystem::path& path, std::size_t maxBytes, Buffer& out) {
    out.clear();
    FileReadResult result = FileReadResult::Done;
    const int fd = openRegular(path, O_RDONLY, result);
    if (fd < 0) {
        return result;
    }
    result = readOpen(fd, maxBytes, out);
    ::close(fd);
    return result;
}

}  // namespace

FileReadResult ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes,
                               std::vector<std::uint8_t>& bytes) {
    return readRegular(path, maxBytes, bytes);
}

FileReadResult ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes,
                               std::string& text) {
    return readRegular(path, maxBytes, text);
}

FileReadResult ReadOpenFile(int fd, std::size_t maxBytes, std::vector<std::uint8_t>& bytes) {
    return readOpen(fd, maxBytes, bytes);
}

FileReadResult ReadOpenFile(int fd, std::size_t maxBytes, std::string& text) {
    return readOpen(fd, maxBytes, text);
}

std::string FileReadProblem(FileReadResult result, std::size_t maxBytes) {
    switch (result) {
        case FileReadResult::Done:
            return {};
        case FileReadResult::CannotOpen:
            return "cannot be opened";
        case FileReadResult::NotRegularFile:
            return "is not a regular file";
        case FileReadResult::TooLarge:
            return "is larger than " + std::to_string(maxBytes) + " bytes";
        case FileReadResult::ReadFailed:
            return "cannot be read";
        case FileReadResult::Link:
            return "is a symbolic link, which is not followed";
        case FileReadResult::ForeignOwner:
            return "belongs to another user";
        case FileReadResult::WriteFailed:
            return "cannot be written";
    }
    return "cannot be read";
}

bool ReadStreamUpTo(std::istream& in, std::size_t maxBytes, std::string& text) {
    text.clear();
    char chunk[65536];
    while (in) {
        in.read(chunk, sizeof chunk);
        const std::size_t got = static_cast<std::size_t>(in.gcount());
        if (got > maxBytes - text.size()) {
            text.clear();
            text.shrink_to_fit();
            return false;
        }
        text.append(chunk, got);
    }
    return true;
}

int OpenRegularFileForAppend(const std::filesystem::path& path) {
    FileReadResult result = FileReadResult::Done;
    return openRegular(path, O_WRONLY | O_APPEND | O_CREAT, result);
}

}  // namespace solune
