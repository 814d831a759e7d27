// txtcvt-cli dbc FILE.dbc [--json]: loads a DBC file as the Windows program does, writes
// dbcload.log into the current directory and prints the summary or the finalised database.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"
#include "cli/rules/dbc_report.h"
#include "cli/rules/option_rows.h"
#include "dbc/json.h"
#include "dbc/loader.h"
#include "platform/text_encoding.h"

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

namespace {

struct DbcRequest {
    bool json = false;
    Arguments files;
};

const OptionRow<DbcRequest> kDbcRows[] = {
    {"json", 0, "", Repeat::kFlag, "the finalised database as JSON on standard output",
     +[](std::string_view, DbcRequest& request) {
         request.json = true;
         return platform::Status{};
     }},
};

}  // namespace

extern const CommandText kDbcCommand;
const CommandText kDbcCommand = {
    "dbc", "FILE.dbc [--json]",
    "Loads a DBC file as the Windows program does, writes dbcload.log into the current folder\n"
    "and prints its summary line.\n",
    "", 17};

int runDbcCommand(const Arguments& args) {
    if (asksForHelp(args)) {
        std::fputs(helpOf<DbcRequest>(kDbcCommand, kDbcRows).c_str(), stdout);
        return 0;
    }
    DbcRequest request;
    platform::Status parsed = parseWithRows<DbcRequest>(args, kDbcRows, request, request.files);
    if (parsed.ok() && request.files.size() != 1) {
        parsed = usageError(request.files.empty() ? "no DBC file given" : "one DBC file at a time");
    }
    if (!parsed.ok()) {
        std::fputs(usageErrorText(kDbcCommand, parsed.detail()).c_str(), stderr);
        return 2;
    }
    const bool json = request.json;
    const std::string& dbcFile = request.files.front();
    static dbc::CanDatabase database;
    dbc::LoadOptions options;
    options.openDiagnostic = false;  // reported below, once, with its reason
    dbc::LoadSummary summary;
    const bool loaded =
        dbc::loadDbcFile(database, platform::pathFromUtf8(dbcFile), options, &summary);
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
