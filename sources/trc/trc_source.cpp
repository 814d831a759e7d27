#include "sources/trc/trc_source.h"

#include <utility>

#include "platform/platform.h"

namespace sources {

using trc::LineKind;
using trc::Version;

TrcSource::TrcSource(std::unique_ptr<ByteInput> input)
    : input_(std::move(input)), lines_(std::make_unique<LineInput>(*input_)) {}

TrcSource::~TrcSource() = default;

uint64_t TrcSource::bytesRead() const { return input_->consumed(); }

bool TrcSource::nextLine(std::string_view& line, bool& tooLong) {
    if (pending_) {
        pending_ = false;
        line = pendingLine_;
        tooLong = pendingTooLong_;
        return true;
    }
    if (!lines_->next(line)) return false;
    tooLong = lines_->tooLong();
    return true;
}

platform::Status TrcSource::readHead(trc::Header& header, uint64_t& columnsLine) {
    std::string_view line;
    bool tooLong = false;
    while (lines_->lineNumber() < kHeadLines && lines_->next(line)) {
        tooLong = lines_->tooLong();
        // A byte order mark before the first line is no part of it.
        if (lines_->lineNumber() == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);
        const size_t first = line.find_first_not_of(" \t");
        const LineKind kind = tooLong                           ? LineKind::kUnreadable
                              : first == std::string_view::npos ? LineKind::kEmpty
                              : line[first] == ';'              ? LineKind::kComment
                                                                : LineKind::kFrame;
        if (kind != LineKind::kComment && kind != LineKind::kEmpty) {
            pending_ = true;
            pendingLine_ = line;
            pendingTooLong_ = tooLong;
            return {};
        }
        ++kinds_[static_cast<size_t>(kind)];
        const trc::HeaderItem item = trc::readHeaderComment(line, header);
        if (item == trc::HeaderItem::kBadVersion) {
            return platform::Status::failure(platform::kInvalidData,
                                             "a file version other than 1.0 to 2.1",
                                             platform::Place::line(lines_->lineNumber()));
        }
        if (item == trc::HeaderItem::kColumns || item == trc::HeaderItem::kBadColumns)
            columnsLine = lines_->lineNumber();
        if (item == trc::HeaderItem::kBadStart) ++badStarts_;
    }
    return lines_->status();
}

platform::Status TrcSource::takeHead(const trc::Header& header, uint64_t columnsLine) {
    const auto notTrace = [&](const char* what) {
        return platform::Status::failure(platform::kInvalidData, what,
                                         platform::Place::line(lines_->lineNumber()));
    };
    if (!header.hasVersion) {
        if (lines_->lineNumber() == 0)
            return platform::Status::failure(platform::kInvalidData, "the file is empty",
                                             platform::Place::byte(0));
        if (!pending_ || pendingTooLong_ || !trc::looksLikeVersion1Message(pendingLine_))
            return notTrace("not a PEAK trace file: no $FILEVERSION and no message line");
    }
    dialect_.version = header.version;
    if (header.version >= Version::k2_0) {
        if (columnsLine != 0 && !header.hasColumns) {
            return platform::Status::failure(platform::kInvalidData,
                                             "$COLUMNS lists columns this reader cannot follow",
                                             platform::Place::line(columnsLine));
        }
        dialect_.columns = header.hasColumns ? header.columns : trc::defaultColumns(header.version);
    }
    if (header.hasStart) {
        origin_ = trc::originOfClock(header.start);
    } else if (header.hasStartComment) {
        origin_ = trc::originOfClock(header.startComment);
    } else {
        origin_ = TimeOrigin{};  // kElapsed
    }
    return {};
}

platform::Status TrcSource::open() {
    if (opened_) return platform::Status::failure(platform::kInvalidArgument, "opened twice");
    trc::Header header;
    uint64_t columnsLine = 0;
    platform::Status status = readHead(header, columnsLine);
    if (status.ok()) status = takeHead(header, columnsLine);
    if (!status.ok()) {
        status_ = status;
        return status;
    }
    opened_ = true;
    publishCounts();
    return {};
}

void TrcSource::takeLine(std::string_view line, bool tooLong, can::Frame& frame, size_t& filled) {
    const uint64_t number = lines_->lineNumber();
    int64_t offset = 0;
    const LineKind kind =
        tooLong ? LineKind::kUnreadable : trc::readLine(line, dialect_, frame, offset);
    lastUnreadable_ = kind == LineKind::kUnreadable;
    if (kind == LineKind::kFrame) {
        if (offset < 0) {
            ++beforeStart_;
            offset = 0;
        }
        frame.time = static_cast<uint64_t>(offset);
        frame.place = number;
        ++filled;
    } else if (kind == LineKind::kUnreadable) {
        counts_.unreadableAt(number);
    } else {
        ++kinds_[static_cast<size_t>(kind)];
    }
}

size_t TrcSource::read(std::span<can::Frame> frames) {
    if (!opened_ || ended_) return 0;
    size_t filled = 0;
    std::string_view line;
    bool tooLong = false;
    while (filled < frames.size()) {
        if (!nextLine(line, tooLong)) {
            finish();
            break;
        }
        takeLine(line, tooLong, frames[filled], filled);
    }
    counts_.records = lines_->lineNumber();
    publishCounts();
    return filled;
}

void TrcSource::finish() {
    ended_ = true;
    status_ = lines_->status();
    if (!status_.ok()) return;
    const std::string where = platform::Place::line(lines_->lineNumber()).text();
    if (input_->cutShort()) {
        counts_.cutShort = true;
        counts_.cutShortWhere = where + ": the stored file ends before the data it holds";
    } else if (!lines_->lineEnded() && lastUnreadable_) {
        counts_.cutShort = true;
        counts_.cutShortWhere = where + ": the file ends inside this line";
    }
}

void TrcSource::publishCounts() {
    static constexpr std::pair<LineKind, const char*> kNames[] = {
        {LineKind::kEmpty, "empty lines"},
        {LineKind::kComment, "comments"},
        {LineKind::kBusWarning, "bus warnings"},
        {LineKind::kHardwareStatus, "hardware status lines"},
        {LineKind::kErrorCounter, "error counter changes"},
        {LineKind::kUserEvent, "user events"},
        {LineKind::kOtherType, "lines of other types"},
    };
    for (const auto& [kind, name] : kNames) {
        const uint64_t count = kinds_[static_cast<size_t>(kind)];
        if (count != 0) counts_.skipped[name] = count;
    }
    if (beforeStart_ != 0) counts_.skipped["times before the start"] = beforeStart_;
    if (badStarts_ != 0) counts_.skipped["start times that cannot be read"] = badStarts_;
}

}  // namespace sources
