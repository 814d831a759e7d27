// Loading a DBC file into the database, with its load log.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "dbc/database.h"

namespace dbc {

constexpr const char* kLoadLogName = "dbcload.log";

// Larger DBC files are refused before they are read (the biggest real ones are a few MB).
constexpr uint64_t kMaxDbcBytes = uint64_t{256} << 20;

// How many logged errors a LoadSummary keeps, and how much of each line.
constexpr size_t kSummaryErrorCount = 5;
constexpr size_t kSummaryLineBytes = 200;

struct LoadOptions {
    std::filesystem::path logPath = kLoadLogName;
    uint64_t maxBytes = kMaxDbcBytes;
    // The Windows program's one diagnostic, "File open Error!!\n" to the debugger output, when
    // the file cannot be opened. The command line reports that itself and leaves it out.
    bool openDiagnostic = true;
    // When set, the log lines (with their CR LF) are collected here instead of written to
    // logPath: for checks that load many texts and compare their logs.
    std::string* logText = nullptr;
};

// One logged error: its line number, its log text ("[Error] unrecognized expression") and the
// start of the line as read (at most kSummaryLineBytes; lineCut tells that there was more).
struct LoggedError {
    int32_t lineNumber = 0;
    std::string errorText;
    std::string line;
    bool lineCut = false;
};

// What a load did, for callers that report it.
struct LoadSummary {
    bool opened = false;      // the DBC file could be opened
    int32_t openResult = 0;   // when not: 0x80070000 + the Windows error number
    bool tooLarge = false;    // refused: more than LoadOptions::maxBytes (nothing was logged)
    uint64_t fileBytes = 0;   // the size that was refused, 0 when it is unknown (a pipe)
    int32_t readResult = 0;   // a read that failed after the open (0x80070000 + error number)
    bool logWritten = false;  // the load log was created and every line of it written
    int32_t errorCount = 0;   // lines with a result above 99
    std::string lastLogLine;  // the summary line, or the failure line
    std::vector<LoggedError> firstErrors;  // the first kSummaryErrorCount of them
};

// Resets the database, parses every line, finalises, and writes the load log. True when the
// database is finalised and holds at least one signal; on false it is left empty, except when
// the DBC file cannot be opened or is too large: then nothing is logged and the database keeps
// its content.
bool loadDbcFile(CanDatabase& db, const std::filesystem::path& dbcPath);
bool loadDbcFile(CanDatabase& db, const std::filesystem::path& dbcPath, const LoadOptions& options,
                 LoadSummary* summary = nullptr);
// The same with the log written to logPath.
bool loadDbcFile(CanDatabase& db, const std::filesystem::path& dbcPath,
                 const std::filesystem::path& logPath, LoadSummary* summary = nullptr);
// The same over the bytes of a DBC file already in memory, read by the same line rules.
bool loadDbcText(CanDatabase& db, std::string_view text, const std::filesystem::path& logPath,
                 LoadSummary* summary = nullptr);
bool loadDbcText(CanDatabase& db, std::string_view text, const LoadOptions& options,
                 LoadSummary* summary = nullptr);

}  // namespace dbc
