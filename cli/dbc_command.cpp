// txtcvt-cli dbc FILE.dbc [--json]: loads a DBC file as the Windows program does, writes
// dbcload.log into the current directory and prints the summary or the finalised database.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"
#include "cli/dbc_report.h"
#include "cli/option_parser.h"
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

constexpr const char* kDbcUsage =
    "txtcvt-cli dbc FILE.dbc [--json]\n"
    "Loads a DBC file as the Windows program does, writes dbcload.log into the current folder\n"
    "and prints its summary line.\n"
    "    --json       the finalised database as JSON on standard output\n"
    "    -h, --help   this text\n";

constexpr OptionDefinition kDbcOptions[] = {{"json", 0, false}};

int runDbcCommand(const Arguments& args) {
    if (asksForHelp(args)) {
        std::fputs(kDbcUsage, stdout);
        return 0;
    }
    std::vector<GivenOption> given;
    Arguments files;
    std::string error = parseOptions(args, kDbcOptions, given, files);
    if (error.empty() && files.size() != 1)
        error = files.empty() ? "no DBC file given" : "one DBC file at a time";
    if (!error.empty()) {
        std::fprintf(stderr, "txtcvt-cli dbc: %s\n\n%s", error.c_str(), kDbcUsage);
        return 2;
    }
    const bool json = !given.empty();
    const std::string& dbcFile = files.front();
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
