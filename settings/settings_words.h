// What the Windows program's settings file and its output section share: a key's word read as
// its number, a number written as its word, and texts kept whole through the profile reader.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/settings_file.h"

namespace settings {

// The number of `value` among the key's words; the key's other value for a word it does not know.
int32_t numberOfWord(const SettingsKey& key, std::u16string_view value);

// The word of `number`; the other value's word for a number out of range.
std::u16string_view wordOfNumber(const SettingsKey& key, int32_t number);

// The profile reader drops blanks around a value and one pair of matching quotes; a value that
// would lose characters that way is written inside double quotes, so it reads back as it was.
std::u16string protectedText(std::u16string_view text);

}  // namespace settings
