// The finalised database as one line of JSON (txtcvt-cli dbc --json).
#pragma once

#include <cstdint>
#include <string>

#include "dbc/database.h"

namespace dbc {

// {"messages":[...],"errors":N} with the messages in their finalised order. DBC text bytes at
// 0x80 and above are written as \u00XX, reals with 17 significant digits, non-finite reals as
// the strings "nan", "inf" and "-inf".
std::string databaseToJson(const CanDatabase& db, int32_t errorCount);

}  // namespace dbc
