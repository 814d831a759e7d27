// txtcvt-cli dbc FILE.dbc [--json]: loads a DBC file as the Windows program does, writes
// dbcload.log into the current directory and prints the summary or the finalised database.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"
#include "cli/dbc_report.h"
#include "cli/utf8_args.h"
#include "dbc/json.h"
#include "dbc/loader.h"

namespace cli {

namespace {

// Standard output that could not take everything (a full disk, a closed pipe) is a failure.
bool standardOutputWritten() {
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return true;
    const int error = errno;
    std::fprintf(stderr, "txtcvt-cli dbc: cannot write to standard output (%s)\n",
                 std::strerror(error));
    return false;
}

}  // namespace

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
    dbc::LoadOptions options;
    options.openDiagnostic = false;  // reported below, once, with its reason
    dbc::LoadSummary summary;
    const bool loaded = dbc::loadDbcFile(database, pathFromUtf8(dbcFile), options, &summary);
    if (!dbcLoadRan(summary)) {
        reportDbcLoad(stderr, dbcFile, summary, loaded);
        return 2;
    }
    std::FILE* summaryStream = json ? stderr : stdout;
    std::fprintf(summaryStream, "%s\n", summary.lastLogLine.c_str());
    reportDbcLoad(stderr, dbcFile, summary, loaded);
    if (loaded && json)
        std::printf("%s\n", dbc::databaseToJson(database, summary.errorCount).c_str());
    if (!standardOutputWritten()) return 1;
    return loaded ? 0 : 2;
}

}  // namespace cli
