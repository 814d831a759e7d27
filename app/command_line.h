// The command line of txtcvt.exe: settings file, folder, UI language and a title suffix.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace app {

constexpr size_t kPathCapacity = 260;        // characters, terminator included
constexpr size_t kTitleSuffixCapacity = 64;  // characters, terminator included

// What the command line asks for; whatever it does not name keeps the start-up default.
struct CommandLineOptions {
    std::optional<std::wstring> settingsPath;  // the last -s value that fitted, quotes removed
    std::wstring folder;                       // the last folder token that fitted, quotes removed
    std::wstring titleSuffix;                  // the first -t value that was taken
    uint16_t uiLanguage = 0;
    bool uiLanguageForced = false;
};

// Grammar (the first token, the program's path, is skipped; blanks and tabs separate tokens;
// a token that opens with a double quote runs to the next double quote):
//   -l<number>    UI language, decimal, leading blanks allowed; not a number gives 0
//   -s<path>      settings file, quoted right after the letter when it holds blanks
//   -t<text>      window title suffix; the first one taken stays
//   -<other>      ignored together with the rest of its token
//   <folder>      the folder of monitor data files; the last one counts
// Examples: `txtcvt.exe -l 1041` gives Japanese; `txtcvt.exe "C:\My Data"` names that folder;
// `txtcvt.exe -t"Bench 2" -sC:\cfg.ini` sets the title suffix and the settings file.
// Values that do not fit their buffers are dropped silently; nothing is ever rejected.
CommandLineOptions parseCommandLine(std::wstring_view commandLine);

// Removes one pair of double quotes when the text both begins and ends with one.
std::wstring unquoteSpaces(std::wstring_view text);

// The settings file beside the program: its path with the extension replaced by ".ini"; empty
// when the program's path is unknown.
std::wstring settingsPathBesideProgram(std::wstring_view modulePath);

}  // namespace app
