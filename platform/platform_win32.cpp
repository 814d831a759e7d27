// Platform services on Windows, through the Win32 API.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/platform.h"

namespace platform {

namespace {
int32_t lastError() { return systemError(GetLastError()); }

std::wstring widen(const char* text) {
    std::wstring wide;
    for (; *text != '\0'; ++text)
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*text)));
    return wide;
}
}  // namespace

InputFile::~InputFile() { close(); }

int32_t InputFile::open(const Path& path) {
    close();
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return lastError();
    handle_ = file;
    return kOk;
}

int32_t InputFile::size(uint64_t& bytes) const {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(static_cast<HANDLE>(handle_), &size)) return lastError();
    bytes = static_cast<uint64_t>(size.QuadPart);
    return kOk;
}

int32_t InputFile::readAll(void* buffer, uint64_t bytes) {
    auto* out = static_cast<unsigned char*>(buffer);
    while (bytes > 0) {
        const DWORD chunk = bytes > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes);
        DWORD got = 0;
        if (!ReadFile(static_cast<HANDLE>(handle_), out, chunk, &got, nullptr)) return lastError();
        if (got == 0) return systemError(ERROR_HANDLE_EOF);
        out += got;
        bytes -= got;
    }
    return kOk;
}

int32_t InputFile::readSome(void* buffer, size_t capacity, size_t& got) {
    got = 0;
    const DWORD chunk = capacity > (1u << 30) ? (1u << 30) : static_cast<DWORD>(capacity);
    DWORD count = 0;
    if (!ReadFile(static_cast<HANDLE>(handle_), buffer, chunk, &count, nullptr)) {
        // The writer of a pipe closing its end is the end of the input.
        if (GetLastError() == ERROR_BROKEN_PIPE) return kOk;
        return lastError();
    }
    got = count;
    return kOk;
}

int32_t InputFile::readAt(uint64_t offset, void* buffer, uint64_t bytes) {
    auto* out = static_cast<unsigned char*>(buffer);
    while (bytes > 0) {
        const DWORD chunk = bytes > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes);
        // On a handle opened without FILE_FLAG_OVERLAPPED this is a plain read at the offset.
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD got = 0;
        if (!ReadFile(static_cast<HANDLE>(handle_), out, chunk, &got, &at)) return lastError();
        if (got == 0) return systemError(ERROR_HANDLE_EOF);
        out += got;
        offset += got;
        bytes -= got;
    }
    return kOk;
}

void InputFile::close() {
    if (handle_ != nullptr) {
        CloseHandle(static_cast<HANDLE>(handle_));
        handle_ = nullptr;
    }
}

std::FILE* openFile(const Path& path, const char* mode) {
    return _wfopen(path.c_str(), widen(mode).c_str());
}

void debugOutput(std::string_view text) {
    const std::wstring wide = widen(std::string(text).c_str());
    OutputDebugStringW(wide.c_str());
}

std::vector<std::string> utf8Arguments(int, char**) {
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return args;
    for (int i = 0; i < count; ++i) {
        const int bytes =
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string text(bytes > 1 ? static_cast<size_t>(bytes - 1) : 0, '\0');
        if (bytes > 1) {
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(), bytes, nullptr, nullptr);
        }
        args.push_back(std::move(text));
    }
    LocalFree(wide);
    return args;
}

}  // namespace platform
