// txtcvt-cli convert: the Windows program's conversion from the command line, and more. Loads
// the DBC file (or one per channel), then converts every input into a table beside it (or where
// -o or --output say), several files at a time. Every file that does not convert cleanly is
// named with what happened; Ctrl-C, SIGTERM and SIGHUP end the run without leaving half a file.
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/batch_run.h"
#include "cli/commands.h"
#include "cli/convert_args.h"
#include "cli/convert_databases.h"
#include "cli/input_files.h"
#include "cli/option_parser.h"
#include "cli/outcome_text.h"
#include "cli/output_naming.h"
#include "cli/run_report.h"
#include "cli/utf8_args.h"
#include "decode/decoding_setup.h"
#include "output/replacing_file.h"
#include "platform/error_text.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "run/batch.h"
#include "run/sink_choice.h"
#include "settings/settings_file.h"
#include "tables/table_options.h"
#include "tables/wide_table.h"

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
bool optionsOf(const ConvertRequest& request, tables::ConversionOptions& options) {
    settings::ConversionSettings settings;
    if (!request.settingsPath.empty() && !readSettingsFile(request.settingsPath, settings)) {
        return false;
    }
    applyConvertRequest(request, settings);
    for (const std::string& warning : workbookWarnings(request))
        std::fprintf(stderr, "%s: warning: %s\n", kCommand, warning.c_str());
    if (request.delimiter && request.format == tables::OutputFormat::kCsv) {
        for (const std::string& warning : delimiterWarnings(*request.delimiter))
            std::fprintf(stderr, "%s: warning: %s\n", kCommand, warning.c_str());
    }
    options = tables::buildConversionOptions(settings);
    applyRunOptions(request, options);
    return true;
}

// A workbook's sheet has 16,384 columns: a wide table with more signals cannot be one.
bool fitsWorkbook(const ConvertRequest& request, const decode::Decoding& decoding) {
    if (request.format != tables::OutputFormat::kXlsx ||
        request.layout != tables::TableLayout::kWide) {
        return true;
    }
    const size_t columns = tables::WideColumns(decoding).columns().size() + 1;
    if (columns <= run::kMaxWorkbookColumns) return true;
    std::fprintf(stderr,
                 "%s: %zu signals are too many columns for a workbook (at most %zu): choose "
                 "fewer with --signals or --messages\n",
                 kCommand, columns - 1, run::kMaxWorkbookColumns - 1);
    return false;
}

// Writes the report beside nothing else: replaced only when complete, like every output.
bool writeReport(const std::string& path, const std::string& text) {
    output::ReplacingFile file;
    int error = file.open(pathFromUtf8(path));
    if (error == 0 && std::fwrite(text.data(), 1, text.size(), file.stream()) != text.size()) {
        error = errno != 0 ? errno : EIO;
        file.abandon();
    }
    if (error == 0) error = file.commit();
    if (error == 0) return true;
    std::fprintf(stderr, "%s: cannot write the report %s: %s\n", kCommand, path.c_str(),
                 platform::errorText(platform::runtimeError(error)).c_str());
    return false;
}

}  // namespace

int runConvertCommand(const Arguments& args) {
    if (asksForHelp(args)) {
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
    tables::ConversionOptions options;
    if (!optionsOf(request, options)) return 2;

    ConvertDatabases databases;
    if (!databases.load(request)) return 2;
    std::vector<std::string> unmatched;
    const decode::DecodingSetup setup(databases.channel(0), databases.channel(1), request.selection,
                                      request.j1939, unmatched);
    for (const std::string& pattern : unmatched) {
        std::fprintf(stderr, "%s: '%s' matches nothing in the database\n", kCommand,
                     pattern.c_str());
    }
    if (!unmatched.empty()) return 2;
    if (!fitsWorkbook(request, setup.decoding())) return 2;

    RunReport report;
    report.databases = databases.reportEntries();
    report.inputs = expandInputs(request.inputs, report.problems);
    for (const std::string& problem : report.problems)
        std::fprintf(stderr, "%s\n", problem.c_str());
    run::OutputNaming naming;
    if (request.format == tables::OutputFormat::kXlsx) naming.extension = ".xlsx";
    if (!outputNamingOf(kCommand, request.outputDir, request.outputFile, report.inputs.size(),
                        naming)) {
        return 2;
    }

    const BatchRun run = runWatchedBatch(
        report.inputs, request.jobs, request.quiet,
        [&](unsigned workers, const std::atomic<bool>& stop, const sources::WalkControl& control) {
            return run::convertBatch(report.inputs, setup.decoding(), options, naming, workers,
                                     stop, {}, control);
        });
    report.results = run.results;
    report.seconds = run.seconds;

    const OutcomeCounts counts = reportOutcomes(report.inputs, report.results);
    const size_t failed = counts.failed + report.problems.size();
    bool reportWritten = true;
    if (!request.reportPath.empty())
        reportWritten = writeReport(request.reportPath, reportJson(report));
    if (request.summary) std::fputs(reportSummary(report).c_str(), stderr);
    if (!request.summary && (!request.quiet || failed + counts.cutShort > 0)) {
        std::fprintf(stderr, "%zu of %zu files converted, %zu cut short, %zu failed\n", counts.done,
                     report.inputs.size() + report.problems.size(), counts.cutShort, failed);
    }
    if (run.signal != 0) return stoppedBySignal(kCommand, "converted", run.signal);
    return failed == 0 && reportWritten ? 0 : 1;
}

}  // namespace cli
