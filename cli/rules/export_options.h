// The options of `txtcvt-cli export`, as rows, and the request they fill.
#pragma once

#include <span>
#include <string>

#include "cli/rules/option_rows.h"
#include "cli/rules/run_options.h"
#include "run/frame_export.h"

namespace cli {

struct ExportRequest {
    run::ExportOptions options;  // format, --channel, --ids, --channel-names
    bool formatGiven = false;
    bool namesGiven = false;
    std::string reportPath;  // --report FILE.json, "-" for standard output
    bool summary = false;
    RunRequest run;

    void setChannels(settings::Channels channels) { options.channels = channels; }
    std::vector<can::IdRange>& idRanges() { return options.ids; }
    run::InputChoice& inputChoice() { return options.input; }
};

std::span<const OptionRow<ExportRequest>> exportRows();
extern const CommandText kExportCommand;

// Grammar: see option_rows.h; every option of the help, in any order with the inputs.
//   export --format asc logs/                        -> every capture of logs/ to X.asc beside it
//   export --format candump --channel-names vcan0,vcan1 --ids 100-1FF -o out run.DT
// kInvalidArgument with the words for the user on a mistake.
platform::Status parseExportArguments(const Arguments& args, ExportRequest& request);

}  // namespace cli
