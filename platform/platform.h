// The few operating-system services the core needs. Windows builds use the Win32 API
// (platform_win32.cpp); everywhere else a small faithful equivalent (platform_posix.cpp).
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

using Path = std::filesystem::path;

// Result codes in the HRESULT convention shared by the whole product.
constexpr int32_t kOk = 0;
constexpr int32_t kInvalidData = static_cast<int32_t>(0x8007000D);
constexpr int32_t kOutOfMemory = static_cast<int32_t>(0x8007000E);
constexpr int32_t kFail = static_cast<int32_t>(0x80004005);
constexpr int32_t kCancelled = static_cast<int32_t>(0x800704C7);
constexpr int32_t kNotSupported = static_cast<int32_t>(0x80070032);
constexpr int32_t kFileNameTooLong = static_cast<int32_t>(0x800700CE);
// ERROR_INVALID_PARAMETER: a choice of the user's that cannot be carried out (a usage error).
constexpr int32_t kInvalidArgument = static_cast<int32_t>(0x80070057);

// 0x80070000 plus a Windows system error number.
constexpr int32_t systemError(uint32_t windowsError) {
    return static_cast<int32_t>(0x80070000u | (windowsError & 0xFFFFu));
}
// 0xA0070000 plus a C runtime error number (failures of the output file).
constexpr int32_t runtimeError(int errorNumber) {
    return static_cast<int32_t>(0xA0070000u | (static_cast<uint32_t>(errorNumber) & 0xFFFFu));
}

// The Windows error number that corresponds to a C library errno value, so that both platforms
// report a failed file access with the same result code.
uint32_t windowsErrorFromErrno(int errorNumber);

// A file opened for reading: open, ask its size, read it whole in one call or piece by piece.
class InputFile {
public:
    InputFile() = default;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    int32_t open(const Path& path);                 // 0 or systemError(...)
    int32_t size(uint64_t& bytes) const;            // 0 or systemError(...)
    int32_t readAll(void* buffer, uint64_t bytes);  // reads exactly `bytes`; 0 or systemError(...)
    // Reads what comes, at most `capacity` bytes; `got` 0 at the end (also of a pipe or device).
    int32_t readSome(void* buffer, size_t capacity, size_t& got);
    // Reads exactly `bytes` from `offset` on, wherever the last read ended; 0 or systemError(...).
    int32_t readAt(uint64_t offset, void* buffer, uint64_t bytes);
    void close();

private:
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

// Reads a text file line by line as a text-mode stream does on Windows: a CR directly before
// an LF is not part of the line, and a byte 0x1A ends the input.
class TextLineReader {
public:
    TextLineReader() = default;
    TextLineReader(const TextLineReader&) = delete;
    TextLineReader& operator=(const TextLineReader&) = delete;
    ~TextLineReader();

    bool open(const Path& path);
    // Reads from bytes already in memory instead of a file, by the same rules.
    void openBytes(std::string_view bytes);
    // The next line without its line end; false at the end of the input. A last line without
    // a line feed is returned too; an empty rest after the last line feed is not.
    bool readLine(std::string& line);
    void close();

private:
    bool fill();

    std::FILE* file_ = nullptr;
    std::string buffer_;
    size_t begin_ = 0;
    bool ended_ = false;
};

// The program's arguments as UTF-8 on every platform (on Windows from the wide command line, so
// that any file name survives).
std::vector<std::string> utf8Arguments(int argc, char** argv);

// fopen with a path that may hold any Unicode character (wide on Windows). errno tells why it
// failed.
std::FILE* openFile(const Path& path, const char* mode);

// Diagnostics that the user never sees: the debugger output on Windows, standard error elsewhere.
void debugOutput(std::string_view text);

}  // namespace platform
