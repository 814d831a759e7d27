// txtcvt-cli convert: the Windows program's conversion from the command line. Loads the DBC
// file (writing dbcload.log into the current directory), then converts every input into a CSV
// file beside it, several files at a time. Every file that does not convert cleanly is named
// with what happened; Ctrl-C, SIGTERM and SIGHUP end the run without leaving half a file.
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
#include "cli/outcome_text.h"
#include "cli/progress_bar.h"
#include "cli/utf8_args.h"
#include "convert/batch.h"
#include "convert/options.h"
#include "dbc/loader.h"
#include "platform/error_text.h"
#include "platform/interrupt_watch.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "settings/settings_file.h"

namespace cli {

namespace {

constexpr const char* kCommand = "txtcvt-cli convert";

std::string quotedWords(std::span<const std::u16string_view> words) {
    std::string text;
    for (size_t i = 0; i < words.size(); ++i) {
        if (i > 0) text += i + 1 == words.size() ? " or " : ", ";
        text += '"';
        text += platform::utf16ToUtf8(words[i]);
        text += '"';
    }
    return text;
}

// The settings of the Windows program's file; false (after saying why) when it cannot be read.
bool readSettingsFile(const std::string& file, settings::ConversionSettings& settings) {
    const auto path = pathFromUtf8(file);
    platform::InputFile input;
    const int32_t opened = input.open(path);
    if (opened != platform::kOk) {
        std::fprintf(stderr, "%s: cannot read the settings file %s: %s (%s)\n", kCommand,
                     file.c_str(), platform::errorText(opened).c_str(), codeText(opened).c_str());
        return false;
    }
    input.close();
    settings::StoredShellSettings shell;
    std::vector<settings::UnknownSettingsWord> unknown;
    settings::loadSettings(path, settings, shell, &unknown);
    for (const settings::UnknownSettingsWord& word : unknown) {
        std::fprintf(stderr, "%s: warning: %s: %s=%s is not one of %s; \"%s\" is used\n", kCommand,
                     file.c_str(), platform::utf16ToUtf8(word.key).c_str(),
                     platform::utf16ToUtf8(word.word).c_str(), quotedWords(word.words).c_str(),
                     platform::utf16ToUtf8(word.used).c_str());
    }
    return true;
}

// The options in force: the settings file's, with the command line's laid over them.
bool settingsOf(const ConvertRequest& request, settings::ConversionSettings& settings) {
    if (!request.settingsPath.empty() && !readSettingsFile(request.settingsPath, settings)) {
        return false;
    }
    applyConvertRequest(request, settings);
    if (request.delimiter) {
        for (const std::string& warning : delimiterWarnings(*request.delimiter))
            std::fprintf(stderr, "%s: warning: %s\n", kCommand, warning.c_str());
    }
    return true;
}

struct Counts {
    size_t converted = 0;
    size_t cutShort = 0;
    size_t failed = 0;
};

Counts reportOutcomes(const std::vector<std::filesystem::path>& files,
                      const std::vector<convert::FileResult>& results) {
    Counts counts;
    for (size_t i = 0; i < files.size(); ++i) {
        const convert::FileOutcome& outcome = results[i].outcome;
        if (outcome.converted()) {
            ++counts.converted;
            continue;
        }
        std::fprintf(stderr, "%s\n", outcomeLine(files, i, results[i]).c_str());
        if (outcome.status == convert::FileStatus::kCutShort) {
            ++counts.cutShort;
        } else {
            ++counts.failed;
        }
    }
    return counts;
}

// The load log's path: dbcload.log in the current folder, or as --log says.
std::filesystem::path loadLogPath(const std::string& logOption) {
    if (logOption.empty()) return dbc::kLoadLogName;
    const std::filesystem::path path = pathFromUtf8(logOption);
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return path / dbc::kLoadLogName;
    return path;
}

std::unique_ptr<dbc::CanDatabase> loadDatabase(const ConvertRequest& request) {
    auto database = std::make_unique<dbc::CanDatabase>();
    dbc::LoadSummary summary;
    const std::filesystem::path logPath = loadLogPath(request.logPath);
    const bool loaded =
        dbc::loadDbcFile(*database, pathFromUtf8(request.dbcPath), logPath, &summary);
    if (!summary.opened) {
        std::fprintf(stderr, "%s: File open Error!!\n", request.dbcPath.c_str());
        return nullptr;
    }
    if (!request.quiet)
        std::fprintf(stderr, "%s:%s\n", request.dbcPath.c_str(), summary.lastLogLine.c_str());
    if (!loaded) {
        std::fprintf(stderr, "%s: no DBC file loaded (see %s)\n", kCommand,
                     pathToUtf8(logPath).c_str());
        return nullptr;
    }
    return database;
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
        std::fprintf(stderr, "%s: %s\n\n%s", kCommand, error.c_str(), kConvertUsage);
        return 2;
    }
    if (request.ansiCodePage && !platform::setAnsiCodePage(*request.ansiCodePage)) {
        std::fprintf(stderr, "%s: code page %u cannot be used here\n", kCommand,
                     *request.ansiCodePage);
        return 2;
    }
    settings::ConversionSettings settings;
    if (!settingsOf(request, settings)) return 2;
    const convert::ConversionOptions options = convert::buildConversionOptions(settings);

    const auto database = loadDatabase(request);
    if (database == nullptr) return 2;

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
    // A signal stops the batch and gives up the files in hand at once.
    std::atomic<bool> interrupted{false};
    std::vector<convert::FileResult> results;
    int signal = 0;
    {
        const platform::InterruptWatch watch(interrupted);
        results = convert::convertBatch(files, *database, options, jobCount, interrupted,
                                        callbacks, &interrupted);
        signal = watch.signalNumber();
    }
    progress.finish();

    const Counts counts = reportOutcomes(files, results);
    if (!request.quiet || counts.failed + counts.cutShort + problems.size() > 0) {
        std::fprintf(stderr, "%zu of %zu files converted, %zu cut short, %zu failed\n",
                     counts.converted, files.size() + problems.size(), counts.cutShort,
                     counts.failed + problems.size());
    }
    if (signal != 0) {
        std::fprintf(stderr,
                     "%s: stopped by a signal; no output was left half-written, older outputs "
                     "of the files not converted are as they were\n",
                     kCommand);
        return 128 + signal;
    }
    return counts.failed + problems.size() == 0 ? 0 : 1;
}

}  // namespace cli
