// The arguments of `txtcvt-cli convert`, read into a request without touching any file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cli/commands.h"

namespace cli {

// Column switches in the order of the --columns words.
struct ColumnChoice {
    bool ch = false, id = false, msg = false, unit = false, enumText = false, raw = false;
};

struct ConvertRequest {
    std::string dbcPath;
    std::string settingsPath;  // empty: built-in defaults
    std::optional<int> channel;     // 0 all, 1 CH1, 2 CH2
    std::optional<int> timestamp;   // 0 none, 1 time of day, 2 elapsed
    std::optional<ColumnChoice> columns;
    std::optional<std::string> delimiter;  // UTF-8, escapes as typed
    std::optional<int> encoding;    // 0 ANSI, 1 UTF-8, 2 UTF-8 with BOM
    std::optional<int> lineEnd;     // 0 CR LF, 1 LF, 2 CR
    std::optional<uint32_t> ansiCodePage;
    unsigned jobs = 0;              // 0: one per core
    bool quiet = false;
    Arguments inputs;
};

// Grammar: options and input paths in any order; an option's value follows as the next argument
// or after '=' ("--jobs 4", "--jobs=4"); "--" ends the options.
//   convert --dbc car.dbc --columns ch,id,raw --delimiter "\t" logs/
// Returns an empty text on success, else the message for the user.
std::string parseConvertArguments(const Arguments& args, ConvertRequest& request);

extern const char* const kConvertUsage;

}  // namespace cli
