// txtcvt-cli convert: the Windows program's conversion from the command line. Loads the DBC
// file (writing dbcload.log into the current directory), then converts every input into a CSV
// file beside it, several files at a time.
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cli/commands.h"
#include "cli/convert_args.h"
#include "cli/input_files.h"
#include "cli/progress_bar.h"
#include "cli/utf8_args.h"
#include "convert/batch.h"
#include "convert/options.h"
#include "convert/outcome.h"
#include "dbc/loader.h"
#include "platform/text_encoding.h"
#include "settings/settings_file.h"

namespace cli {

namespace {

std::string describeFailure(const std::filesystem::path& path, const convert::FileOutcome& outcome) {
    const char* message = convert::failureMessage(outcome.code);
    char code[16];
    std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(outcome.code));
    return pathToUtf8(path) + ": " + (message ? message : "Cannot convert.") + " (" + code + ")";
}

}  // namespace

int runConvertCommand(const Arguments& args) {
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        std::fputs(kConvertUsage, stdout);
        return 0;
    }
    ConvertRequest request;
    const std::string error = parseConvertArguments(args, request);
    if (!error.empty()) {
        std::fprintf(stderr, "txtcvt-cli convert: %s\n\n%s", error.c_str(), kConvertUsage);
        return 2;
    }
    if (request.ansiCodePage && !platform::setAnsiCodePage(*request.ansiCodePage)) {
        std::fprintf(stderr, "txtcvt-cli convert: code page %u cannot be used here\n",
                     *request.ansiCodePage);
        return 2;
    }

    settings::ConversionSettings settings;
    if (!request.settingsPath.empty()) {
        settings::StoredShellSettings shell;
        settings::loadSettings(pathFromUtf8(request.settingsPath), settings, shell);
    }
    applyConvertRequest(request, settings);
    const convert::ConversionOptions options = convert::buildConversionOptions(settings);

    auto database = std::make_unique<dbc::CanDatabase>();
    dbc::LoadSummary summary;
    const bool loaded =
        dbc::loadDbcFile(*database, pathFromUtf8(request.dbcPath), dbc::kLoadLogName, &summary);
    if (!summary.opened) {
        std::fprintf(stderr, "%s: File open Error!!\n", request.dbcPath.c_str());
        return 2;
    }
    if (!request.quiet)
        std::fprintf(stderr, "%s:%s\n", request.dbcPath.c_str(), summary.lastLogLine.c_str());
    if (!loaded) {
        std::fprintf(stderr, "txtcvt-cli convert: no DBC file loaded (see %s)\n",
                     dbc::kLoadLogName);
        return 2;
    }

    std::vector<std::string> problems;
    const auto files = expandInputs(request.inputs, problems);
    for (const std::string& problem : problems) std::fprintf(stderr, "%s\n", problem.c_str());

    unsigned jobCount =
        request.jobs != 0 ? request.jobs : std::max(1u, std::thread::hardware_concurrency());
    jobCount = std::max(1u, std::min<unsigned>(jobCount, static_cast<unsigned>(files.size())));
    ProgressBar progress(static_cast<unsigned>(files.size()),
                         !request.quiet && ProgressBar::standardErrorIsTerminal());
    convert::BatchCallbacks callbacks;
    callbacks.fileFinished = [&](size_t, const convert::FileResult&) { progress.advance(1); };
    const std::atomic<bool> neverStop{false};
    const auto results =
        convert::convertBatch(files, *database, options, jobCount, neverStop, callbacks);
    progress.finish();

    size_t failed = problems.size();
    for (size_t i = 0; i < files.size(); ++i) {
        if (results[i].outcome.converted()) continue;
        std::fprintf(stderr, "%s\n", describeFailure(files[i], results[i].outcome).c_str());
        ++failed;
    }
    if (!request.quiet) {
        std::fprintf(stderr, "%zu of %zu files converted\n",
                     files.size() - (failed - problems.size()), files.size());
    }
    return failed == 0 ? 0 : 1;
}

}  // namespace cli
