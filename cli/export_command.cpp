// txtcvt-cli export: every frame of each capture as a CAN log (ASC, BLF or candump), with no
// database. Inputs, outputs, parallel files, progress, Ctrl-C and the report of each file that
// did not export cleanly work as in `convert`.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "cli/commands.h"
#include "cli/export_args.h"
#include "cli/input_files.h"
#include "cli/option_parser.h"
#include "cli/outcome_text.h"
#include "cli/output_naming.h"
#include "cli/progress_bar.h"
#include "convert/frame_export.h"
#include "platform/interrupt_watch.h"

namespace cli {

namespace {

constexpr const char* kCommand = "txtcvt-cli export";

uint64_t bytesOf(const std::vector<std::filesystem::path>& files) {
    uint64_t total = 0;
    for (const auto& file : files) {
        std::error_code error;
        const auto size = std::filesystem::file_size(file, error);
        if (!error) total += size;
    }
    return total;
}

struct ExportRun {
    std::vector<convert::FileResult> results;
    int signal = 0;
};

ExportRun exportAll(const ExportRequest& request, const std::vector<std::filesystem::path>& files,
                    const convert::OutputNaming& naming) {
    unsigned workers =
        request.jobs != 0 ? request.jobs : std::max(1u, std::thread::hardware_concurrency());
    workers = std::max(1u, std::min<unsigned>(workers, static_cast<unsigned>(files.size())));
    std::atomic<uint64_t> bytesWalked{0};
    ProgressBar progress(bytesOf(files), !request.quiet && ProgressBar::standardErrorIsTerminal());
    progress.watch(bytesWalked);
    // A signal stops the batch and gives up the files in hand at once.
    std::atomic<bool> interrupted{false};
    ExportRun run;
    {
        const platform::InterruptWatch watch(interrupted);
        run.results = convert::exportBatch(files, request.options, naming, workers, interrupted, {},
                                           {&interrupted, &bytesWalked});
        run.signal = watch.signalNumber();
    }
    progress.finish();
    return run;
}

}  // namespace

int runExportCommand(const Arguments& args) {
    if (asksForHelp(args)) {
        std::fputs(kExportUsage, stdout);
        return 0;
    }
    ExportRequest request;
    const std::string error = parseExportArguments(args, request);
    if (!error.empty()) {
        std::fprintf(stderr, "%s: %s\n\n%s", kCommand, error.c_str(), kExportUsage);
        return 2;
    }
    std::vector<std::string> problems;
    const std::vector<std::filesystem::path> files = expandInputs(request.inputs, problems);
    for (const std::string& problem : problems) std::fprintf(stderr, "%s\n", problem.c_str());
    convert::OutputNaming naming;
    if (!outputNamingOf(kCommand, request.outputDir, request.outputFile, files.size(), naming)) {
        return 2;
    }
    const ExportRun run = exportAll(request, files, naming);

    size_t exported = 0;
    size_t cutShort = 0;
    size_t failed = problems.size();
    for (size_t i = 0; i < files.size(); ++i) {
        const convert::FileOutcome& outcome = run.results[i].outcome;
        if (outcome.converted()) {
            ++exported;
            continue;
        }
        std::fprintf(stderr, "%s\n", outcomeLine(files, i, run.results[i]).c_str());
        ++(outcome.status == convert::FileStatus::kCutShort ? cutShort : failed);
    }
    if (!request.quiet || failed + cutShort > 0) {
        std::fprintf(stderr, "%zu of %zu files exported, %zu cut short, %zu failed\n", exported,
                     files.size() + problems.size(), cutShort, failed);
    }
    if (run.signal != 0) {
        std::fprintf(stderr,
                     "%s: stopped by a signal; no output was left half-written, older outputs "
                     "of the files not exported are as they were\n",
                     kCommand);
        return 128 + run.signal;
    }
    return failed == 0 ? 0 : 1;
}

}  // namespace cli
