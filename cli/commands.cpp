#include "cli/commands.h"

#include "cli/inspect_command.h"

namespace cli {

const std::vector<Command>& commands() {
    static const std::vector<Command> kCommands = {
        {"inspect", "txtcvt-cli inspect FILE.DT [--json]", runInspect},
    };
    return kCommands;
}

}  // namespace cli
