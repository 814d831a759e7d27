// The report of a conversion run: for each input its outcome and what the capture held (frames
// per channel, what the database did and did not cover, short frames, values read past the
// data, multiplexer switch values that select nothing, lines, times), and the totals. As one
// JSON document (--report) or as a few lines for people (--summary).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "run/batch.h"

namespace cli {

struct ReportDatabase {
    std::string channel;  // "both" (every channel), or "ch1", "ch2", ... "chN"
    std::string path;
    int32_t messages = 0;
    int32_t signals = 0;
    int32_t errors = 0;
};

struct RunReport {
    std::vector<ReportDatabase> databases;
    std::vector<std::filesystem::path> inputs;
    std::vector<run::FileResult> results;
    std::vector<std::string> problems;  // inputs that named nothing
    double seconds = 0.0;
};

// The JSON document, one line per file inside the "files" list.
std::string reportJson(const RunReport& report);

// A few lines for standard error, however large the run.
std::string reportSummary(const RunReport& report);

// The report of an export into `format` ("asc", "blf", "candump"): per input its outcome, its
// frames per channel and kind, what a log's source left out, what the format could not carry
// and the time span; then the totals. As JSON, and as a few lines.
std::string exportReportJson(const RunReport& report, std::string_view format);
std::string exportReportSummary(const RunReport& report, std::string_view format);

// Writes a report to `path` ("-": standard output), replaced only when complete like every
// output; false after saying on standard error why it could not be written.
bool writeReport(const char* command, const std::string& path, const std::string& text);

}  // namespace cli
