#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/output_file.h"

namespace platform {

namespace {

// Paths of 260 units and more need the extended-length form, which takes absolute paths only.
std::wstring systemPath(const Path& path) {
    std::wstring text = path.native();
    if (text.size() < MAX_PATH) return text;
    std::error_code error;
    Path absolute = std::filesystem::absolute(path, error);
    if (error) return text;
    absolute.make_preferred();
    const std::wstring full = absolute.native();
    if (full.rfind(L"\\\\?\\", 0) == 0) return full;
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

int errnoFromWindowsError(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return EACCES;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_NOT_SAME_DEVICE:
            return EXDEV;
        default:
            return EIO;
    }
}

}  // namespace

std::FILE* createNewFile(const Path& path) {
    const int fd = _wopen(systemPath(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                          _S_IREAD | _S_IWRITE);
    if (fd < 0) return nullptr;
    std::FILE* file = _fdopen(fd, "wb");
    if (file == nullptr) {
        const int error = errno;
        _close(fd);
        _wremove(systemPath(path).c_str());
        errno = error;
    }
    return file;
}

int replaceFile(const Path& from, const Path& to) {
    if (MoveFileExW(systemPath(from).c_str(), systemPath(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0) {
        return 0;
    }
    return errnoFromWindowsError(GetLastError());
}

int checkReplaceable(const Path& path) {
    const DWORD attributes = GetFileAttributesW(systemPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return 0;
    // Opening a folder or a read-only file for writing fails with EACCES on Windows.
    if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) return EACCES;
    return 0;
}

bool isSpecialFile(const Path& path) {
    // Devices such as NUL and CON are named, not found as files.
    const std::wstring name = path.filename().native();
    return _wcsicmp(name.c_str(), L"NUL") == 0 || _wcsicmp(name.c_str(), L"CON") == 0;
}

}  // namespace platform
