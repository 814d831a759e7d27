#include "dbc/loader.h"

#include <algorithm>
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
    ~LoadLog() { close(); }
    LoadLog(const LoadLog&) = delete;
    LoadLog& operator=(const LoadLog&) = delete;

    void line(std::string_view text) {
        last_ = text;
        if (file_ == nullptr || std::ferror(file_) != 0) return;
        std::fwrite(text.data(), 1, text.size(), file_);
        std::fwrite("\r\n", 1, 2, file_);
        std::fflush(file_);
    }
    const std::string& last() const { return last_; }

    // Closes the log; true when it was created and everything reached the file.
    bool close() {
        if (file_ == nullptr) return false;
        const bool good = std::ferror(file_) == 0;
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        return good && closed;
    }

private:
    std::FILE* file_;
    std::string last_;
};

// The lines of a DBC file's bytes as a text-mode stream on Windows gives them: a CR directly
// before an LF is not part of the line, a byte 0x1A ends the input, a last line without LF
// counts, and an empty rest after the last LF does not.
class TextLines {
public:
    explicit TextLines(std::string_view text) : rest_(text.substr(0, text.find('\x1A'))) {}

    bool next(std::string_view& line) {
        if (rest_.empty()) return false;
        const size_t lf = rest_.find('\n');
        if (lf == std::string_view::npos) {
            line = rest_;
            rest_ = {};
            return true;
        }
        line = rest_.substr(0, lf > 0 && rest_[lf - 1] == '\r' ? lf - 1 : lf);
        rest_.remove_prefix(lf + 1);
        return true;
    }

private:
    std::string_view rest_;
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

void parseAllLines(DbcParser& parser, std::string_view text, LoadLog& log, LoadSummary& out) {
    TextLines lines(text);
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

// Everything after the DBC file was read: the log, the lines, finalisation.
bool loadDbcLines(CanDatabase& db, std::string_view text, const std::filesystem::path& logPath,
                  LoadSummary& out) {
    out.opened = true;
    LoadLog log(logPath);
    log.line("[tessora]  DBC file load log");
    DbcParser parser(db);
    parser.reset();
    parseAllLines(parser, text, log, out);
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

// Reads the whole file, refusing it once it holds more than maxBytes. A regular file is
// refused by its size before anything is read; a pipe or a device only when it goes past it.
int32_t readDbcBytes(platform::InputFile& file, uint64_t maxBytes, std::string& text,
                     LoadSummary& out) {
    uint64_t size = 0;
    if (file.size(size) == platform::kOk && size > maxBytes) {
        out.tooLarge = true;
        out.fileBytes = size;
        return platform::kOk;
    }
    constexpr size_t kBlock = size_t{1} << 16;
    const uint64_t limit = maxBytes + 1;  // one byte more shows a pipe that goes on
    text.resize(static_cast<size_t>(std::min(std::max<uint64_t>(size + 1, kBlock), limit)));
    size_t used = 0;
    for (;;) {
        if (used == text.size()) {
            if (used >= limit) {
                out.tooLarge = true;
                text.clear();
                return platform::kOk;
            }
            text.resize(static_cast<size_t>(std::min<uint64_t>(uint64_t{used} * 2, limit)));
        }
        size_t got = 0;
        const int32_t result = file.readSome(text.data() + used, text.size() - used, got);
        if (result != platform::kOk) return result;
        if (got == 0) break;
        used += got;
    }
    text.resize(used);
    return platform::kOk;
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
    std::string text;
    out.readResult = readDbcBytes(file, options.maxBytes, text, out);
    file.close();
    if (out.readResult != platform::kOk || out.tooLarge) return false;
    return loadDbcLines(db, text, options.logPath, out);
}

bool loadDbcText(CanDatabase& db, std::string_view text, const std::filesystem::path& logPath,
                 LoadSummary* summary) {
    LoadSummary local;
    LoadSummary& out = summary != nullptr ? *summary : local;
    out = LoadSummary{};
    return loadDbcLines(db, text, logPath, out);
}

}  // namespace dbc
