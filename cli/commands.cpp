#include "cli/commands.h"

namespace cli {

int runDbcCommand(const Arguments& args);

const std::vector<Command>& commands() {
    static const std::vector<Command> kCommands = {
        {"dbc", "txtcvt-cli dbc FILE.dbc [--json]", runDbcCommand},
    };
    return kCommands;
}

}  // namespace cli
