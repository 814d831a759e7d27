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
#include "cli/convert_databases.h"
#include "cli/input_files.h"
#include "cli/output_naming.h"
#include "cli/rules/convert_options.h"
#include "cli/rules/option_rows.h"
#include "cli/rules/outcome_text.h"
#include "cli/run_report.h"
#include "decode/decoding_setup.h"
#include "output/replacing_file.h"
#include "platform/error_text.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "run/batch.h"
#include "run/path_checks.h"
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

// Says what the settings file held that is none of its choices, and the warnings about options
// a workbook does not use or a delimiter that stands for nothing.
void printWarnings(const ConvertRequest& request) {
    for (const settings::UnknownSettingsWord& word : request.settingsWords) {
        std::fprintf(stderr, "%s: warning: %s: %s=%s is not one of %s; \"%s\" is used\n", kCommand,
                     request.settingsPath.c_str(), platform::utf16ToUtf8(word.key).c_str(),
                     platform::utf16ToUtf8(word.word).c_str(), quotedWords(word.words).c_str(),
                     platform::utf16ToUtf8(word.used).c_str());
    }
    for (const std::string& warning : workbookWarnings(request))
        std::fprintf(stderr, "%s: warning: %s\n", kCommand, warning.c_str());
    if (request.delimiter && request.options.format == tables::OutputFormat::kCsv) {
        for (const std::string& warning : delimiterWarnings(*request.delimiter))
            std::fprintf(stderr, "%s: warning: %s\n", kCommand, warning.c_str());
    }
}

// The words of a request that cannot be carried out: a usage error, or a settings file that
// cannot be read.
void printRefusal(const platform::Status& refused) {
    if (refused.code() == platform::kInvalidArgument) {
        std::fputs(usageErrorText(kConvertCommand, refused.detail()).c_str(), stderr);
        return;
    }
    std::fprintf(stderr, "%s: cannot read the settings file %s: %s (%s)\n", kCommand,
                 refused.detail().c_str(), platform::errorText(refused.code()).c_str(),
                 codeText(refused.code()).c_str());
}

