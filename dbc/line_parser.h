// The DBC line parser: a resumable state machine fed one line at a time.
#pragma once

#include <cstdint>
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

// Appends one line (without its line end) to the pending text and consumes what it can.
//   "BO_ 100 EngineData: 8 Vector__XXX"                        -> 0, message open
//   " SG_ Speed m2 : 7|16@0- (0.1,-40) [-40|6513.5] \"km/h\" A" -> 0, signal waits for a keyword
//   " SG_ Bad : 7|8@1+x (1,0) [0|1] \"\" A"                     -> 103, message stays open
// Results: -1 empty line, 0 accepted/skipped/waiting, 100 malformed (factor,offset),
// 101 line or statement too long, 102 database already finalised, 103 unexpected token.
int32_t parseDbcLine(CanDatabase& db, std::string_view line);

}  // namespace dbc
