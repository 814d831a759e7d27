// The arguments of `txtcvt-cli convert`, read into a request without touching any file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "decode/selection.h"
#include "settings/conversion_settings.h"
#include "tables/table_options.h"

namespace cli {

struct ConvertRequest {
    std::string dbcPath;            // --dbc FILE: the database of both channels
    std::string channelDbcPath[2];  // --dbc ch1=FILE, --dbc ch2=FILE
    std::string settingsPath;       // empty: built-in defaults
    std::string logPath;            // the DBC load log: a file, or a folder for dbcload.log
    std::optional<settings::Channels> channels;
    std::optional<settings::TimeStamps> timeStamps;
    std::optional<settings::Columns> columns;
    std::optional<std::string> delimiter;  // UTF-8, escapes as typed
    std::optional<settings::Encoding> encoding;
    std::optional<settings::LineEnd> lineEnd;
    std::optional<uint32_t> ansiCodePage;
    unsigned jobs = 0;  // 0: one per core
    bool quiet = false;

    decode::SelectionRequest selection;  // --messages, --signals, --ids
    bool j1939 = false;
    tables::Clock clock = tables::Clock::kLocal;
    tables::TimeFormat timeFormat = tables::TimeFormat::kColumns;
    tables::TableLayout layout = tables::TableLayout::kLong;
    tables::OutputFormat format = tables::OutputFormat::kCsv;
    bool hold = false;
    uint64_t resampleMicroseconds = 0;
    bool enumText = false;
    std::string reportPath;  // --report FILE.json
    bool summary = false;
    std::string outputDir;   // -o DIR
    std::string outputFile;  // --output FILE, "-" for standard output
    Arguments inputs;

    bool anyDatabase() const {
        return !dbcPath.empty() || !channelDbcPath[0].empty() || !channelDbcPath[1].empty();
    }
};

// Grammar: see option_parser.h; every option of the usage text, in any order with the inputs.
//   convert --dbc car.dbc --columns ch,id,raw --delimiter "\t" logs/
//   convert --dbc ch1=body.dbc --dbc ch2=chassis.dbc --layout wide --resample 10ms run.DT
// Returns an empty text on success, else the message for the user.
std::string parseConvertArguments(const Arguments& args, ConvertRequest& request);

// "10ms", "0.5s", "250us", "1min" as microseconds; false for anything else or for no time.
bool parsePeriod(std::string_view text, uint64_t& microseconds);

// The conversion options of a request beyond the settings (layout, time, report).
void applyRunOptions(const ConvertRequest& request, tables::ConversionOptions& options);

// Warnings about options that a workbook does not use (delimiter, character code, line end,
// time format): none for a CSV table.
std::vector<std::string> workbookWarnings(const ConvertRequest& request);

// Warnings about a delimiter as typed: an escape that stands for nothing, a delimiter cut to
// 15 characters, and one that comes out empty.
std::vector<std::string> delimiterWarnings(std::string_view typed);

// The settings with the request's choices laid over them. Either output choice switches the
// additional CSV settings on; the other keeps its value.
void applyConvertRequest(const ConvertRequest& request, settings::ConversionSettings& settings);

extern const char* const kConvertUsage;

}  // namespace cli