// A workbook's sheet has 16,384 columns: a wide table with more signals cannot be one.
bool fitsWorkbook(const ConvertRequest& request, const decode::Decoding& decoding) {
    if (request.options.format != tables::OutputFormat::kXlsx ||
        request.options.layout != tables::TableLayout::kWide) {
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

// Every file the run will write, held against every file it reads and against each other
// before anything is written; false after saying which two are one file.
bool filesAreApart(const ConvertRequest& request, const std::vector<std::filesystem::path>& inputs,
                   const run::OutputNaming& naming) {
    std::vector<run::RunFile> reads;
    reads.reserve(inputs.size() + 4);
    for (const std::filesystem::path& input : inputs) reads.push_back({input, "the input"});
    const auto path = [](const std::string& text) { return platform::pathFromUtf8(text); };
    if (!request.dbcPath.empty()) reads.push_back({path(request.dbcPath), "the database"});
    std::vector<run::RunFile> writes;
    const bool several = request.channelDbcPaths.size() > 1;
    if (!request.dbcPath.empty()) {
        writes.push_back({loadLogPathFor(request.logPath, -1), "the load log"});
    }
    for (const auto& [channel, database] : request.channelDbcPaths) {
        reads.push_back({path(database), "the database"});
        writes.push_back({loadLogPathFor(request.logPath, several ? channel : -1), "the load log"});
    }
    if (!request.settingsPath.empty()) {
        reads.push_back({path(request.settingsPath), "the settings file"});
    }
    if (!request.reportPath.empty()) writes.push_back({path(request.reportPath), "the report"});
    for (const std::filesystem::path& input : inputs) {
        std::filesystem::path output;
        if (run::outputPathFor(input, naming, output) != 0) continue;  // the batch says why
        writes.push_back({output, "the output", true});
    }
    const platform::Status apart = run::checkRunFiles(reads, writes);
    if (apart.ok()) return true;
    std::fprintf(stderr, "%s: %s\n", kCommand, apart.detail().c_str());
    return false;
}

// A selection whose every pattern matches something may still keep nothing, and identifiers
// may name no message of the databases: the table would be empty, which the user should hear.
void warnAboutSelection(const decode::DecodingSetup& setup) {
    if (!setup.keepsAnySignal()) {
        std::fprintf(stderr,
                     "%s: warning: --messages and --signals each match something, but no signal "
                     "matches them all: the tables have no values\n",
                     kCommand);
    }
    for (const can::IdRange& range : setup.idsMatchingNoMessage()) {
        char text[32];
        std::snprintf(text, sizeof text, range.low == range.high ? "%X" : "%X-%X", range.low,
                      range.high);
        std::fprintf(stderr, "%s: warning: --ids %s matches no message of the database\n", kCommand,
                     text);
    }
}

}  // namespace

int runConvertCommand(const Arguments& args) {
    if (asksForHelp(args)) {
        std::fputs(helpOf(kConvertCommand, convertRows()).c_str(), stdout);
        return 0;
    }
    ConvertRequest request;
    const platform::Status parsed = parseConvertArguments(args, request);
    if (!parsed.ok()) {
        printRefusal(parsed);
        return 2;
    }
    if (request.ansiCodePage && !platform::setAnsiCodePage(*request.ansiCodePage)) {
        std::fprintf(stderr, "%s: code page %u cannot be used here\n", kCommand,
                     *request.ansiCodePage);
        return 2;
    }
    printWarnings(request);
    const tables::ConversionOptions& options = request.options;

    RunReport report;
    report.inputs = expandInputs(request.run.inputs, report.problems, request.input.format);
    run::OutputNaming naming;
    if (options.format == tables::OutputFormat::kXlsx) naming.extension = ".xlsx";
    if (!outputNamingOf(kCommand, request.run.outputDir, request.run.outputFile,
                        report.inputs.size(), naming)) {
        return 2;
    }
    if (!filesAreApart(request, report.inputs, naming)) return 2;

    ConvertDatabases databases;
    if (!databases.load(request)) return 2;
    std::vector<std::string> unmatched;
    const decode::DecodingSetup setup(databases.every(), databases.own(), request.selection,
                                      request.j1939, unmatched);
    for (const std::string& pattern : unmatched) {
        std::fprintf(stderr, "%s: '%s' matches nothing in the database\n", kCommand,
                     pattern.c_str());
    }
    if (!unmatched.empty()) return 2;
    warnAboutSelection(setup);
    if (!fitsWorkbook(request, setup.decoding())) return 2;

    report.databases = databases.reportEntries();
    for (const std::string& problem : report.problems)
        std::fprintf(stderr, "%s\n", problem.c_str());

    const BatchRun run = runWatchedBatch(
        report.inputs, request.run.jobs, request.run.quiet,
        [&](unsigned workers, const std::atomic<bool>& stop, const sources::WalkControl& control) {
            return run::convertBatch(report.inputs, setup.decoding(), options, naming, workers,
                                     stop, {}, control, request.input,
                                     partWorkerCount(request.run.jobs, report.inputs.size()));
        });
    report.results = run.results;
    report.seconds = run.seconds;

    const OutcomeCounts counts = reportOutcomes(report.inputs, report.results);
    const size_t failed = counts.failed + report.problems.size();
    bool reportWritten = true;
    if (!request.reportPath.empty())
        reportWritten = writeReport(kCommand, request.reportPath, reportJson(report));
    if (request.summary) std::fputs(reportSummary(report).c_str(), stderr);
    if (!request.summary && (!request.run.quiet || failed + counts.cutShort > 0)) {
        std::fprintf(stderr, "%zu of %zu files converted, %zu cut short, %zu failed\n", counts.done,
                     report.inputs.size() + report.problems.size(), counts.cutShort, failed);
    }
    if (run.signal != 0) return stoppedBySignal(kCommand, "converted", run.signal);
    return failed == 0 && reportWritten ? 0 : 1;
}

}  // namespace cli
