// The options `convert` and `export` share, each written once: the inputs' format, the channels
// and identifiers kept, where the outputs go, the files run at once and the progress display. A
// request that takes them has a RunRequest `run`, and says where its channels, identifiers and
// input choice go with setChannels(), idRanges() and inputChoice().
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "cli/rules/option_rows.h"
#include "cli/rules/option_values.h"
#include "run/input_open.h"
#include "settings/conversion_settings.h"
#include "sources/format_detection.h"

namespace cli {

struct RunRequest {
    std::string outputDir;   // -o DIR
    std::string outputFile;  // --output FILE, "-" for standard output
    unsigned jobs = 0;       // 0: one per core
    bool quiet = false;
    Arguments inputs;
};

platform::Status invalidValue(std::string_view option, std::string_view value,
                              std::string_view accepted = {});

// "all", "ch1", "ch2" (the Windows program's choices), or "chN" for any channel N of a log.
std::optional<settings::Channels> parseChannelChoice(std::string_view value);

template <class Request>
OptionRow<Request> channelRow(std::string_view group) {
    return {"channel",
            0,
            "all|ch1|ch2|chN",
            Repeat::kOnce,
            "the channels to keep (default: all); chN: channel N of a log (1 to 65536)",
            +[](std::string_view value, Request& request) {
                const auto channels = parseChannelChoice(value);
                if (!channels) {
                    return invalidValue("channel", value, "all, ch1, ch2 or chN for N up to 65536");
                }
                request.setChannels(*channels);
                return platform::Status{};
            },
            group};
}

template <class Request>
OptionRow<Request> idsRow(std::string_view group) {
    return {"ids",
            0,
            "LIST",
            Repeat::kList,
            "frame identifiers to keep, hexadecimal: 100-1FF,18FEF100",
            +[](std::string_view value, Request& request) {
                std::string problem;
                if (parseIdList(value, request.idRanges(), problem)) return platform::Status{};
                return usageError(problem + " for --ids (hexadecimal: 100-1FF,18FEF100)");
            },
            group};
}

template <class Request>
OptionRow<Request> inputFormatRow(std::string_view group) {
    return {"input-format",
            0,
            "auto|dt|blf|asc|candump|trc",
            Repeat::kOnce,
            "the inputs' format: told by each file's content (default), or this one;\n"
            "a folder stands for its *.DT files, or its files of this format",
            +[](std::string_view value, Request& request) {
                if (sources::parseInputFormatWord(value, request.inputChoice().format)) {
                    return platform::Status{};
                }
                return invalidValue("input-format", value, "auto, dt, blf, asc, candump or trc");
            },
            group};
}

template <class Request>
OptionRow<Request> outputDirRow(std::string_view group) {
    return {"output-dir",
            'o',
            "DIR",
            Repeat::kOnce,
            "outputs into DIR instead of beside their inputs",
            +[](std::string_view value, Request& request) {
                request.run.outputDir = value;
                return platform::Status{};
            },
            group};
}

template <class Request>
OptionRow<Request> outputRow(std::string_view group) {
    return {"output",
            0,
            "FILE",
            Repeat::kOnce,
            "the output of a single input; - for standard output",
            +[](std::string_view value, Request& request) {
                request.run.outputFile = value;
                return platform::Status{};
            },
            group};
}

template <class Request>
OptionRow<Request> jobsRow(std::string_view group) {
    return {"jobs",
            'j',
            "N",
            Repeat::kOnce,
            "files {done} in parallel (default: the number of cores)",
            +[](std::string_view value, Request& request) {
                if (parseJobCount(value, request.run.jobs)) return platform::Status{};
                return invalidValue("jobs", value, "1 to 256");
            },
            group};
}

template <class Request>
OptionRow<Request> reportRow(std::string_view group) {
    return {"report",
            0,
            "FILE.json",
            Repeat::kOnce,
            "what each file held and what became of it, as JSON; - for standard output",
            +[](std::string_view value, Request& request) {
                request.reportPath = value;
                return platform::Status{};
            },
            group};
}

template <class Request>
OptionRow<Request> summaryRow(std::string_view group) {
    return {"summary",
            0,
            "",
            Repeat::kFlag,
            "a few lines of the same on standard error at the end",
            +[](std::string_view, Request& request) {
                request.summary = true;
                return platform::Status{};
            },
            group};
}

template <class Request>
OptionRow<Request> quietRow(std::string_view group) {
    return {"quiet",
            'q',
            "",
            Repeat::kFlag,
            "no progress display",
            +[](std::string_view, Request& request) {
                request.run.quiet = true;
                return platform::Status{};
            },
            group};
}

}  // namespace cli
