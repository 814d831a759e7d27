// Private-profile (INI file) access: the Win32 functions on Windows, a reader and writer that
// answers as they do elsewhere.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace platform {

// The value of `key` in `section`, or `defaultValue` when the file, the section or the key is
// missing. Names are compared without regard to case; blanks around the value and one pair of
// matching quotes around it are removed.
std::u16string readProfileString(const Path& path, std::u16string_view section,
                                 std::u16string_view key, std::u16string_view defaultValue);

// Sets `key` in `section`, creating the file, the section or the key as needed. False when the
// file cannot be written or a name or the value cannot be stored in an INI line.
bool writeProfileString(const Path& path, std::u16string_view section, std::u16string_view key,
                        std::u16string_view value);

}  // namespace platform
