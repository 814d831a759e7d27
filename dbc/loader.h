// Loading a DBC file into the database, with its load log.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "dbc/database.h"

namespace dbc {

constexpr const char* kLoadLogName = "dbcload.log";

// What a load did, for callers that report it (the command line prints lastLogLine).
struct LoadSummary {
    bool opened = false;      // the DBC file could be opened
    int32_t errorCount = 0;   // lines with a result above 99
    std::string lastLogLine;  // the summary line, or the failure line
};

// Resets the database, parses every line, finalises, and writes the load log. True when the
// database is finalised and holds at least one signal; on false it is left empty, except when
// the DBC file cannot be opened: then nothing is logged and the database keeps its content.
bool loadDbcFile(CanDatabase& db, const std::filesystem::path& dbcPath);
// The same with the log written to logPath.
bool loadDbcFile(CanDatabase& db, const std::filesystem::path& dbcPath,
                 const std::filesystem::path& logPath, LoadSummary* summary = nullptr);
// The same over the bytes of a DBC file already in memory, read by the same line rules.
bool loadDbcText(CanDatabase& db, std::string_view text, const std::filesystem::path& logPath,
                 LoadSummary* summary = nullptr);

}  // namespace dbc
