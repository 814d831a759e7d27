#include "cli/convert_args.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "cli/option_parser.h"
#include "cli/option_values.h"
#include "platform/text_encoding.h"
#include "run/sink_choice.h"
#include "tables/table_options.h"

namespace cli {

const char* const kConvertUsage =
    "txtcvt-cli convert --dbc FILE.dbc [options] INPUT.DT|FOLDER...\n"
    "Converts captures into CSV tables or Excel workbooks through a DBC database.\n"
    "  Database and selection:\n"
    "    --dbc FILE.dbc           the database of both channels\n"
    "    --dbc ch1=A.dbc --dbc ch2=B.dbc   a database per channel (either may be left out)\n"
    "    --log PATH               where the DBC load log goes: a file, or a folder for "
    "dbcload.log\n"
    "                             (dbcload-ch1.log, dbcload-ch2.log with two databases)\n"
    "    --messages LIST          messages to keep: names with * and ? (Engine*,Brake?)\n"
    "    --signals LIST           signals to keep: Signal or Message.Signal, with * and ?\n"
    "    --ids LIST               frame identifiers to keep, hexadecimal: 100-1FF,18FEF100\n"
    "    --j1939                  match 29-bit frames by parameter group when no identifier does\n"
    "  Table:\n"
    "    --format csv|xlsx        a CSV table (default) or an Excel workbook (X.xlsx)\n"
    "    --settings FILE.ini      conversion settings of the Windows program; options override "
    "them\n"
    "    --channel all|ch1|ch2\n"
    "    --timestamp none|time-of-day|elapsed\n"
    "    --clock local|utc        the clock of dates and times (default: local)\n"
    "    --time-format columns|iso8601   Date,Time,msec columns or one ISO 8601 Timestamp\n"
    "    --columns LIST           comma-separated subset of ch,id,msg,unit,enum,raw (\"\" for "
    "none)\n"
    "    --layout long|wide       a line per signal value (default), or a column per signal\n"
    "    --hold                   wide: an empty cell repeats the signal's last value\n"
    "    --resample PERIOD        wide: a row every PERIOD (10ms, 0.5s, 1s) with the last values\n"
    "    --enum-text              wide: the value description instead of the number\n"
    "    --delimiter TEXT         as typed in the Windows program: \\t is a tab, \\\\ a backslash\n"
    "    --encoding ansi|utf8|utf8-bom\n"
    "    --line-end crlf|lf|cr\n"
    "    --ansi-codepage N        code page for 'ansi' (default 1252; on Windows the system's)\n"
    "  Outputs and run:\n"
    "    -o, --output-dir DIR     outputs into DIR instead of beside their inputs\n"
    "    --output FILE            the output of a single input; - for standard output\n"
    "    --report FILE.json       what each file held and what became of it, as JSON\n"
    "    --summary                a few lines of the same on standard error at the end\n"
    "    -j, --jobs N             files converted in parallel (default: the number of cores)\n"
    "    -q, --quiet              no progress display\n"
    "    -h, --help               this text\n";

namespace {

bool parseColumns(std::string_view list, settings::Columns& columns) {
    columns = settings::Columns{false, false, false, false, false, false};
    while (!list.empty()) {
        const size_t comma = list.find(',');
        const std::string_view word = list.substr(0, comma);
        if (sameWordIgnoringCase(word, "ch"))
            columns.channel = true;
        else if (sameWordIgnoringCase(word, "id"))
            columns.identifier = true;
        else if (sameWordIgnoringCase(word, "msg"))
            columns.message = true;
        else if (sameWordIgnoringCase(word, "unit"))
            columns.unit = true;
        else if (sameWordIgnoringCase(word, "enum"))
            columns.description = true;
        else if (sameWordIgnoringCase(word, "raw"))
            columns.rawData = true;
        else
            return false;
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
        if (list.empty()) return false;  // a trailing comma names no column
    }
    return true;
}

const OptionDefinition kConvertOptions[] = {
    {"dbc", 0, true},           {"settings", 0, true},  {"log", 0, true},
    {"channel", 0, true},       {"timestamp", 0, true}, {"columns", 0, true},
    {"delimiter", 0, true},     {"encoding", 0, true},  {"line-end", 0, true},
    {"ansi-codepage", 0, true}, {"jobs", 'j', true},    {"quiet", 'q', false},
    {"messages", 0, true},      {"signals", 0, true},   {"ids", 0, true},
    {"j1939", 0, false},        {"clock", 0, true},     {"time-format", 0, true},
    {"layout", 0, true},        {"hold", 0, false},     {"resample", 0, true},
    {"enum-text", 0, false},    {"report", 0, true},    {"summary", 0, false},
    {"output-dir", 'o', true},  {"output", 0, true},    {"format", 0, true},
};

// --dbc FILE, or --dbc ch1=FILE / ch2=FILE.
std::string applyDatabase(const std::string& value, ConvertRequest& request) {
    for (int channel = 0; channel < 2; ++channel) {
        const std::string prefix = channel == 0 ? "ch1=" : "ch2=";
        if (value.size() > 4 &&
            sameWordIgnoringCase(std::string_view(value).substr(0, 4), prefix)) {
            request.channelDbcPath[channel] = value.substr(4);
            return {};
        }
    }
    request.dbcPath = value;
    return {};
}

// The options of the command line alone (selection, time, layout, outputs, report).
std::string applyRunOption(std::string_view name, const std::string& value, ConvertRequest& request,
                           const std::string& bad) {
    if (name == "messages") {
        if (!decode::parseNameList(value, request.selection.messages)) return bad;
    } else if (name == "signals") {
        if (!decode::parseNameList(value, request.selection.signals)) return bad;
    } else if (name == "ids") {
        std::string entry;
        if (!decode::parseIdList(value, request.selection.ids, entry)) {
            return "invalid identifier '" + entry + "' for --ids (hexadecimal: 100-1FF,18FEF100)";
        }
    } else if (name == "j1939") {
        request.j1939 = true;
    } else if (name == "clock") {
        const auto clock = pickWord<tables::Clock>(value, {"local", "utc"});
        if (!clock) return bad;
        request.clock = *clock;
    } else if (name == "time-format") {
        const auto format = pickWord<tables::TimeFormat>(value, {"columns", "iso8601"});
        if (!format) return bad;
        request.timeFormat = *format;
    } else if (name == "layout") {
        const auto layout = pickWord<tables::TableLayout>(value, {"long", "wide"});
        if (!layout) return bad;
        request.layout = *layout;
    } else if (name == "format") {
        const auto format = pickWord<tables::OutputFormat>(value, {"csv", "xlsx"});
        if (!format) return bad;
        request.format = *format;
    } else if (name == "hold") {
        request.hold = true;
    } else if (name == "resample") {
        if (!parsePeriod(value, request.resampleMicroseconds)) return bad;
    } else if (name == "enum-text") {
        request.enumText = true;
    } else if (name == "report") {
        request.reportPath = value;
    } else if (name == "summary") {
        request.summary = true;
    } else if (name == "output-dir") {
        request.outputDir = value;
    } else if (name == "output") {
        request.outputFile = value;
    } else {
        return "unknown option --" + std::string(name);
    }
    return {};
}

// Applies one option with its value; an empty text on success.
std::string applyOption(std::string_view name, const std::string& value, ConvertRequest& request) {
    std::string bad = "invalid value '" + value + "' for --" + std::string(name);
    if (name == "dbc") return applyDatabase(value, request);
    if (name == "settings") {
        request.settingsPath = value;
    } else if (name == "log") {
        request.logPath = value;
    } else if (name == "channel") {
        request.channels = pickWord<settings::Channels>(value, {"all", "ch1", "ch2"});
        if (!request.channels) return bad;
    } else if (name == "timestamp") {
        request.timeStamps =
            pickWord<settings::TimeStamps>(value, {"none", "time-of-day", "elapsed"});
        if (!request.timeStamps) return bad;
    } else if (name == "columns") {
        settings::Columns columns;
        if (!parseColumns(value, columns)) return bad;
        request.columns = columns;
    } else if (name == "delimiter") {
        request.delimiter = value;
    } else if (name == "encoding") {
        request.encoding = pickWord<settings::Encoding>(value, {"ansi", "utf8", "utf8-bom"});
        if (!request.encoding) return bad;
    } else if (name == "line-end") {
        request.lineEnd = pickWord<settings::LineEnd>(value, {"crlf", "lf", "cr"});
        if (!request.lineEnd) return bad;
    } else if (name == "ansi-codepage") {
        uint32_t page = 0;
        if (!parseNumber(value, page) || page == 0 || page > 65535) return bad;
        request.ansiCodePage = page;
    } else if (name == "jobs") {
        if (!parseJobCount(value, request.jobs)) return bad;
    } else if (name == "quiet") {
        request.quiet = true;
    } else {
        return applyRunOption(name, value, request, bad);
    }
    return {};
}

}  // namespace

std::string parseConvertArguments(const Arguments& args, ConvertRequest& request) {
    request = ConvertRequest{};
    std::vector<GivenOption> options;
    std::string error = parseOptions(args, kConvertOptions, options, request.inputs);
    if (!error.empty()) return error;
    for (const GivenOption& option : options) {
        std::string problem = applyOption(option.name, option.value, request);
        if (!problem.empty()) return problem;
    }
    if (!request.anyDatabase()) return "no DBC file given (--dbc FILE.dbc)";
    if (!request.dbcPath.empty() &&
        (!request.channelDbcPath[0].empty() || !request.channelDbcPath[1].empty())) {
        return "--dbc FILE is for both channels: give ch1= and ch2= databases instead";
    }
    if (request.inputs.empty()) return "no input file given";
    const bool wide = request.layout == tables::TableLayout::kWide;
    if (!wide && (request.hold || request.resampleMicroseconds != 0 || request.enumText)) {
        return "--hold, --resample and --enum-text go with --layout wide";
    }
    if (!request.outputDir.empty() && !request.outputFile.empty()) {
        return "--output and --output-dir exclude each other";
    }
    if (request.format == tables::OutputFormat::kXlsx) {
        if (!run::workbooksAvailable()) {
            return "--format xlsx is not available: this txtcvt-cli was built without "
                   "libxlsxwriter";
        }
        if (request.outputFile == "-")
            return "a workbook cannot go to standard output (--output -)";
    }
    return {};
}

bool parsePeriod(std::string_view text, uint64_t& microseconds) {
    size_t unitAt = 0;
    while (unitAt < text.size() &&
           ((text[unitAt] >= '0' && text[unitAt] <= '9') || text[unitAt] == '.')) {
        ++unitAt;
    }
    const std::string_view number = text.substr(0, unitAt);
    const std::string_view unit = text.substr(unitAt);
    double scale = 0;
    if (unit == "us") scale = 1;
    if (unit == "ms") scale = 1e3;
    if (unit == "s") scale = 1e6;
    if (unit == "min") scale = 60e6;
    double value = 0;
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
    if (scale == 0 || number.empty() || parsed.ec != std::errc{} ||
        parsed.ptr != number.data() + number.size()) {
        return false;
    }
    const double total = value * scale;
    // At least a microsecond, at most a day.
    if (!(total >= 0.5 && total <= 86400e6)) return false;
    microseconds = static_cast<uint64_t>(std::llround(total));
    return true;
}

void applyRunOptions(const ConvertRequest& request, tables::ConversionOptions& options) {
    options.layout = request.layout;
    options.format = request.format;
    options.hold = request.hold;
    options.resampleMicroseconds = request.resampleMicroseconds;
    options.enumText = request.enumText;
    options.clock = request.clock;
    options.timeFormat = request.timeFormat;
    options.collectStats = !request.reportPath.empty() || request.summary;
}

void applyConvertRequest(const ConvertRequest& request, settings::ConversionSettings& settings) {
    if (request.channels) settings.channels = *request.channels;
    if (request.timeStamps) settings.timeStamps = *request.timeStamps;
    if (request.columns) settings.columns = *request.columns;
    if (request.delimiter) settings.delimiter = platform::utf8ToUtf16(*request.delimiter);
    if (request.encoding) settings.encoding = *request.encoding;
    if (request.lineEnd) settings.lineEnd = *request.lineEnd;
    if (request.encoding || request.lineEnd) settings.additionalCsv = true;
}

std::vector<std::string> workbookWarnings(const ConvertRequest& request) {
    std::vector<std::string> warnings;
    if (request.format != tables::OutputFormat::kXlsx) return warnings;
    const auto unused = [&](bool given, std::string_view option, std::string_view why) {
        if (given) {
            warnings.push_back(std::string(option) +
                               " does not apply to a workbook: " + std::string(why));
        }
    };
    unused(request.delimiter.has_value(), "--delimiter", "its columns are cells");
    unused(request.encoding.has_value(), "--encoding", "a workbook is always Unicode");
    unused(request.lineEnd.has_value(), "--line-end", "its rows are rows");
    unused(request.timeFormat == tables::TimeFormat::kIso8601, "--time-format iso8601",
           "its dates and times are date-time cells");
    return warnings;
}

std::vector<std::string> delimiterWarnings(std::string_view typed) {
    std::vector<std::string> warnings;
    const std::u16string units = platform::utf8ToUtf16(typed);
    if (units.size() > settings::kMaxDelimiterLength) {
        warnings.push_back("the delimiter is cut to its first 15 characters");
    }
    const std::u16string_view kept =
        std::u16string_view(units).substr(0, settings::kMaxDelimiterLength);
    for (size_t i = 0; i < kept.size(); ++i) {
        if (kept[i] != u'\\') continue;
        if (i + 1 == kept.size()) {
            warnings.push_back(
                "the delimiter ends in a lone backslash, which stands for nothing "
                "(\\\\ is a backslash)");
        } else if (kept[i + 1] != u't' && kept[i + 1] != u'\\') {
            warnings.push_back("the delimiter's escape \\" +
                               platform::utf16ToUtf8(kept.substr(i + 1, 1)) +
                               " stands for nothing (only \\t and \\\\ are known)");
        }
        ++i;
    }
    if (tables::resolveDelimiterEscapes(kept).empty()) {
        warnings.push_back("the delimiter is empty: the columns run together");
    }
    return warnings;
}

}  // namespace cli
