#include "cli/commands.h"

#include "cli/inspect_command.h"
#include "cli/rules/convert_options.h"
#include "cli/rules/export_options.h"

namespace cli {

extern const CommandText kDbcCommand;
int runDbcCommand(const Arguments& args);
int runConvertCommand(const Arguments& args);
int runExportCommand(const Arguments& args);

const std::vector<Command>& commands() {
    static const std::vector<Command> kCommands = {
        {kConvertCommand, runConvertCommand},
        {kExportCommand, runExportCommand},
        {kDbcCommand, runDbcCommand},
        {kInspectCommand, runInspect},
    };
    return kCommands;
}

}  // namespace cli
