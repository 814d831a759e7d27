#include "cli/convert_args.h"

#include <cctype>
#include <charconv>
#include <string_view>

#include "convert/options.h"
#include "platform/text_encoding.h"

namespace cli {

const char* const kConvertUsage =
    "txtcvt-cli convert --dbc FILE.dbc [options] INPUT.DT|FOLDER...\n"
    "    --settings FILE.ini      conversion settings of the Windows program; options override them\n"
    "    --log PATH               where the DBC load log goes: a file, or a folder for dbcload.log\n"
    "                             (default: dbcload.log in the current folder)\n"
    "    --channel all|ch1|ch2\n"
    "    --timestamp none|time-of-day|elapsed\n"
    "    --columns LIST           comma-separated subset of ch,id,msg,unit,enum,raw (\"\" for none)\n"
    "    --delimiter TEXT         as typed in the Windows program: \\t is a tab, \\\\ a backslash\n"
    "    --encoding ansi|utf8|utf8-bom\n"
    "    --line-end crlf|lf|cr\n"
    "    --ansi-codepage N        code page for 'ansi' (default 1252; on Windows the system's)\n"
    "    --jobs N                 files converted in parallel (default: the number of cores)\n"
    "    --quiet                  no progress display\n";

namespace {

bool sameWordIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// The choice whose word is `value` in any case; the words are in the order of the values.
template <class Choice>
std::optional<Choice> pickWord(std::string_view value,
                               std::initializer_list<std::string_view> words) {
    int32_t index = 0;
    for (std::string_view word : words) {
        if (sameWordIgnoringCase(value, word)) return static_cast<Choice>(index);
        ++index;
    }
    return std::nullopt;
}

bool parseColumns(std::string_view list, settings::Columns& columns) {
    columns = settings::Columns{false, false, false, false, false, false};
    while (!list.empty()) {
        const size_t comma = list.find(',');
        const std::string_view word = list.substr(0, comma);
        if (sameWordIgnoringCase(word, "ch")) columns.channel = true;
        else if (sameWordIgnoringCase(word, "id")) columns.identifier = true;
        else if (sameWordIgnoringCase(word, "msg")) columns.message = true;
        else if (sameWordIgnoringCase(word, "unit")) columns.unit = true;
        else if (sameWordIgnoringCase(word, "enum")) columns.description = true;
        else if (sameWordIgnoringCase(word, "raw")) columns.rawData = true;
        else return false;
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
        if (list.empty()) return false;  // a trailing comma names no column
    }
    return true;
}

template <class Number>
bool parseNumber(std::string_view text, Number& out) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), out);
    return result.ec == std::errc{} && result.ptr == text.data() + text.size();
}

// Applies one option with its value; an empty text on success.
std::string applyOption(std::string_view name, const std::string& value, ConvertRequest& request) {
    const std::string bad = "invalid value '" + value + "' for --" + std::string(name);
    if (name == "dbc") {
        request.dbcPath = value;
    } else if (name == "settings") {
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
        unsigned jobs = 0;
        if (!parseNumber(value, jobs) || jobs == 0 || jobs > 256) return bad;
        request.jobs = jobs;
    } else {
        return "unknown option --" + std::string(name);
    }
    return {};
}

}  // namespace

std::string parseConvertArguments(const Arguments& args, ConvertRequest& request) {
    request = ConvertRequest{};
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            request.inputs.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = arg.substr(2);
        if (name == "quiet") {
            request.quiet = true;
            continue;
        }
        std::string value;
        const size_t equals = name.find('=');
        if (equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            return "option --" + name + " needs a value";
        }
        std::string error = applyOption(name, value, request);
        if (!error.empty()) return error;
    }
    if (request.dbcPath.empty()) return "no DBC file given (--dbc FILE.dbc)";
    if (request.inputs.empty()) return "no input file given";
    return {};
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
            warnings.push_back("the delimiter ends in a lone backslash, which stands for nothing "
                               "(\\\\ is a backslash)");
        } else if (kept[i + 1] != u't' && kept[i + 1] != u'\\') {
            warnings.push_back("the delimiter's escape \\" +
                               platform::utf16ToUtf8(kept.substr(i + 1, 1)) +
                               " stands for nothing (only \\t and \\\\ are known)");
        }
        ++i;
    }
    if (convert::resolveDelimiterEscapes(kept).empty()) {
        warnings.push_back("the delimiter is empty: the columns run together");
    }
    return warnings;
}

}  // namespace cli
