#include "dbc/loader.h"

#include <cstdio>
#include <string_view>
#include <type_traits>

#include "dbc/finalise.h"
#include "dbc/line_parser.h"
#include "dbc/text_lines.h"
#include "platform/platform.h"

namespace dbc {

namespace {

// The load log: lines end with CR LF on every platform (the Windows program writes it in text
// mode) and each is flushed at once. A log that cannot be created or written is skipped.
class LoadLog {
public:
    explicit LoadLog(const LoadOptions& options)
        : file_(options.logText != nullptr ? nullptr : platform::openFile(options.logPath, "wb")),
          text_(options.logText) {
        if (text_ != nullptr) text_->clear();
    }
    ~LoadLog() { close(); }
    LoadLog(const LoadLog&) = delete;
    LoadLog& operator=(const LoadLog&) = delete;

    void line(std::string_view text) {
        last_ = text;
        if (text_ != nullptr) text_->append(text).append("\r\n");
        if (file_ == nullptr || std::ferror(file_) != 0) return;
        std::fwrite(text.data(), 1, text.size(), file_);
        std::fwrite("\r\n", 1, 2, file_);
        std::fflush(file_);
    }
    const std::string& last() const { return last_; }

    // Closes the log; true when it was created and everything reached the file.
    bool close() {
        if (file_ == nullptr) return text_ != nullptr;
        const bool good = std::ferror(file_) == 0;
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        return good && closed;
    }

private:
    std::FILE* file_;
    std::string* text_;
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

void keepError(LoadSummary& out, int32_t lineNumber, const char* text, std::string_view line) {
    if (out.firstErrors.size() >= kSummaryErrorCount) return;
    LoggedError error;
    error.lineNumber = lineNumber;
    error.errorText = text;
    error.line = line.substr(0, kSummaryLineBytes);
    error.lineCut = line.size() > kSummaryLineBytes;
    out.firstErrors.push_back(std::move(error));
}

template <typename Lines>
void parseAllLines(DbcParser& parser, Lines& lines, LoadLog& log, LoadSummary& out) {
    std::string_view line;
    std::string numbered;
    while (lines.next(line)) {
        const int32_t result = parser.parseLine(line);
        if (result <= 99) continue;
        const char* errorLine = errorText(result);
        log.line(errorLine);
        numbered.assign("  :L").append(std::to_string(parser.lineNumber())).append(" >> ");
        numbered.append(line);
        log.line(numbered);
        keepError(out, parser.lineNumber(), errorLine, line);
        if (out.errorCount < INT32_MAX) ++out.errorCount;
    }
}

std::string summaryLine(const CanDatabase& db, int32_t errors) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, "  %d Errors, %d Messages, %d Signals", errors,
                  messageCount(db), signalCount(db));
    return buffer;
}

// Everything after the DBC file was opened: the log, the lines, finalisation. A file that
// fails to read, or grows past the limit, while its lines are parsed loads nothing.
template <typename Lines>
bool loadDbcLines(CanDatabase& db, Lines& lines, uint64_t textBytes, const LoadOptions& options,
                  LoadSummary& out) {
    out.opened = true;
    LoadLog log(options);
    log.line("[tessora]  DBC file load log");
    DbcParser parser(db);
    parser.reset();
    reserveForText(db, textBytes);
    parseAllLines(parser, lines, log, out);
    if constexpr (std::is_same_v<Lines, FileLines>) {
        out.readResult = lines.readResult();
        out.tooLarge = lines.tooLarge();
        if (out.readResult != platform::kOk || out.tooLarge) {
            resetDatabase(db);
            out.logWritten = log.close();
            return false;
        }
    }
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
    out.logWritten = log.close();
    return loaded;
}

}  // namespace

bool loadDbcFile(CanDatabase& db, const std::filesystem::path& dbcPath) {
    return loadDbcFile(db, dbcPath, LoadOptions{});
}

bool loadDbcFile(CanDatabase& db, const std::filesystem::path& dbcPath,
                 const std::filesystem::path& logPath, LoadSummary* summary) {
    LoadOptions options;
    options.logPath = logPath;
    return loadDbcFile(db, dbcPath, options, summary);
}

bool loadDbcFile(CanDatabase& db, const std::filesystem::path& dbcPath, const LoadOptions& options,
                 LoadSummary* summary) {
    LoadSummary local;
    LoadSummary& out = summary != nullptr ? *summary : local;
    out = LoadSummary{};
    platform::InputFile file;
    out.openResult = file.open(dbcPath);
    if (out.openResult != platform::kOk) {
        if (options.openDiagnostic) platform::debugOutput("File open Error!!\n");
        return false;
    }
    out.opened = true;
    uint64_t size = 0;
    if (file.size(size) == platform::kOk && size > 0) {
        // A regular file: refused by its size before anything is read, else read as it is parsed.
        if (size > options.maxBytes) {
            out.tooLarge = true;
            out.fileBytes = size;
            return false;
        }
        FileLines lines(file, options.maxBytes);
        return loadDbcLines(db, lines, size, options, out);
    }
    // No size (a pipe, a device, or empty): read whole up to the limit first, so that one that
    // goes on is refused before anything is parsed.
    std::string text;
    out.readResult = readWholeFile(file, options.maxBytes, text, out.tooLarge);
    file.close();
    if (out.readResult != platform::kOk || out.tooLarge) return false;
    TextLines lines(text);
    return loadDbcLines(db, lines, text.size(), options, out);
}

bool loadDbcText(CanDatabase& db, std::string_view text, const std::filesystem::path& logPath,
                 LoadSummary* summary) {
    LoadOptions options;
    options.logPath = logPath;
    return loadDbcText(db, text, options, summary);
}

bool loadDbcText(CanDatabase& db, std::string_view text, const LoadOptions& options,
                 LoadSummary* summary) {
    LoadSummary local;
    LoadSummary& out = summary != nullptr ? *summary : local;
    out = LoadSummary{};
    TextLines lines(text);
    return loadDbcLines(db, lines, text.size(), options, out);
}

}  // namespace dbc
