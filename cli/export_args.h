// The arguments of `txtcvt-cli export`, read into a request without touching any file.
#pragma once

#include <optional>
#include <string>

#include "cli/commands.h"
#include "run/frame_export.h"

namespace cli {

struct ExportRequest {
    run::ExportOptions options;  // format, --channel, --ids, --channel-names
    bool formatGiven = false;
    std::string outputDir;   // -o DIR
    std::string outputFile;  // --output FILE, "-" for standard output
    unsigned jobs = 0;       // 0: one per core
    bool quiet = false;
    Arguments inputs;
};

// Grammar: see option_parser.h; every option of the usage text, in any order with the inputs.
//   export --format asc logs/                        -> every capture of logs/ to X.asc beside it
//   export --format candump --channel-names vcan0,vcan1 --ids 100-1FF -o out run.DT
// Returns an empty text on success, else the message for the user.
std::string parseExportArguments(const Arguments& args, ExportRequest& request);

extern const char* const kExportUsage;

}  // namespace cli
