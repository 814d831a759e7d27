// The options of `txtcvt-cli convert`, as rows, and the request they fill: read from the
// command line, or applied by name from the Python module's keyword options, without touching
// any file but the settings file they name.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/rules/option_rows.h"
#include "cli/rules/run_options.h"
#include "decode/selection.h"
#include "settings/conversion_settings.h"
#include "settings/output_settings.h"
#include "settings/settings_file.h"
#include "tables/table_options.h"

namespace cli {

struct ConvertRequest {
    std::string dbcPath;  // --dbc FILE: the database of every channel
    // --dbc ch1=FILE, --dbc ch2=FILE, ... --dbc chN=FILE, by channel number (0 for CH1).
    std::map<int32_t, std::string> channelDbcPaths;
    std::string logPath;  // the DBC load log: a file, or a folder for dbcload.log
    // The Windows program's settings: those of --settings (or the defaults), the options given
    // laid over them; and the words of the settings file that are none of its choices.
    std::string settingsPath;
    settings::ConversionSettings settings;
    std::vector<settings::UnknownSettingsWord> settingsWords;
    // The Windows program's output choices of the same file (format, table, signals), laid under
    // --format, --layout, --hold, --resample, --messages and --signals by finishConvertRequest.
    settings::OutputSettings output;
    bool formatGiven = false;
    bool layoutGiven = false;
    // The table's options beyond the settings; finishConvertRequest lays the settings over them.
    tables::ConversionOptions options;
    std::optional<std::string> delimiter;  // --delimiter as typed (UTF-8, escapes unresolved)
    bool encodingGiven = false;
    bool lineEndGiven = false;
    std::optional<uint32_t> ansiCodePage;
    decode::SelectionRequest selection;  // --messages, --signals, --ids
    bool j1939 = false;
    std::string reportPath;  // --report FILE.json
    bool summary = false;
    run::InputChoice input;  // --input-format, and the candump interfaces of --channel-names
    RunRequest run;

    void setChannels(settings::Channels channels) { settings.channels = channels; }
    run::InputChoice& inputChoice() { return input; }
    std::vector<can::IdRange>& idRanges() { return selection.ids; }
    bool anyDatabase() const { return !dbcPath.empty() || !channelDbcPaths.empty(); }
};

std::span<const OptionRow<ConvertRequest>> convertRows();
extern const CommandText kConvertCommand;

// Reads the command line into the request (emptied first) and finishes it. A settings file that
// cannot be read fails with the system's code and its path as the detail; every other mistake
// is kInvalidArgument with the words for the user.
platform::Status parseConvertArguments(const Arguments& args, ConvertRequest& request);

// The checks of a whole request and the settings laid over the table's options. `inputs`:
// whether inputs and a database path must be given (the Python module gives databases and
// inputs otherwise).
platform::Status finishConvertRequest(ConvertRequest& request, bool inputs = true);

// Warnings about options that a workbook does not use (delimiter, character code, line end,
// time format): none for a CSV table.
std::vector<std::string> workbookWarnings(const ConvertRequest& request);

// Warnings about a delimiter as typed: an escape that stands for nothing, a delimiter cut to
// 15 characters, and one that comes out empty.
std::vector<std::string> delimiterWarnings(std::string_view typed);

}  // namespace cli
