#include "cli/rules/export_options.h"

#include <string_view>

#include "canlog/candump_writer.h"

namespace cli {

namespace {

using Request = ExportRequest;
using platform::Status;

// "vcan0,vcan1": exactly two names, each one an interface name can be.
bool parseChannelNames(std::string_view list, std::string (&names)[2]) {
    const size_t comma = list.find(',');
    if (comma == std::string_view::npos || list.find(',', comma + 1) != std::string_view::npos) {
        return false;
    }
    const std::string first(list.substr(0, comma));
    const std::string second(list.substr(comma + 1));
    if (!canlog::isCandumpChannelName(first) || !canlog::isCandumpChannelName(second)) {
        return false;
    }
    names[0] = first;
    names[1] = second;
    return true;
}

const OptionRow<Request> kRows[] = {
    {"format", 0, "asc|blf|candump", Repeat::kOnce, "the log format (required)",
     +[](std::string_view value, Request& request) {
         const auto format = pickWord<run::FrameFormat>(value, {"asc", "blf", "candump"});
         if (!format) return invalidValue("format", value, "asc, blf or candump");
         request.options.format = *format;
         request.formatGiven = true;
         return Status{};
     }},
    inputFormatRow<Request>({}),
    channelRow<Request>({}),
    idsRow<Request>({}),
    {"channel-names", 0, "A,B", Repeat::kOnce,
     "candump: the interface names of CH1 and CH2 (can0,can1), written and read",
     +[](std::string_view value, Request& request) {
         if (!parseChannelNames(value, request.options.channelNames)) {
             return invalidValue("channel-names", value,
                                 "two interface names such as can0,can1: up to 15 characters "
                                 "each, no blanks, '#', '(', ')' or '/', not digits alone");
         }
         request.namesGiven = true;
         // A candump input's interfaces of these names are CH1 and CH2 too.
         request.options.input.channelNames = {request.options.channelNames[0],
                                               request.options.channelNames[1]};
         return Status{};
     }},
    {"clock", 0, "local|utc", Repeat::kOnce,
     "asc, blf: header dates in local time (default, as CAN tools read them) or UTC",
     +[](std::string_view value, Request& request) {
         const auto clock = pickWord<canlog::HeaderClock>(value, {"local", "utc"});
         if (!clock) return invalidValue("clock", value, "local or utc");
         request.options.clock = *clock;
         return Status{};
     }},
    outputDirRow<Request>({}),
    outputRow<Request>({}),
    reportRow<Request>({}),
    summaryRow<Request>({}),
    jobsRow<Request>({}),
    quietRow<Request>({}),
};

}  // namespace

const CommandText kExportCommand = {
    "export", "--format asc|blf|candump [options] INPUT.DT|FOLDER...",
    "Writes every frame of each capture, without a database, as a CAN log: Vector's ASCII log\n"
    "(X.asc), its binary log (X.blf) or a candump log (X.log).\n",
    "exported", 31};

std::span<const OptionRow<ExportRequest>> exportRows() { return kRows; }

platform::Status parseExportArguments(const Arguments& args, ExportRequest& request) {
    request = ExportRequest{};
    platform::Status parsed = parseWithRows(args, exportRows(), request, request.run.inputs);
    if (!parsed.ok()) return parsed;
    if (!request.formatGiven) return usageError("no format given (--format asc|blf|candump)");
    if (request.namesGiven && request.options.format != run::FrameFormat::kCandump &&
        request.options.input.format != sources::InputFormat::kCandump) {
        return usageError("--channel-names goes with --format candump or candump inputs");
    }
    if (request.run.inputs.empty()) return usageError("no input file given");
    if (!request.run.outputDir.empty() && !request.run.outputFile.empty()) {
        return usageError("--output and --output-dir exclude each other");
    }
    if (request.reportPath == "-" && request.run.outputFile == "-") {
        return usageError("--report - and --output - would mix on standard output");
    }
    request.options.collectStats = !request.reportPath.empty() || request.summary;
    return {};
}

}  // namespace cli
