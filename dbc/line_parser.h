// The DBC line parser: a resumable state machine fed one line at a time, filling a CanDatabase.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "dbc/database.h"

namespace dbc {

// Results of parseDbcLine; every result above 99 is one logged error.
constexpr int32_t kLineEmpty = -1;
constexpr int32_t kLineAccepted = 0;
constexpr int32_t kLineBadScaling = 100;
constexpr int32_t kLineTooLong = 101;
constexpr int32_t kLineAfterFinalise = 102;
constexpr int32_t kLineUnexpectedToken = 103;

// Longest line, and longest pending statement text, that the parser takes.
constexpr size_t kMaxLineBytes = 0x4000 - 1;
constexpr size_t kMaxPendingBytes = 0x8000 - 1;

struct ParserCore;

// Owns everything the parser keeps between lines (statement state, unconsumed text, line count,
// the records of the statement being read) and stores finished statements into its database.
class DbcParser {
public:
    explicit DbcParser(CanDatabase& database);
    ~DbcParser();
    DbcParser(const DbcParser&) = delete;
    DbcParser& operator=(const DbcParser&) = delete;

    CanDatabase& database() { return db_; }
    const CanDatabase& database() const { return db_; }

    // Resets the database and starts afresh: line count 0, nothing pending, state 0.
    void reset();

    // Appends one line (without its line end) to the pending text and consumes what it can.
    //   "BO_ 100 EngineData: 8 Vector__XXX"                        -> 0, message open
    //   " SG_ Speed m2 : 7|16@0- (0.1,-40) [-40|6513.5] \"km/h\" A" -> 0, signal waits for a
    //   keyword " SG_ Bad : 7|8@1+x (1,0) [0|1] \"\" A"                     -> 103, message stays
    //   open
    // Results: -1 empty line, 0 accepted/skipped/waiting, 100 malformed (factor,offset),
    // 101 line or statement too long, 102 database already finalised, 103 unexpected token.
    int32_t parseLine(std::string_view line);

    int32_t lineNumber() const;            // lines given since the last reset, empty ones included
    int32_t state() const;                 // 0 between statements
    std::string_view pendingText() const;  // text kept for the next line

private:
    CanDatabase& db_;
    std::unique_ptr<ParserCore> core_;
};

inline int32_t parseDbcLine(DbcParser& parser, std::string_view line) {
    return parser.parseLine(line);
}

}  // namespace dbc
