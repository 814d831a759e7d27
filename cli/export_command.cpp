// txtcvt-cli export: every frame of each capture as a CAN log (ASC, BLF or candump), with no
// database. Inputs, outputs, parallel files, progress, Ctrl-C and the report of each file that
// did not export cleanly work as in `convert`.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/batch_run.h"
#include "cli/commands.h"
#include "cli/input_files.h"
#include "cli/output_naming.h"
#include "cli/rules/export_options.h"
#include "cli/rules/option_rows.h"
#include "cli/run_report.h"
#include "platform/text_encoding.h"
#include "run/frame_export.h"
#include "run/path_checks.h"

namespace cli {

namespace {

constexpr const char* kCommand = "txtcvt-cli export";

// The format as --format names it (for the report) and as people name it (for the summary).
const char* formatWord(run::FrameFormat format, bool named) {
    switch (format) {
        case run::FrameFormat::kBlf:
            return named ? "BLF" : "blf";
        case run::FrameFormat::kCandump:
            return "candump";
        default:
            return named ? "ASC" : "asc";
    }
}

}  // namespace

int runExportCommand(const Arguments& args) {
    if (asksForHelp(args)) {
        std::fputs(helpOf(kExportCommand, exportRows()).c_str(), stdout);
        return 0;
    }
    ExportRequest request;
    const platform::Status parsed = parseExportArguments(args, request);
    if (!parsed.ok()) {
        std::fputs(usageErrorText(kExportCommand, parsed.detail()).c_str(), stderr);
        return 2;
    }
    std::vector<std::string> problems;
    const std::vector<std::filesystem::path> files =
        expandInputs(request.run.inputs, problems, request.options.input.format);
    for (const std::string& problem : problems) std::fprintf(stderr, "%s\n", problem.c_str());
    run::OutputNaming naming;
    if (!outputNamingOf(kCommand, request.run.outputDir, request.run.outputFile, files.size(),
                        naming)) {
        return 2;
    }
    std::vector<run::RunFile> reads;
    std::vector<run::RunFile> writes;
    naming.extension = run::frameFormatExtension(request.options.format);
    if (!request.reportPath.empty()) {
        writes.push_back({platform::pathFromUtf8(request.reportPath), "the report"});
    }
    for (const std::filesystem::path& file : files) {
        reads.push_back({file, "the input"});
        std::filesystem::path output;
        if (run::outputPathFor(file, naming, output) == 0)
            writes.push_back({output, "the output", true});
    }
    if (const platform::Status apart = run::checkRunFiles(reads, writes); !apart.ok()) {
        std::fprintf(stderr, "%s: %s\n", kCommand, apart.detail().c_str());
        return 2;
    }
    const BatchRun run = runWatchedBatch(
        files, request.run.jobs, request.run.quiet,
        [&](unsigned workers, const std::atomic<bool>& stop, const sources::WalkControl& control) {
            return run::exportBatch(files, request.options, naming, workers, stop, {}, control,
                                    partWorkerCount(request.run.jobs, files.size()));
        });
    const OutcomeCounts counts = reportOutcomes(files, run.results, "exported");
    const size_t failed = counts.failed + problems.size();
    RunReport report;
    report.inputs = files;
    report.results = run.results;
    report.problems = problems;
    report.seconds = run.seconds;
    const run::FrameFormat format = request.options.format;
    bool reportWritten = true;
    if (!request.reportPath.empty()) {
        reportWritten = writeReport(kCommand, request.reportPath,
                                    exportReportJson(report, formatWord(format, false)));
    }
    if (request.summary) {
        std::fputs(exportReportSummary(report, formatWord(format, true)).c_str(), stderr);
    }
    if (!request.summary && (!request.run.quiet || failed + counts.cutShort > 0)) {
        std::fprintf(stderr, "%zu of %zu files exported, %zu cut short, %zu failed\n", counts.done,
                     files.size() + problems.size(), counts.cutShort, failed);
    }
    if (run.signal != 0) return stoppedBySignal(kCommand, "exported", run.signal);
    return failed == 0 && reportWritten ? 0 : 1;
}

}  // namespace cli
