// A calendar date and a clock time as the tables write them, zero-padded: "2024/05/01" (or with
// '-' between the parts) and "12:34:56".
#pragma once

#include <string>

#include "platform/local_time.h"

namespace tables {

void appendCivilDate(std::string& out, const platform::CivilTime& civil, char separator);
void appendCivilClock(std::string& out, const platform::CivilTime& civil);

}  // namespace tables
