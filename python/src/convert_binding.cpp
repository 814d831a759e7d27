// convert_files: captures into CSV files through the command line's own engine and options
// (the arguments are those of `txtcvt-cli convert`), with databases the caller loaded once.
#include <pybind11/stl.h>

#include <atomic>
#include <optional>
#include <string>
#include <vector>

#include "cli/rules/convert_options.h"
#include "cli/rules/option_values.h"
#include "cli/rules/outcome_text.h"
#include "cli/rules/run_options.h"
#include "platform/text_encoding.h"
#include "python/src/bindings.h"
#include "python/src/channel_databases.h"
#include "python/src/texts.h"
#include "run/batch.h"
#include "run/file_stats.h"
#include "settings/settings_file.h"

namespace py = pybind11;

namespace txtcvt_python {

namespace {

const char* statusWord(run::FileStatus status) {
    switch (status) {
        case run::FileStatus::kConverted:
            return "converted";
        case run::FileStatus::kCutShort:
            return "cut short";
        default:
            return "failed";
    }
}

// The keyword options, as (name, value) pairs, through the command line's rows: a ValueError
// with the command line's words for what they refuse.
cli::ConvertRequest requestOf(const std::vector<std::pair<std::string, std::string>>& named) {
    std::vector<cli::GivenOption> given;
    for (const auto& [name, value] : named) given.push_back({name, value});
    cli::ConvertRequest request;
    platform::Status status = cli::applyNamedOptions(cli::convertRows(), given, request);
    if (status.ok()) status = cli::finishConvertRequest(request, false);
    if (!status.ok()) {
        if (status.code() == platform::kInvalidArgument) throw py::value_error(status.detail());
        throw py::value_error("cannot read the settings file " + status.detail());
    }
    if (!request.reportPath.empty() || request.summary || request.run.outputFile == "-") {
        throw py::value_error("--report, --summary and --output - are for the command line");
    }
    if (request.ansiCodePage && !platform::setAnsiCodePage(*request.ansiCodePage)) {
        throw py::value_error("code page " + std::to_string(*request.ansiCodePage) +
                              " cannot be used here");
    }
    request.options.collectStats = true;  // for the lines written
    return request;
}

run::OutputNaming namingOf(const cli::ConvertRequest& request, size_t inputs) {
    run::OutputNaming naming;
    if (!request.run.outputFile.empty()) {
        if (inputs != 1) throw py::value_error("--output names the output of one input");
        naming.single = platform::pathFromUtf8(request.run.outputFile);
    }
    if (!request.run.outputDir.empty()) {
        naming.directory = platform::pathFromUtf8(request.run.outputDir);
        std::error_code error;
        std::filesystem::create_directories(naming.directory, error);
        if (!std::filesystem::is_directory(naming.directory)) {
            throw py::value_error("cannot make the output folder " + request.run.outputDir + ": " +
                                  error.message());
        }
    }
    return naming;
}

py::dict resultOf(const std::vector<std::filesystem::path>& displays, size_t index,
                  const run::FileResult& result) {
    py::dict out;
    out["input"] = messageText(platform::pathToUtf8(displays[index]));
    out["output"] = messageText(platform::pathToUtf8(result.output));
    out["outcome"] = statusWord(result.outcome.status);
    out["message"] = messageText(cli::outcomeLine(displays, index, result));
    out["code"] = static_cast<uint32_t>(result.outcome.code);
    const run::FileStats* stats = result.outcome.stats.get();
    out["lines"] = stats != nullptr ? py::int_(stats->lines) : py::int_(0);
    out["seconds"] = result.seconds;
    return out;
}

py::list convertFiles(const std::vector<py::bytes>& inputs,
                      const std::vector<std::string>& displays,
                      const std::vector<std::pair<std::string, std::string>>& options,
                      const std::optional<DatabasePointer>& every, const ChannelHandles& own) {
    const cli::ConvertRequest request = requestOf(options);
    const run::OutputNaming naming = namingOf(request, inputs.size());
    const ChannelDatabases databases = channelDatabases(every, own);
    std::vector<std::string> unmatched;
    const decode::DecodingSetup setup(databases.every, databases.own, request.selection,
                                      request.j1939, unmatched);
    if (!unmatched.empty()) {
        throw py::value_error("'" + unmatched.front() + "' matches nothing in the database");
    }
    std::vector<std::filesystem::path> paths;
    for (const py::bytes& input : inputs) paths.push_back(pathOf(input));
    std::vector<std::filesystem::path> shown;
    for (const std::string& display : displays) shown.push_back(platform::pathFromUtf8(display));
    std::vector<run::FileResult> results;
    {
        py::gil_scoped_release released;
        const std::atomic<bool> stop{false};
        results = run::convertBatch(paths, setup.decoding(), request.options, naming, 1, stop, {});
    }
    py::list out;
    for (size_t i = 0; i < results.size(); ++i) out.append(resultOf(shown, i, results[i]));
    return out;
}

// Where the output of `input` goes with the outputs in `directory` (empty: beside the input).
std::optional<py::bytes> outputPath(const py::bytes& input, const py::bytes& directory) {
    run::OutputNaming naming;
    naming.directory = pathOf(directory);
    std::filesystem::path output;
    if (run::outputPathFor(pathOf(input), naming, output) != 0) return std::nullopt;
    return py::bytes(output.string());
}

}  // namespace

void bindConvert(py::module_& module) {
    module.def("convert_files", &convertFiles, py::arg("inputs"), py::arg("displays"),
               py::arg("options"), py::arg("every"), py::arg("own"),
               "Converts captures as `txtcvt-cli convert` does with these options (pairs of a "
               "name and its value); a dict per input.");
    module.def("output_path", &outputPath, py::arg("input"), py::arg("directory"),
               "The output path of an input, or None when none can be formed.");
    module.def(
        "parse_period",
        [](const std::string& text) -> std::optional<uint64_t> {
            uint64_t microseconds = 0;
            if (!cli::parsePeriod(text, microseconds)) return std::nullopt;
            return microseconds;
        },
        py::arg("text"), "'10ms', '0.5s', '250us', '1min' as microseconds, or None.");
    module.def(
        "parse_ids",
        [](const std::string& text) -> std::vector<std::pair<uint32_t, uint32_t>> {
            std::vector<can::IdRange> ranges;
            std::string problem;
            if (!cli::parseIdList(text, ranges, problem)) throw py::value_error(problem);
            std::vector<std::pair<uint32_t, uint32_t>> out;
            for (const can::IdRange& range : ranges) out.emplace_back(range.low, range.high);
            return out;
        },
        py::arg("text"), "'100-1FF,18FEF100' as (low, high) pairs.");
    module.def(
        "parse_channel",
        [](const std::string& text) -> std::optional<int32_t> {
            const std::optional<settings::Channels> channels = cli::parseChannelChoice(text);
            if (!channels) return std::nullopt;
            return settings::channelNumberOf(*channels);
        },
        py::arg("text"), "'all' as 0, 'ch5' as 5 (up to the last channel), or None.");
    module.attr("MAX_CHANNEL") = settings::kMaxChannelNumber;
}

}  // namespace txtcvt_python
