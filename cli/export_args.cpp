#include "cli/export_args.h"

#include <string_view>

#include "canlog/candump_writer.h"
#include "cli/option_parser.h"
#include "cli/option_values.h"
#include "decode/selection.h"

namespace cli {

const char* const kExportUsage =
    "txtcvt-cli export --format asc|blf|candump [options] INPUT.DT|FOLDER...\n"
    "Writes every frame of each capture, without a database, as a CAN log: Vector's ASCII log\n"
    "(X.asc), its binary log (X.blf) or a candump log (X.log).\n"
    "    --format asc|blf|candump   the log format (required)\n"
    "    --channel all|ch1|ch2      the channels to keep (default: both)\n"
    "    --ids LIST                 frame identifiers to keep, hexadecimal: 100-1FF,18FEF100\n"
    "    --channel-names A,B        candump: the interface names of CH1 and CH2 (can0,can1)\n"
    "    -o, --output-dir DIR       outputs into DIR instead of beside their inputs\n"
    "    --output FILE              the output of a single input; - for standard output\n"
    "    -j, --jobs N               files exported in parallel (default: the number of cores)\n"
    "    -q, --quiet                no progress display\n"
    "    -h, --help                 this text\n";

namespace {

using run::FrameFormat;
using settings::Channels;

// "vcan0,vcan1": exactly two names, each one an interface name can be.
bool parseChannelNames(const std::string& list, std::string (&names)[2]) {
    const size_t comma = list.find(',');
    if (comma == std::string::npos || list.find(',', comma + 1) != std::string::npos) return false;
    const std::string first = list.substr(0, comma);
    const std::string second = list.substr(comma + 1);
    if (!canlog::isCandumpChannelName(first) || !canlog::isCandumpChannelName(second)) {
        return false;
    }
    names[0] = first;
    names[1] = second;
    return true;
}

const OptionDefinition kExportOptions[] = {
    {"format", 0, true},        {"channel", 0, true},      {"ids", 0, true},
    {"channel-names", 0, true}, {"output-dir", 'o', true}, {"output", 0, true},
    {"jobs", 'j', true},        {"quiet", 'q', false},
};

// Applies one option with its value; an empty text on success.
std::string applyOption(std::string_view name, const std::string& value, ExportRequest& request,
                        bool& namesGiven) {
    std::string bad = "invalid value '" + value + "' for --" + std::string(name);
    run::ExportOptions& options = request.options;
    if (name == "format") {
        const auto format = pickWord<FrameFormat>(value, {"asc", "blf", "candump"});
        if (!format) return bad + " (asc, blf or candump)";
        options.format = *format;
        request.formatGiven = true;
    } else if (name == "channel") {
        const auto channels = pickWord<Channels>(value, {"all", "ch1", "ch2"});
        if (!channels) return bad;
        options.channels = *channels;
    } else if (name == "ids") {
        std::string entry;
        if (!decode::parseIdList(value, options.ids, entry)) {
            return "invalid identifier '" + entry + "' for --ids (hexadecimal: 100-1FF,18FEF100)";
        }
    } else if (name == "channel-names") {
        if (!parseChannelNames(value, options.channelNames)) {
            return bad +
                   " (two interface names such as can0,can1: up to 15 characters each, "
                   "no blanks, '#', '(', ')' or '/', not digits alone)";
        }
        namesGiven = true;
    } else if (name == "output-dir") {
        request.outputDir = value;
    } else if (name == "output") {
        request.outputFile = value;
    } else if (name == "jobs") {
        if (!parseJobCount(value, request.jobs)) return bad;
    } else if (name == "quiet") {
        request.quiet = true;
    }
    return {};
}

}  // namespace

std::string parseExportArguments(const Arguments& args, ExportRequest& request) {
    request = ExportRequest{};
    std::vector<GivenOption> given;
    std::string error = parseOptions(args, kExportOptions, given, request.inputs);
    if (!error.empty()) return error;
    bool namesGiven = false;
    for (const GivenOption& option : given) {
        std::string problem = applyOption(option.name, option.value, request, namesGiven);
        if (!problem.empty()) return problem;
    }
    if (!request.formatGiven) return "no format given (--format asc|blf|candump)";
    if (namesGiven && request.options.format != run::FrameFormat::kCandump) {
        return "--channel-names goes with --format candump";
    }
    if (request.inputs.empty()) return "no input file given";
    if (!request.outputDir.empty() && !request.outputFile.empty()) {
        return "--output and --output-dir exclude each other";
    }
    return {};
}

}  // namespace cli
