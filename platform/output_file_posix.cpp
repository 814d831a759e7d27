#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform/output_file.h"

namespace platform {

std::FILE* createNewFile(const Path& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) {
        const int error = errno;
        ::close(fd);
        ::unlink(path.c_str());
        errno = error;
    }
    return file;
}

int replaceFile(const Path& from, const Path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int checkReplaceable(const Path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return 0;
    if (S_ISDIR(info.st_mode)) return EISDIR;
    // A file the user may not write to stays as it is, as a direct write would leave it.
    if (::access(path.c_str(), W_OK) != 0) return errno;
    return 0;
}

bool isSpecialFile(const Path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return false;
    return S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode) || S_ISFIFO(info.st_mode) ||
           S_ISSOCK(info.st_mode);
}

}  // namespace platform
