#include "cli/commands.h"

#include "cli/inspect_command.h"

namespace cli {

int runDbcCommand(const Arguments& args);

const std::vector<Command>& commands() {
    static const std::vector<Command> kCommands = {
        {"dbc", "txtcvt-cli dbc FILE.dbc [--json]", runDbcCommand},
        {"inspect", "txtcvt-cli inspect FILE.DT [--json]", runInspect},
    };
    return kCommands;
}

}  // namespace cli
