#include "cli/run_report.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>

#include "cli/json_text.h"
#include "cli/report_pieces.h"
#include "cli/rules/outcome_text.h"
#include "output/replacing_file.h"
#include "platform/error_text.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"
#include "run/file_stats.h"
#include "txtcvt_version.h"

namespace cli {

namespace {

using report::flag;
using report::hexId;
using report::number;
using report::put;
using report::seconds;
using run::FileStats;
using run::FileStatus;

std::string_view outcomeWord(const run::FileOutcome& outcome, std::string_view done) {
    if (outcome.converted()) return done;
    if (outcome.status == FileStatus::kCutShort) return "cut short";
    return "failed";
}

void putStats(std::string& out, const FileStats& stats, bool file) {
    put(out, "\"records\":", number(stats.records), ",");
    report::putFrames(out, stats.channels);
    report::putLog(out, stats, file);
    put(out, ",\"framesDecoded\":", number(stats.framesDecoded),
        ",\"framesJ1939\":", number(stats.framesJ1939),
        ",\"framesJ1939Ambiguous\":", number(stats.framesJ1939Ambiguous),
        ",\"unknown\":{\"frames\":", number(stats.framesUnknown), ",\"identifiers\":[");
    const char* separator = "";
    for (const decode::UnknownIdentifier& id : stats.topUnknown(20)) {
        put(out, separator, "{\"id\":\"", hexId(id.canId, id.extended),
            "\",\"extended\":", flag(id.extended), ",\"frames\":", number(id.total()),
            ",\"ch1\":", number(id.on(0)), ",\"ch2\":", number(id.on(1)));
        for (const auto& [channel, frames] : id.byChannel) {
            if (channel >= 2) put(out, ",\"", report::channelKey(channel), "\":", number(frames));
        }
        put(out, "}");
        separator = ",";
    }
    put(out, "]},\"short\":{\"frames\":", number(stats.framesShort), ",\"messages\":[");
    separator = "";
    for (const decode::MessageFrames& message : stats.shortByMessage()) {
        put(out, separator, "{\"message\":", jsonString(message.message), ",\"id\":\"",
            hexId(message.canId, message.extended), "\",\"frames\":", number(message.frames), "}");
        separator = ",";
    }
    put(out, "]},\"valuesBeyondData\":", number(stats.valuesBeyondData),
        ",\"unmatchedSwitches\":[");
    separator = "";
    for (const decode::UnmatchedSwitch& entry : stats.unmatchedSwitches()) {
        put(out, separator, "{\"message\":", jsonString(entry.message),
            ",\"switch\":", jsonString(entry.switchName), ",\"frames\":", number(entry.frames),
            ",\"values\":[");
        for (size_t i = 0; i < entry.values.size(); ++i) {
            put(out, i > 0 ? "," : "", std::to_string(entry.values[i]));
        }
        put(out, "],\"moreValues\":", flag(entry.moreValues), "}");
        separator = ",";
    }
    put(out, "],\"lines\":", number(stats.lines));
    // Only resampled tables whose time jumps or runs backwards have these.
    if (stats.rowsSkipped > 0) put(out, ",\"rowsSkipped\":", number(stats.rowsSkipped));
    if (stats.timeBackwards > 0) put(out, ",\"timeBackwards\":", number(stats.timeBackwards));
    report::putTimes(out, stats);
}

// The input, output and outcome of a file, and where it failed or was cut short.
void putOutcome(std::string& out, const RunReport& report, size_t index, std::string_view done) {
    const run::FileResult& result = report.results[index];
    const run::FileOutcome& outcome = result.outcome;
    put(out, "{\"input\":", jsonString(platform::pathToUtf8(report.inputs[index])), ",\"output\":",
        result.output.empty() ? std::string("null")
                              : jsonString(platform::pathToUtf8(result.output)),
        ",\"outcome\":\"", outcomeWord(outcome, done), "\"");
    if (!outcome.converted()) {
        put(out, ",\"message\":", jsonString(outcomeWords(report.inputs, result, done)));
        if (outcome.status != FileStatus::kCutShort) {
            put(out, ",\"code\":\"", codeText(outcome.code), "\"");
        }
    }
    if (outcome.status == FileStatus::kCutShort) {
        put(out, ",\"recordsClaimed\":", number(outcome.recordsClaimed));
    }
}

std::string fileJson(const RunReport& report, size_t index) {
    const run::FileResult& result = report.results[index];
    const run::FileOutcome& outcome = result.outcome;
    std::string out;
    putOutcome(out, report, index, "converted");
    if (outcome.stats) {
        put(out, ",");
        putStats(out, *outcome.stats, true);
    }
    put(out, ",\"seconds\":", seconds(result.seconds), "}");
    return out;
}

// What an export met: the frames per channel and kind, what a log's source left out, what the
// log format could not carry, and the time span of the frames written.
void putExportStats(std::string& out, const run::ExportStats& stats, bool file) {
    put(out, ",\"records\":", number(stats.records), ",");
    report::putFrames(out, stats.channels);
    put(out, ",\"channels\":");
    report::putChannelKinds(out, stats.channels);
    report::putLog(out, stats, file);
    put(out, ",\"leftOut\":{\"total\":", number(stats.leftOut.total()));
    for (size_t i = 0; i < static_cast<size_t>(canlog::LeftOut::kCount); ++i) {
        const auto kind = static_cast<canlog::LeftOut>(i);
        put(out, ",\"", canlog::leftOutKey(kind), "\":", number(stats.leftOut[kind]));
    }
    put(out, "}");
    report::putTimes(out, stats);
}

struct Totals {
    size_t converted = 0, cutShort = 0, failed = 0;
    FileStats stats;
    run::ExportStats exported;
};

Totals totalsOf(const RunReport& report) {
    Totals totals;
    totals.failed = report.problems.size();
    for (const run::FileResult& result : report.results) {
        if (result.outcome.converted()) {
            ++totals.converted;
        } else if (result.outcome.status == FileStatus::kCutShort) {
            ++totals.cutShort;
        } else {
            ++totals.failed;
        }
        if (result.outcome.stats) totals.stats.add(*result.outcome.stats);
        if (result.outcome.exportStats) totals.exported.add(*result.outcome.exportStats);
    }
    return totals;
}

void putNotFound(std::string& out, const RunReport& report) {
    put(out, "],\n\"inputsNotFound\":[");
    const char* separator = "";
    for (const std::string& problem : report.problems) {
        put(out, separator, jsonString(problem));
        separator = ",";
    }
}

std::string summaryHead(const RunReport& report, const Totals& totals, std::string_view done) {
    const size_t files = report.results.size() + report.problems.size();
    char line[256];
    std::snprintf(line, sizeof line,
                  "Summary: %zu file%s: %zu %.*s, %zu cut short, %zu failed, in %.2f s\n", files,
                  files == 1 ? "" : "s", totals.converted, static_cast<int>(done.size()),
                  done.data(), totals.cutShort, totals.failed, report.seconds);
    return line;
}

// The logs whose unreadable places a summary lists, the first ones of the run.
constexpr size_t kListedUnreadable = 5;

template <class Stats>
std::string unreadableLines(const RunReport& report,
                            std::shared_ptr<const Stats> run::FileOutcome::*member) {
    std::string out;
    size_t listed = 0;
    for (size_t i = 0; i < report.results.size() && listed < kListedUnreadable; ++i) {
        const std::shared_ptr<const Stats>& stats = report.results[i].outcome.*member;
        if (!stats) continue;
        const std::string unreadable =
            report::unreadableLine(platform::pathToUtf8(report.inputs[i]), *stats);
        listed += unreadable.empty() ? 0 : 1;
        out += unreadable;
    }
    return out;
}

}  // namespace

std::string reportJson(const RunReport& report) {
    std::string out = "{\"program\":\"txtcvt-cli " TXTCVT_VERSION_TEXT "\",\"databases\":[";
    const char* separator = "";
    for (const ReportDatabase& db : report.databases) {
        put(out, separator, "{\"channel\":\"", db.channel, "\",\"path\":", jsonString(db.path),
            ",\"messages\":", std::to_string(db.messages),
            ",\"signals\":", std::to_string(db.signals), ",\"errors\":", std::to_string(db.errors),
            "}");
        separator = ",";
    }
    put(out, "],\n\"files\":[\n");
    for (size_t i = 0; i < report.results.size(); ++i) {
        put(out, fileJson(report, i), i + 1 < report.results.size() ? ",\n" : "\n");
    }
    putNotFound(out, report);
    const Totals totals = totalsOf(report);
    put(out, "],\n\"totals\":{\"files\":", number(report.results.size() + report.problems.size()),
        ",\"converted\":", number(totals.converted), ",\"cutShort\":", number(totals.cutShort),
        ",\"failed\":", number(totals.failed), ",");
    putStats(out, totals.stats, false);
    put(out, ",\"seconds\":", seconds(report.seconds), "}}\n");
    return out;
}

std::string reportSummary(const RunReport& report) {
    const Totals totals = totalsOf(report);
    const FileStats& s = totals.stats;
    char line[512];
    std::string out = summaryHead(report, totals, "converted");
    put(out, "  ", number(s.records), " records, ", number(s.channels.frames()), " frames (",
        report::channelList(s.channels), "), ", number(s.framesDecoded), " decoded, ",
        number(s.lines), " lines written\n");
    out += report::logSummary(s);
    out += unreadableLines<FileStats>(report, &run::FileOutcome::stats);
    std::string unknown;
    for (const decode::UnknownIdentifier& id : s.topUnknown(5)) {
        put(unknown, unknown.empty() ? " (most: " : ", ", hexId(id.canId, id.extended), " x",
            number(id.total()));
    }
    if (!unknown.empty()) unknown += ")";
    std::snprintf(line, sizeof line,
                  "  %" PRIu64 " frame(s) of identifiers the database does not know%s\n",
                  s.framesUnknown, unknown.c_str());
    out += line;
    const auto switches = s.unmatchedSwitches();
    uint64_t switchFrames = 0;
    for (const auto& entry : switches) switchFrames += entry.frames;
    std::snprintf(line, sizeof line,
                  "  %" PRIu64 " short frames, %" PRIu64 " values read past the data, %" PRIu64
                  " frames whose multiplexer value selects no signal, %" PRIu64 " matched as J1939",
                  s.framesShort, s.valuesBeyondData, switchFrames, s.framesJ1939);
    out += line;
    if (s.framesJ1939Ambiguous > 0) {
        std::snprintf(line, sizeof line,
                      " (%" PRIu64
                      " of them ambiguous: several messages as close, the lowest "
                      "identifier taken)",
                      s.framesJ1939Ambiguous);
        out += line;
    }
    out += "\n";
    return out;
}

bool writeReport(const char* command, const std::string& path, const std::string& text) {
    output::ReplacingFile file;
    int error = file.open(platform::pathFromUtf8(path));
    if (error == 0 && std::fwrite(text.data(), 1, text.size(), file.stream()) != text.size()) {
        error = errno != 0 ? errno : EIO;
        file.abandon();
    }
    if (error == 0) error = file.commit();
    if (error == 0) return true;
    std::fprintf(stderr, "%s: cannot write the report %s: %s\n", command, path.c_str(),
                 platform::errorText(platform::runtimeError(error)).c_str());
    return false;
}

std::string exportReportJson(const RunReport& report, std::string_view format) {
    std::string out;
    put(out, "{\"program\":\"txtcvt-cli " TXTCVT_VERSION_TEXT "\",\"format\":\"", format,
        "\",\n\"files\":[\n");
    for (size_t i = 0; i < report.results.size(); ++i) {
        const run::FileResult& result = report.results[i];
        putOutcome(out, report, i, "exported");
        if (result.outcome.exportStats) putExportStats(out, *result.outcome.exportStats, true);
        put(out, ",\"seconds\":", seconds(result.seconds), "}",
            i + 1 < report.results.size() ? ",\n" : "\n");
    }
    putNotFound(out, report);
    const Totals totals = totalsOf(report);
    put(out, "],\n\"totals\":{\"files\":", number(report.results.size() + report.problems.size()),
        ",\"exported\":", number(totals.converted), ",\"cutShort\":", number(totals.cutShort),
        ",\"failed\":", number(totals.failed));
    putExportStats(out, totals.exported, false);
    put(out, ",\"seconds\":", seconds(report.seconds), "}}\n");
    return out;
}

std::string exportReportSummary(const RunReport& report, std::string_view format) {
    const Totals totals = totalsOf(report);
    const run::ExportStats& s = totals.exported;
    std::string out = summaryHead(report, totals, "exported");
    put(out, "  ", number(s.records), " records, ", number(s.channels.frames()), " frames (",
        report::channelList(s.channels), ")\n");
    out += report::logSummary(s);
    out += unreadableLines<run::ExportStats>(report, &run::FileOutcome::exportStats);
    put(out, "  left out of the ", format, " logs: ");
    const char* separator = "";
    for (size_t i = 0; i < static_cast<size_t>(canlog::LeftOut::kCount); ++i) {
        const auto kind = static_cast<canlog::LeftOut>(i);
        if (s.leftOut[kind] == 0) continue;
        put(out, separator, number(s.leftOut[kind]), " ", canlog::leftOutName(kind));
        separator = ", ";
    }
    out += s.leftOut.total() == 0 ? "nothing\n" : "\n";
    return out;
}

}  // namespace cli
