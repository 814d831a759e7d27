// txtcvt-cli inspect FILE.DT [--json]: the information block of a monitor data file and every
// head record the walk stops on, with the frame it yields.
#pragma once

#include <cstdio>
#include <filesystem>

#include "cli/commands.h"
#include "cli/rules/option_rows.h"

namespace cli {

extern const CommandText kInspectCommand;
int runInspect(const Arguments& args);

// Writes the report of one file to `out` (JSON lines or plain text) and a load failure to
// `err`. Returns the exit status: 0, or 1 when the file did not load.
int inspectFile(const std::filesystem::path& path, bool json, std::FILE* out, std::FILE* err);

}  // namespace cli
