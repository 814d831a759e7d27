// The subcommands of txtcvt-cli. Each takes its own arguments (after the command word) and
// returns the process exit status: 0 success, 1 a failed file, 2 a usage error or a database
// that did not load.
#pragma once

#include <string>
#include <vector>

#include "cli/rules/option_rows.h"

namespace cli {

struct Command {
    const CommandText& text;  // its name and synopsis
    int (*run)(const Arguments& args);
};

// Every command the program knows, in the order the help text lists them.
const std::vector<Command>& commands();

}  // namespace cli
