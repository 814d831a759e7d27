// The subcommands of txtcvt-cli. Each takes its own arguments (after the command word) and
// returns the process exit status: 0 success, 1 a failed file, 2 a usage error or a database
// that did not load.
#pragma once

#include <string>
#include <vector>

namespace cli {

using Arguments = std::vector<std::string>;

struct Command {
    const char* name;
    const char* synopsis;
    int (*run)(const Arguments& args);
};

// Every command the program knows, in the order the help text lists them.
const std::vector<Command>& commands();

}  // namespace cli
