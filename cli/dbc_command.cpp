// txtcvt-cli dbc FILE.dbc [--json]: loads a DBC file as the Windows program does, writes
// dbcload.log into the current directory and prints the summary or the finalised database.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/utf8_args.h"
#include "dbc/json.h"
#include "dbc/loader.h"

namespace cli {

int runDbcCommand(const Arguments& args) {
    std::string dbcFile;
    bool json = false;
    for (const std::string& arg : args) {
        if (arg == "--json") {
            json = true;
        } else if (dbcFile.empty() && (arg.empty() || arg[0] != '-' || arg == "-")) {
            dbcFile = arg;
        } else {
            std::fprintf(stderr, "txtcvt-cli dbc: unexpected argument '%s'\n", arg.c_str());
            return 2;
        }
    }
    if (dbcFile.empty()) {
        std::fprintf(stderr, "Usage: txtcvt-cli dbc FILE.dbc [--json]\n");
        return 2;
    }
    static dbc::CanDatabase database;
    dbc::LoadSummary summary;
    const bool loaded =
        dbc::loadDbcFile(database, pathFromUtf8(dbcFile), dbc::kLoadLogName, &summary);
    if (!summary.opened) {
        std::fprintf(stderr, "%s: File open Error!!\n", dbcFile.c_str());
        return 2;
    }
    std::FILE* summaryStream = json ? stderr : stdout;
    std::fprintf(summaryStream, "%s\n", summary.lastLogLine.c_str());
    if (!loaded) return 2;
    if (json) std::printf("%s\n", dbc::databaseToJson(database, summary.errorCount).c_str());
    return 0;
}

}  // namespace cli
