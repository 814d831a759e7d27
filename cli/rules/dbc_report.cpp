#include "cli/rules/dbc_report.h"

#include <filesystem>

#include "platform/error_text.h"
#include "platform/platform.h"
#include "platform/text_encoding.h"

namespace cli {

namespace {

// "(No such file or directory) (0x80070002)", or only the code when the system has no words.
std::string reasonOf(const std::string& dbcPath, int32_t result) {
    std::string words = platform::errorText(result);
    std::error_code error;
    if (result == platform::systemError(5) &&
        std::filesystem::is_directory(platform::pathFromUtf8(dbcPath), error)) {
        words = "is a folder";
    }
    char code[16];
    std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(result));
    return (words.empty() ? std::string() : "(" + words + ") ") + "(" + code + ")";
}

void reportRefusal(std::FILE* stream, const char* path, const dbc::LoadSummary& summary) {
    if (!summary.opened) {
        std::fprintf(stream, "%s: cannot open %s\n", path,
                     reasonOf(path, summary.openResult).c_str());
    } else if (summary.readResult != 0) {
        std::fprintf(stream, "%s: cannot read %s\n", path,
                     reasonOf(path, summary.readResult).c_str());
    } else if (summary.fileBytes != 0) {
        std::fprintf(stream, "%s: too large for a DBC file (%llu bytes; the limit is %llu)\n", path,
                     static_cast<unsigned long long>(summary.fileBytes),
                     static_cast<unsigned long long>(dbc::kMaxDbcBytes));
    } else {
        std::fprintf(stream, "%s: too large for a DBC file (more than %llu bytes)\n", path,
                     static_cast<unsigned long long>(dbc::kMaxDbcBytes));
    }
}

}  // namespace

bool dbcLoadRan(const dbc::LoadSummary& summary) {
    return summary.opened && summary.readResult == 0 && !summary.tooLarge;
}

void reportDbcLoad(std::FILE* stream, const std::string& dbcPath, const dbc::LoadSummary& summary,
                   bool loaded, const std::string& logName) {
    const char* path = dbcPath.c_str();
    if (!dbcLoadRan(summary)) {
        reportRefusal(stream, path, summary);
        return;
    }
    for (const dbc::LoggedError& error : summary.firstErrors) {
        std::fprintf(stream, "%s:%d: %s >> %s%s\n", path, error.lineNumber, error.errorText.c_str(),
                     error.line.c_str(), error.lineCut ? "..." : "");
    }
    std::string what;
    if (!loaded) {
        what = "no database loaded";
    } else if (summary.errorCount > 0) {
        what =
            std::to_string(summary.errorCount) + (summary.errorCount == 1 ? " error" : " errors");
    }
    const std::string log =
        summary.logWritten ? "see " + logName : "the load log " + logName + " could not be written";
    if (!what.empty()) {
        std::fprintf(stream, "%s: %s (%s)\n", path, what.c_str(), log.c_str());
    } else if (!summary.logWritten) {
        std::fprintf(stream, "%s: %s\n", path, log.c_str());
    }
}

}  // namespace cli
