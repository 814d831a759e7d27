// The options in force for one conversion job, built from the user's settings when the job
// starts and read by every worker for every file. They say nothing about which file is
// converted or where its output goes.
#pragma once

#include <string>
#include <string_view>

#include "settings/conversion_settings.h"

namespace tables {

using settings::Channels;
using settings::Columns;
using settings::Encoding;
using settings::LineEnd;
using settings::TimeStamps;

// The kind of output file: a delimited text table, or an Excel workbook.
enum class OutputFormat { kCsv, kXlsx };
// The shape of the table: a line per signal value, or a column per signal.
enum class TableLayout { kLong, kWide };
// The clock of layout-29 dates and times.
enum class Clock { kLocal, kUtc };
// Date, time and milliseconds in columns of their own, or one ISO 8601 "Timestamp" column.
enum class TimeFormat { kColumns, kIso8601 };

struct ConversionOptions {
    settings::Channels channels = settings::Channels::kAll;
    settings::TimeStamps timeStamps = settings::TimeStamps::kNone;
    settings::Columns columns{false, false, false, false, false, false};
    settings::Encoding encoding = settings::Encoding::kAnsi;
    settings::LineEnd lineEnd = settings::LineEnd::kCrLf;
    std::u16string delimiter;  // escapes resolved, at most 15 units

    // Choices of the command line beyond the Windows program's settings.
    OutputFormat format = OutputFormat::kCsv;
    TableLayout layout = TableLayout::kLong;
    bool hold = false;                  // wide: an empty cell repeats the signal's last value
    uint64_t resampleMicroseconds = 0;  // wide: a row every period instead of every frame
    bool enumText = false;              // wide: the value description instead of the number
    Clock clock = Clock::kLocal;
    TimeFormat timeFormat = TimeFormat::kColumns;
    bool collectStats = false;  // count what the conversion meets, for the report

    bool admits(int channel) const {  // 0 CH1, 1 CH2, ...
        const int32_t number = settings::channelNumberOf(channels);
        return number == 0 || number == channel + 1;
    }
};

// Resolves the escapes of a typed delimiter. Grammar, read up to a NUL or the 15th unit:
//   \t   a tab            e.g. "\t" -> TAB, "a\t\t" -> "a" TAB TAB
//   \\   one backslash    e.g. "\\" -> "\"
//   \x   nothing, for any other x; a final lone backslash gives nothing too ("\x" -> "")
// Any other character stands for itself (";" -> ";"). The result is never longer than the text.
std::u16string resolveDelimiterEscapes(std::u16string_view typed);

// Lays the settings over the options: the channels, time stamps, columns, delimiter, character
// code and line end; choices outside their range fall back to the defaults. Without the
// additional CSV settings every output is ANSI with CR LF. The other options stay as they are.
void applySettings(const settings::ConversionSettings& settings, ConversionOptions& options);

// The options of the settings alone.
inline ConversionOptions buildConversionOptions(const settings::ConversionSettings& settings) {
    ConversionOptions options;
    applySettings(settings, options);
    return options;
}

}  // namespace tables
