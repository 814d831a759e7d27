// What the command line tells about a DBC load: why a file could not be used, the first errors
// the load logged, and where the load log is.
#pragma once

#include <cstdio>
#include <string>

#include "dbc/loader.h"

namespace cli {

// True when the file was opened and read, so that the load itself ran (and wrote its log).
bool dbcLoadRan(const dbc::LoadSummary& summary);

// Writes the report lines to `stream`, each beginning with dbcPath:
//   vehicle.dbc: cannot open (No such file or directory) (0x80070002)
//   vehicle.dbc:12: [Error] unrecognized expression >>  SG_ Bad : 7|8@1+x (1,0) [0|1] "" X
//   vehicle.dbc: 1 error (see dbcload.log)
// Nothing for a load without errors whose log was written.
void reportDbcLoad(std::FILE* stream, const std::string& dbcPath, const dbc::LoadSummary& summary,
                   bool loaded, const std::string& logName = dbc::kLoadLogName);

}  // namespace cli
