// txtcvt-cli convert: the Windows program's conversion from the command line. Loads the DBC
// file (writing dbcload.log into the current directory), then converts every input into a CSV
// file beside it, several files at a time.
#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/settings_store.h"
#include "cli/commands.h"
#include "cli/convert_args.h"
#include "cli/input_files.h"
#include "cli/progress_bar.h"
#include "cli/utf8_args.h"
#include "convert/converter.h"
#include "convert/job.h"
#include "convert/options.h"
#include "convert/output_writer.h"
#include "convert/worker.h"
#include "dbc/loader.h"
#include "monitor/monitor_file.h"
#include "platform/text_encoding.h"

namespace cli {

namespace {

void applyRequest(const ConvertRequest& request, convert::ConversionSettings& settings) {
    if (request.channel) settings.signalLine = *request.channel;
    if (request.timestamp) settings.timeStamp = *request.timestamp;
    if (request.columns) {
        settings.printCh = request.columns->ch;
        settings.printID = request.columns->id;
        settings.printMsg = request.columns->msg;
        settings.printUnit = request.columns->unit;
        settings.printEnum = request.columns->enumText;
        settings.printRaw = request.columns->raw;
    }
    if (request.delimiter) settings.csvDelimit = platform::utf8ToUtf16(*request.delimiter);
    // Either output choice switches the additional CSV settings on; the other keeps its value.
    if (request.encoding) settings.csvOutCode = *request.encoding;
    if (request.lineEnd) settings.csvLinefeed = *request.lineEnd;
    if (request.encoding || request.lineEnd) settings.csvAdditional = true;
}

std::string describeFailure(const std::filesystem::path& path, int32_t result) {
    const char* message = convert::jobResultMessage(result);
    char code[16];
    std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(result));
    return pathToUtf8(path) + ": " + (message ? message : "Cannot convert.") + " (" + code + ")";
}

// Which worker converts each file: in turn, except that files with the same output file (the
// same input named twice, or X.DT and X.dt) go to one worker, which converts them one after
// the other as a single worker would, instead of two workers writing one file at once.
std::vector<unsigned> assignWorkers(const std::vector<std::filesystem::path>& files,
                                    unsigned jobCount) {
    std::vector<unsigned> workerOf(files.size(), 0);
    std::map<std::string, unsigned> workerOfOutput;
    unsigned next = 0;
    for (size_t i = 0; i < files.size(); ++i) {
        convert::Path output;
        std::error_code error;
        if (convert::outputPathFor(files[i], output) == 0) {
            output =
                std::filesystem::weakly_canonical(std::filesystem::absolute(output, error), error);
        }
        std::string key = pathToUtf8(output.empty() ? files[i] : output);
        for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const auto [found, added] = workerOfOutput.emplace(key, next);
        if (added) next = (next + 1) % jobCount;
        workerOf[i] = found->second;
    }
    return workerOf;
}

// Converts the files on `jobCount` workers, each running the conversion job over its share of
// the files. Returns one result per file.
std::vector<int32_t> convertAll(const std::vector<std::filesystem::path>& files,
                                const dbc::CanDatabase& database,
                                const convert::ConversionOptions& options, unsigned jobCount,
                                ProgressBar& progress) {
    std::vector<int32_t> results(files.size(), 0);
    const std::vector<unsigned> workerOf = assignWorkers(files, jobCount);
    std::vector<std::thread> threads;
    for (unsigned w = 0; w < jobCount; ++w) {
        threads.emplace_back([&, w] {
            convert::ConversionWorker worker(database);
            worker.options = options;
            std::vector<convert::Path> share;
            std::vector<size_t> indices;
            for (size_t i = 0; i < files.size(); ++i) {
                if (workerOf[i] != w) continue;
                share.push_back(files[i]);
                indices.push_back(i);
            }
            // The job reports 2k+1 before its k-th file: that names the file `one` is given.
            size_t current = 0;
            const auto one = [&](const convert::Path& input, const convert::Path& output) {
                const int32_t result = convert::convertOneFile(worker, input, output);
                results[indices[current]] = result;
                return result;
            };
            convert::JobCallbacks callbacks;
            callbacks.progress = [&](int32_t position) {
                if (position % 2 == 0) return;
                current = static_cast<size_t>(position - 1) / 2;
                if (current > 0) progress.advance(1);  // the file before it is done
            };
            callbacks.done = [&](int32_t) {
                if (!share.empty()) progress.advance(1);
            };
            const std::atomic<bool> neverStop{false};
            // Files whose output path cannot be formed never reach `one`.
            for (size_t i = 0; i < share.size(); ++i) {
                convert::Path output;
                results[indices[i]] = convert::outputPathFor(share[i], output);
            }
            convert::runConversionJob(share, one, callbacks, neverStop);
        });
    }
    for (auto& thread : threads) thread.join();
    return results;
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

    convert::ConversionSettings settings;
    if (!request.settingsPath.empty()) {
        app::StoredShellSettings shell;
        app::loadSettings(pathFromUtf8(request.settingsPath), settings, shell);
    }
    applyRequest(request, settings);
    convert::ConversionOptions options;
    convert::buildConversionOptions(settings, options);

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
    const auto results = files.empty() ? std::vector<int32_t>{}
                                       : convertAll(files, *database, options, jobCount, progress);
    progress.finish();

    size_t failed = problems.size();
    for (size_t i = 0; i < files.size(); ++i) {
        if (results[i] == 0) continue;
        std::fprintf(stderr, "%s\n", describeFailure(files[i], results[i]).c_str());
        ++failed;
    }
    if (!request.quiet) {
        std::fprintf(stderr, "%zu of %zu files converted\n",
                     files.size() - (failed - problems.size()), files.size());
    }
    return failed == 0 ? 0 : 1;
}

}  // namespace cli
