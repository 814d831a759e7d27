// Texts for a workbook, which holds UTF-8 only. The texts of a DBC file are bytes in whatever
// code page it was written in: a text that is valid UTF-8 is taken as it is, any other is read
// in the ANSI code page (1252 unless --ansi-codepage says otherwise; the system's on Windows).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace workbook {

// The most characters a cell holds.
inline constexpr size_t kMaxCellCharacters = 32767;

// Whether the bytes are UTF-8 that a workbook's XML can hold as they are: no malformed,
// overlong or surrogate sequence, no NUL, no U+FFFE or U+FFFF. Other control characters are
// fine: the workbook library writes them in the escaped form the readers expect.
bool isWorkbookUtf8(std::string_view bytes);

// The text as a workbook cell holds it: UTF-8 as above, a NUL ends it, cut to
// kMaxCellCharacters characters.
std::string workbookText(std::string_view bytes);

// workbookText for texts seen again and again (the names of the database): a text that needs
// no change is only looked at, one that does is converted once.
class WorkbookTexts {
public:
    // NUL-terminated UTF-8, valid until the next call.
    const char* operator()(std::string_view bytes);

private:
    std::string scratch_;
    std::unordered_map<std::string, std::string> converted_;
};

}  // namespace workbook
