#include "cli/rules/convert_options.h"

#include <filesystem>

#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "run/sink_choice.h"

namespace cli {

namespace {

using Request = ConvertRequest;
using platform::Status;

constexpr std::string_view kSelection = "Database and selection";
constexpr std::string_view kTable = "Table";
constexpr std::string_view kOutputs = "Outputs and run";

// --dbc FILE, or --dbc chN=FILE for any channel N (ch1=, CH2=, ch12=); each at most once with
// one path. A FILE that begins with something else and '=' is a path ("a=b.dbc").
Status applyDatabase(std::string_view value, Request& request) {
    std::string* target = &request.dbcPath;
    std::string_view given = value;
    std::string name = "--dbc";
    const size_t equals = value.find('=');
    if (equals != std::string_view::npos && equals + 1 < value.size()) {
        const std::string_view prefix = value.substr(0, equals);
        const auto channel = parseChannelChoice(prefix);
        if (channel && *channel != settings::Channels::kAll) {
            const int32_t number = settings::channelNumberOf(*channel);
            target = &request.channelDbcPaths[number - 1];
            given = value.substr(equals + 1);
            name += " ch" + std::to_string(number) + "=";
        }
    }
    if (!target->empty() && *target != given) {
        return usageError(name + " is given twice, as '" + *target + "' and '" +
                          std::string(given) + "'");
    }
    *target = given;
    return {};
}

template <class Choice>
Status choose(std::string_view option, std::string_view value,
              std::initializer_list<std::string_view> words, Choice& target,
              std::string_view accepted) {
    const auto chosen = pickWord<Choice>(value, words);
    if (!chosen) return invalidValue(option, value, accepted);
    target = *chosen;
    return {};
}

// The settings file's choices under the options given, whatever their order.
Status applySettingsFile(std::string_view value, Request& request) {
    request.settingsPath = value;
    const auto path = platform::pathFromUtf8(request.settingsPath);
    platform::InputFile input;
    const int32_t opened = input.open(path);
    if (opened != platform::kOk) return Status::failure(opened, request.settingsPath);
    input.close();
    settings::StoredShellSettings shell;
    settings::loadSettings(path, request.settings, shell, &request.settingsWords);
    settings::loadOutputSettings(path, request.output, &request.settingsWords);
    return {};
}

// Whether two paths name one file: the same file on disk, or the same text when either is
// missing.
bool sameFile(const std::string& given, const std::u16string& stored) {
    const std::filesystem::path first = platform::pathFromUtf8(given);
    const std::filesystem::path second = platform::pathFromUtf16(stored);
    std::error_code error;
    const bool same = std::filesystem::equivalent(first, second, error);
    if (!error) return same;
    return first.lexically_normal() == second.lexically_normal();
}

// The settings file's output choices where no option says otherwise. A CAN log there is for
// the Windows program's export: a conversion still writes a table. The signals chosen apply
// only with the database they were chosen from.
Status applyStoredOutput(Request& request) {
    const settings::OutputSettings& output = request.output;
    if (!request.formatGiven && output.format == settings::OutputKind::kXlsx) {
        request.options.format = tables::OutputFormat::kXlsx;
    }
    if (!request.layoutGiven && output.table != settings::TableShape::kLong) {
        tables::ConversionOptions& options = request.options;
        options.layout = tables::TableLayout::kWide;
        if (output.table == settings::TableShape::kWideHold) options.hold = true;
        if (output.table == settings::TableShape::kResampled && options.resampleMicroseconds == 0 &&
            !parsePeriod(platform::utf16ToUtf8(output.resamplePeriod),
                         options.resampleMicroseconds)) {
            return usageError("the settings file's resamplePeriod '" +
                              platform::utf16ToUtf8(output.resamplePeriod) +
                              "' is not a period (10ms, 0.5s)");
        }
    }
    const auto ch1 = request.channelDbcPaths.find(0);
    const std::string& database = !request.dbcPath.empty() || ch1 == request.channelDbcPaths.end()
                                      ? request.dbcPath
                                      : ch1->second;
    if (!output.signals.empty() && request.selection.messages.empty() &&
        request.selection.signals.empty() && !database.empty() &&
        sameFile(database, output.signalsDatabase) &&
        !parseNameList(platform::utf16ToUtf8(output.signals), request.selection.signals)) {
        return usageError("the settings file's signals list has an empty name");
    }
    return {};
}

const OptionRow<Request> kRows[] = {
    {"dbc", 0, "FILE.dbc", Repeat::kList,
     "the database of every channel\n"
     "--dbc ch1=A.dbc --dbc ch2=B.dbc   a database per channel (chN= for any channel N;\n"
     "a channel without one counts its frames as unknown)",
     applyDatabase, kSelection},
    {"log", 0, "PATH", Repeat::kOnce,
     "where the DBC load log goes: a file, or a folder for dbcload.log\n"
     "(dbcload-ch1.log, dbcload-ch2.log, ... with a database per channel)",
     +[](std::string_view v, Request& r) { return r.logPath = v, Status{}; }, kSelection},
    {"messages", 0, "LIST", Repeat::kList, "messages to keep: names with * and ? (Engine*,Brake?)",
     +[](std::string_view v, Request& r) {
         return parseNameList(v, r.selection.messages) ? Status{} : invalidValue("messages", v);
     },
     kSelection},
    {"signals", 0, "LIST", Repeat::kList, "signals to keep: Signal or Message.Signal, with * and ?",
     +[](std::string_view v, Request& r) {
         return parseNameList(v, r.selection.signals) ? Status{} : invalidValue("signals", v);
     },
     kSelection},
    idsRow<Request>(kSelection),
    {"j1939", 0, "", Repeat::kFlag,
     "match 29-bit frames by parameter group when no identifier does",
     +[](std::string_view, Request& r) { return r.j1939 = true, Status{}; }, kSelection},
    {"format", 0, "csv|xlsx", Repeat::kOnce, "a CSV table (default) or an Excel workbook (X.xlsx)",
     +[](std::string_view v, Request& r) {
         r.formatGiven = true;
         return choose("format", v, {"csv", "xlsx"}, r.options.format, "csv or xlsx");
     },
     kTable},
    {"settings", 0, "FILE.ini", Repeat::kOnce,
     "conversion settings of the Windows program; options override them", applySettingsFile, kTable,
     true},
    channelRow<Request>(kTable),
    {"timestamp", 0, "none|time-of-day|elapsed", Repeat::kOnce, "",
     +[](std::string_view v, Request& r) {
         return choose("timestamp", v, {"none", "time-of-day", "elapsed"}, r.settings.timeStamps,
                       "none, time-of-day or elapsed");
     },
     kTable},
    {"clock", 0, "local|utc", Repeat::kOnce, "the clock of dates and times (default: local)",
     +[](std::string_view v, Request& r) {
         return choose("clock", v, {"local", "utc"}, r.options.clock, "local or utc");
     },
     kTable},
    {"time-format", 0, "columns|iso8601", Repeat::kOnce,
     "Date,Time,msec columns or one ISO 8601 Timestamp",
     +[](std::string_view v, Request& r) {
         return choose("time-format", v, {"columns", "iso8601"}, r.options.timeFormat,
                       "columns or iso8601");
     },
     kTable},
    {"columns", 0, "LIST", Repeat::kOnce,
     "comma-separated subset of ch,id,msg,unit,enum,raw (\"\" for none)",
     +[](std::string_view v, Request& r) {
         settings::Columns columns;
         if (!parseColumns(v, columns))
             return invalidValue("columns", v, "ch,id,msg,unit,enum,raw");
         r.settings.columns = columns;
         return Status{};
     },
     kTable},
    {"layout", 0, "long|wide", Repeat::kOnce,
     "a line per signal value (default), or a column per signal",
     +[](std::string_view v, Request& r) {
         r.layoutGiven = true;
         return choose("layout", v, {"long", "wide"}, r.options.layout, "long or wide");
     },
     kTable},
    {"hold", 0, "", Repeat::kFlag, "wide: an empty cell repeats the signal's last value",
     +[](std::string_view, Request& r) { return r.options.hold = true, Status{}; }, kTable},
    {"resample", 0, "PERIOD", Repeat::kOnce,
     "wide: a row every PERIOD (10ms, 0.5s, 1s) with the last values",
     +[](std::string_view v, Request& r) {
         if (parsePeriod(v, r.options.resampleMicroseconds)) return Status{};
         return invalidValue("resample", v,
                             "a number with us, ms, s, min or h, from 1us to a day: 10ms, 0.5s");
     },
     kTable},
    {"enum-text", 0, "", Repeat::kFlag, "wide: the value description instead of the number",
     +[](std::string_view, Request& r) { return r.options.enumText = true, Status{}; }, kTable},
    {"delimiter", 0, "TEXT", Repeat::kOnce,
     "as typed in the Windows program: \\t is a tab, \\\\ a backslash",
     +[](std::string_view v, Request& r) {
         r.delimiter = std::string(v);
         r.settings.delimiter = platform::utf8ToUtf16(v);
         return Status{};
     },
     kTable},
    {"encoding", 0, "ansi|utf8|utf8-bom", Repeat::kOnce, "",
     +[](std::string_view v, Request& r) {
         r.encodingGiven = true;
         r.settings.additionalCsv = true;
         return choose("encoding", v, {"ansi", "utf8", "utf8-bom"}, r.settings.encoding,
                       "ansi, utf8 or utf8-bom");
     },
     kTable},
    {"line-end", 0, "crlf|lf|cr", Repeat::kOnce, "",
     +[](std::string_view v, Request& r) {
         r.lineEndGiven = true;
         r.settings.additionalCsv = true;
         return choose("line-end", v, {"crlf", "lf", "cr"}, r.settings.lineEnd, "crlf, lf or cr");
     },
     kTable},
    {"ansi-codepage", 0, "N", Repeat::kOnce,
     "code page for 'ansi' (default 1252; on Windows the system's)",
     +[](std::string_view v, Request& r) {
         uint32_t page = 0;
         if (!parseNumber(v, page) || page == 0 || page > 65535) {
             return invalidValue("ansi-codepage", v, "1 to 65535");
         }
         r.ansiCodePage = page;
         return Status{};
     },
     kTable},
    inputFormatRow<Request>(kSelection),
    {"channel-names", 0, "A,B,...", Repeat::kOnce,
     "candump inputs: the interfaces that are CH1, CH2, ... (else can0 is CH1, can1 CH2)",
     +[](std::string_view v, Request& r) {
         r.input.channelNames.clear();
         if (parseNameList(v, r.input.channelNames) && !r.input.channelNames.empty())
             return Status{};
         return invalidValue("channel-names", v, "interface names such as can0,can1");
     },
     kSelection},
    outputDirRow<Request>(kOutputs),
    outputRow<Request>(kOutputs),
    reportRow<Request>(kOutputs),
    summaryRow<Request>(kOutputs),
    jobsRow<Request>(kOutputs),
    quietRow<Request>(kOutputs),
};

}  // namespace

const CommandText kConvertCommand = {
    "convert", "--dbc FILE.dbc [options] INPUT.DT|FOLDER...",
    "Converts captures into CSV tables or Excel workbooks through a DBC database.\n", "converted",
    29};

std::span<const OptionRow<ConvertRequest>> convertRows() { return kRows; }

platform::Status parseConvertArguments(const Arguments& args, ConvertRequest& request) {
    request = ConvertRequest{};
    platform::Status parsed = parseWithRows(args, convertRows(), request, request.run.inputs);
    if (!parsed.ok()) return parsed;
    return finishConvertRequest(request);
}

platform::Status finishConvertRequest(ConvertRequest& request, bool inputs) {
    if (inputs && !request.anyDatabase()) return usageError("no DBC file given (--dbc FILE.dbc)");
    if (!request.dbcPath.empty() && !request.channelDbcPaths.empty()) {
        return usageError("--dbc FILE is for both channels: give ch1= and ch2= databases instead");
    }
    if (inputs && request.run.inputs.empty()) return usageError("no input file given");
    if (platform::Status stored = applyStoredOutput(request); !stored.ok()) return stored;
    const tables::ConversionOptions& options = request.options;
    const bool wide = options.layout == tables::TableLayout::kWide;
    if (!wide && (options.hold || options.resampleMicroseconds != 0 || options.enumText)) {
        return usageError("--hold, --resample and --enum-text go with --layout wide");
    }
    if (!request.run.outputDir.empty() && !request.run.outputFile.empty()) {
        return usageError("--output and --output-dir exclude each other");
    }
    if (request.reportPath == "-" && request.run.outputFile == "-") {
        return usageError("--report - and --output - would mix on standard output");
    }
    if (options.format == tables::OutputFormat::kXlsx) {
        if (!run::workbooksAvailable()) {
            return usageError(
                "--format xlsx is not available: this txtcvt-cli was built without "
                "libxlsxwriter");
        }
        if (request.run.outputFile == "-") {
            return usageError("a workbook cannot go to standard output (--output -)");
        }
    }
    tables::applySettings(request.settings, request.options);
    // The settings file knows CH1 and CH2 only; --channel keeps any channel of a log.
    if (settings::channelNumberOf(request.settings.channels) > 2) {
        request.options.channels = request.settings.channels;
    }
    request.options.collectStats = !request.reportPath.empty() || request.summary;
    return {};
}

std::vector<std::string> workbookWarnings(const ConvertRequest& request) {
    std::vector<std::string> warnings;
    if (request.options.format != tables::OutputFormat::kXlsx) return warnings;
    const auto unused = [&](bool given, std::string_view option, std::string_view why) {
        if (given) {
            warnings.push_back(std::string(option) +
                               " does not apply to a workbook: " + std::string(why));
        }
    };
    unused(request.delimiter.has_value(), "--delimiter", "its columns are cells");
    unused(request.encodingGiven, "--encoding", "a workbook is always Unicode");
    unused(request.lineEndGiven, "--line-end", "its rows are rows");
    unused(request.options.timeFormat == tables::TimeFormat::kIso8601, "--time-format iso8601",
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
