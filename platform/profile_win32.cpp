// Private-profile access through the Win32 functions.
#include <windows.h>

#include <string>

#include "platform/profile.h"
#include "platform/profile_text.h"

namespace platform {

namespace {

std::wstring wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

// A relative name would make the profile functions look in the Windows folder.
std::wstring absoluteName(const Path& path) {
    std::error_code ignored;
    const Path absolute = std::filesystem::absolute(path, ignored);
    return absolute.empty() ? path.native() : absolute.native();
}

// The profile functions write a new file in the ANSI code page, which loses every character
// outside it; a file that begins with the UTF-16 byte order mark is kept in UTF-16.
void createUnicodeFile(const std::wstring& name) {
    HANDLE file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const unsigned char bom[2] = {0xFF, 0xFE};
    DWORD written = 0;
    WriteFile(file, bom, sizeof bom, &written, nullptr);
    CloseHandle(file);
}

}  // namespace

std::u16string readProfileString(const Path& path, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view defaultValue) {
    const std::wstring name = absoluteName(path);
    const std::wstring sectionText = wide(section);
    const std::wstring keyText = wide(key);
    const std::wstring defaultText = wide(defaultValue);
    std::wstring buffer(256, L'\0');
    for (;;) {
        const DWORD got = GetPrivateProfileStringW(sectionText.c_str(), keyText.c_str(),
                                                   defaultText.c_str(), buffer.data(),
                                                   static_cast<DWORD>(buffer.size()), name.c_str());
        // A value that filled the buffer may have been cut: ask again with more room.
        if (got + 1 < buffer.size() || buffer.size() >= (1u << 16)) {
            return std::u16string(buffer.begin(),
                                  buffer.begin() + static_cast<std::ptrdiff_t>(got));
        }
        buffer.assign(buffer.size() * 4, L'\0');
    }
}

bool writeProfileString(const Path& path, std::u16string_view section, std::u16string_view key,
                        std::u16string_view value) {
    if (!profile::isStorableProfileEntry(section, key, value)) return false;
    const std::wstring name = absoluteName(path);
    if (GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES) createUnicodeFile(name);
    return WritePrivateProfileStringW(wide(section).c_str(), wide(key).c_str(), wide(value).c_str(),
                                      name.c_str()) != FALSE;
}

}  // namespace platform
