// Conversions between the UTF-16 texts of the user interface and the 8-bit texts of files:
// UTF-8 both ways, and UTF-16 to the ANSI code page in which the output delimiter is written.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

// Never fails: an unpaired surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);
// Never fails: each malformed, overlong or truncated sequence becomes one U+FFFD.
std::u16string utf8ToUtf16(std::string_view text);

// UTF-16 to the process's ANSI code page. A character the code page cannot represent becomes
// the code page's default character ('?'); no best-fit substitutes.
std::string utf16ToAnsi(std::u16string_view text);

// Bytes in the process's ANSI code page to UTF-8 (texts of a DBC file written in that code
// page). Never fails: a byte sequence the code page does not define becomes U+FFFD.
std::string ansiToUtf8(std::string_view bytes);

// The ANSI code page used by utf16ToAnsi and ansiToUtf8. On Windows 0 stands for the system's code
// page and is the default; elsewhere the default is 1252. False (and no change) for a code page
// this system cannot convert to.
bool setAnsiCodePage(uint32_t codePage);
uint32_t ansiCodePage();

// Paths as UTF-16 text and back, without exceptions for any byte sequence a path may hold.
std::u16string pathToUtf16(const std::filesystem::path& path);
std::filesystem::path pathFromUtf16(std::u16string_view text);

// A path from UTF-8 text (the command line's arguments), and back.
std::filesystem::path pathFromUtf8(const std::string& text);
std::string pathToUtf8(const std::filesystem::path& path);

}  // namespace platform
