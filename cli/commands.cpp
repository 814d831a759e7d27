#include "cli/commands.h"

#include "cli/inspect_command.h"

namespace cli {

int runDbcCommand(const Arguments& args);
int runConvertCommand(const Arguments& args);
int runExportCommand(const Arguments& args);

const std::vector<Command>& commands() {
    static const std::vector<Command> kCommands = {
        {"convert", "txtcvt-cli convert --dbc FILE.dbc [options] INPUT.DT|FOLDER...",
         runConvertCommand},
        {"export", "txtcvt-cli export --format asc|blf|candump [options] INPUT.DT|FOLDER...",
         runExportCommand},
        {"dbc", "txtcvt-cli dbc FILE.dbc [--json]", runDbcCommand},
        {"inspect", "txtcvt-cli inspect FILE.DT [--json]", runInspect},
    };
    return kCommands;
}

}  // namespace cli
