// The arguments of `txtcvt-cli convert`, read into a request without touching any file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "settings/conversion_settings.h"

namespace cli {

struct ConvertRequest {
    std::string dbcPath;
    std::string settingsPath;  // empty: built-in defaults
    std::string logPath;       // the DBC load log: a file, or a folder for dbcload.log
    std::optional<settings::Channels> channels;
    std::optional<settings::TimeStamps> timeStamps;
    std::optional<settings::Columns> columns;
    std::optional<std::string> delimiter;  // UTF-8, escapes as typed
    std::optional<settings::Encoding> encoding;
    std::optional<settings::LineEnd> lineEnd;
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

// Warnings about a delimiter as typed: an escape that stands for nothing, a delimiter cut to
// 15 characters, and one that comes out empty.
std::vector<std::string> delimiterWarnings(std::string_view typed);

// The settings with the request's choices laid over them. Either output choice switches the
// additional CSV settings on; the other keeps its value.
void applyConvertRequest(const ConvertRequest& request, settings::ConversionSettings& settings);

extern const char* const kConvertUsage;

}  // namespace cli
