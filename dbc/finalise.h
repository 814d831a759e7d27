// Makes a loaded database ready for decoding.
#pragma once

#include <cstdint>

#include "dbc/line_parser.h"

namespace dbc {

constexpr int32_t kFinaliseNothingLoaded = -1;
constexpr int32_t kFinaliseAlreadyDone = -2;
constexpr int32_t kFinaliseBadState = -3;

// Commits the statement still open, sorts the messages by rawId and works out identifier
// flags, IEEE types, value descriptions and multiplexing. 0, or a negative code with nothing
// changed: -1 nothing loaded, -2 already finalised, -3 any other state.
int32_t finaliseDatabase(DbcParser& parser);

}  // namespace dbc
