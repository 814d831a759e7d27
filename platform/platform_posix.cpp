// Platform services on POSIX systems, answering as the Win32 versions do.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/platform.h"

namespace platform {

namespace {
int32_t lastError() { return systemError(windowsErrorFromErrno(errno)); }
}  // namespace

InputFile::~InputFile() { close(); }

int32_t InputFile::open(const Path& path) {
    close();
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        // Windows tells a missing folder (3) from a missing file (2).
        if (errno == ENOENT && path.has_parent_path()) {
            struct stat parent {};
            if (::stat(path.parent_path().c_str(), &parent) != 0) return systemError(3);
        }
        return lastError();
    }
    struct stat info {};
    // Windows refuses to open a folder as a file; answer the same here.
    if (::fstat(fd_, &info) == 0 && S_ISDIR(info.st_mode)) {
        close();
        return systemError(5);
    }
    return kOk;
}

int32_t InputFile::size(uint64_t& bytes) const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) return lastError();
    bytes = static_cast<uint64_t>(info.st_size);
    return kOk;
}

int32_t InputFile::readAll(void* buffer, uint64_t bytes) {
    auto* out = static_cast<unsigned char*>(buffer);
    while (bytes > 0) {
        const size_t chunk = bytes > (1u << 30) ? (1u << 30) : static_cast<size_t>(bytes);
        const ssize_t got = ::read(fd_, out, chunk);
        if (got < 0) {
            if (errno == EINTR) continue;
            return lastError();
        }
        if (got == 0) return systemError(38);  // ERROR_HANDLE_EOF: the file shrank meanwhile
        out += got;
        bytes -= static_cast<uint64_t>(got);
    }
    return kOk;
}

int32_t InputFile::readSome(void* buffer, size_t capacity, size_t& got) {
    got = 0;
    for (;;) {
        const ssize_t count = ::read(fd_, buffer, capacity);
        if (count >= 0) {
            got = static_cast<size_t>(count);
            return kOk;
        }
        if (errno != EINTR) return lastError();
    }
}

int32_t InputFile::readAt(uint64_t offset, void* buffer, uint64_t bytes) {
    auto* out = static_cast<unsigned char*>(buffer);
    while (bytes > 0) {
        const size_t chunk = bytes > (1u << 30) ? (1u << 30) : static_cast<size_t>(bytes);
        const ssize_t got = ::pread(fd_, out, chunk, static_cast<off_t>(offset));
        if (got < 0) {
            if (errno == EINTR) continue;
            return lastError();
        }
        if (got == 0) return systemError(38);  // ERROR_HANDLE_EOF: the file shrank meanwhile
        out += got;
        offset += static_cast<uint64_t>(got);
        bytes -= static_cast<uint64_t>(got);
    }
    return kOk;
}

void InputFile::close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

std::FILE* openFile(const Path& path, const char* mode) { return std::fopen(path.c_str(), mode); }

void debugOutput(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

std::vector<std::string> utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

}  // namespace platform
