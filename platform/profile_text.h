// The rules of INI files as pure functions over their text, so that the file access around them
// stays thin and the rules can be tested without files.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform::profile {

// File bytes to text: UTF-16 (little or big endian) when the bytes begin with its byte order
// mark, otherwise UTF-8 (a UTF-8 byte order mark is skipped).
std::u16string decodeProfileBytes(std::string_view bytes);

// The value of `key` in the first section named `section`, or nothing when either is missing.
// Grammar, one statement per line:
//   [section]        a section header (blanks inside the brackets are ignored)
//   key = value      the first '=' separates; blanks around key and value are dropped
//   key="a b"        one pair of matching double or single quotes around a value is removed
// Lines without '=' (comments, stray text) hold no key.
std::optional<std::u16string> findProfileValue(std::u16string_view text,
                                               std::u16string_view section,
                                               std::u16string_view key);

// The text with `key` in `section` set to `value`: an existing key line is replaced in place, a
// missing key is added after the last line of its section, a missing section is added at the end
// of the text. Other lines are kept byte for byte; new lines use the text's line end (CR LF when
// it has none).
std::u16string setProfileValue(std::u16string_view text, std::u16string_view section,
                               std::u16string_view key, std::u16string_view value);

// False for an entry that an INI line cannot hold: an empty name, a line break anywhere, a ']'
// in the section name or a '=' in the key.
bool isStorableProfileEntry(std::u16string_view section, std::u16string_view key,
                            std::u16string_view value);

}  // namespace platform::profile
