#include "dbc/loader.h"

#include <cstdio>
#include <string_view>

#include "dbc/finalise.h"
#include "dbc/line_parser.h"
#include "platform/platform.h"

namespace dbc {

namespace {

// The load log: lines end with CR LF on every platform (the Windows program writes it in text
// mode) and each is flushed at once. A log that cannot be created or written is skipped.
class LoadLog {
public:
    explicit LoadLog(const std::filesystem::path& path) : file_(platform::openFile(path, "wb")) {}
    ~LoadLog() {
        if (file_ != nullptr) std::fclose(file_);
    }
    LoadLog(const LoadLog&) = delete;
    LoadLog& operator=(const LoadLog&) = delete;

    void line(std::string_view text) {
        last_ = std::string(text);
        if (file_ == nullptr || std::ferror(file_) != 0) return;
        std::fwrite(text.data(), 1, text.size(), file_);
        std::fwrite("\r\n", 1, 2, file_);
        std::fflush(file_);
    }
    const std::string& last() const { return last_; }

private:
    std::FILE* file_;
    std::string last_;
};

const char* errorText(int32_t result) {
    switch (result) {
        case kLineTooLong:
            return "[Error] too long input line";
        case kLineAfterFinalise:
            return "[Error] data already exists";
        case kLineUnexpectedToken:
            return "[Error] unrecognized expression";
        default:
            return "[Error] unknown";
    }
}

const char* finaliseErrorText(int32_t result) {
    switch (result) {
        case kFinaliseAlreadyDone:
            return "[Error finalizing database] need to be reset.";
        case kFinaliseNothingLoaded:
            return "[Error finalizing database] no valid data.";
        default:
            return "[Error finalizing database] unkown error occurred.";
    }
}

int32_t parseAllLines(DbcParser& parser, platform::TextLineReader& reader, LoadLog& log) {
    int32_t errors = 0;
    std::string line;
    while (reader.readLine(line)) {
        const int32_t result = parser.parseLine(line);
        if (result <= 99) continue;
        log.line(errorText(result));
        log.line("  :L" + std::to_string(parser.lineNumber()) + " >> " + line);
        if (errors < INT32_MAX) ++errors;
    }
    return errors;
}

std::string summaryLine(const CanDatabase& db, int32_t errors) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, "  %d Errors, %d Messages, %d Signals", errors,
                  messageCount(db), signalCount(db));
    return buffer;
}

// Everything after the DBC file was opened: the log, the lines, finalisation.
bool loadDbcLines(CanDatabase& db, platform::TextLineReader& reader,
                  const std::filesystem::path& logPath, LoadSummary* summary) {
    LoadSummary local;
    LoadSummary& out = summary != nullptr ? *summary : local;
    out = LoadSummary{};
    out.opened = true;
    LoadLog log(logPath);
    log.line("[tessora]  DBC file load log");
    DbcParser parser(db);
    parser.reset();
    out.errorCount = parseAllLines(parser, reader, log);
    bool loaded = false;
    const int32_t finalised = finaliseDatabase(parser);
    if (finalised != 0) {
        log.line(finaliseErrorText(finalised));
    } else {
        loaded = signalCount(db) > 0;
        log.line(loaded ? "[load result]" : "[Error finalizing database] no valid signal.");
        log.line(summaryLine(db, out.errorCount));
    }
    if (!loaded) resetDatabase(db);
    out.lastLogLine = log.last();
    return loaded;
}

}  // namespace

bool loadDbcFile(CanDatabase& db, const std::filesystem::path& dbcPath) {
    return loadDbcFile(db, dbcPath, kLoadLogName);
}

bool loadDbcFile(CanDatabase& db, const std::filesystem::path& dbcPath,
                 const std::filesystem::path& logPath, LoadSummary* summary) {
    platform::TextLineReader reader;
    if (!reader.open(dbcPath)) {
        if (summary != nullptr) *summary = LoadSummary{};
        platform::debugOutput("File open Error!!\n");
        return false;
    }
    return loadDbcLines(db, reader, logPath, summary);
}

bool loadDbcText(CanDatabase& db, std::string_view text, const std::filesystem::path& logPath,
                 LoadSummary* summary) {
    platform::TextLineReader reader;
    reader.openBytes(text);
    return loadDbcLines(db, reader, logPath, summary);
}

}  // namespace dbc
