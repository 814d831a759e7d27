#include "sources/asc/asc_source.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "sources/asc/asc_date.h"

namespace sources {

namespace {

// Binary junk or another format shows no ASC line this early.
constexpr uint64_t kRecognitionBytes = uint64_t{64} * 1024;
// The header comment of this program's own export, whose dates are UTC.
constexpr std::string_view kUtcComment = "// times from the date above (UTC)";
// A text editor may put UTF-8's byte order mark in front of the first line.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

platform::Status notAsc(std::string detail, platform::Place place) {
    return platform::Status::failure(platform::kInvalidData, "not an ASC log: " + std::move(detail),
                                     place);
}

}  // namespace

struct AscSource::HeaderDates {
    std::optional<asc::AscDate> date;   // the `date` line's
    std::optional<asc::AscDate> block;  // the first Begin Triggerblock's
};

AscSource::AscSource(std::unique_ptr<ByteInput> input)
    : input_(std::move(input)), lines_(*input_) {}

AscSource::~AscSource() = default;

uint64_t AscSource::bytesRead() const { return input_->consumed(); }

platform::Status AscSource::open() {
    HeaderDates dates;
    bool recognized = false;
    uint64_t bytes = 0;
    std::string_view text;
    while (lines_.next(text)) {
        if (lines_.tooLong()) {
            if (!recognized) {
                status_ = notAsc("a line of more than 64 KiB before any ASC line",
                                 platform::Place::line(lines_.lineNumber()));
                return status_;
            }
            pending_ = true;
            pendingTooLong_ = true;
            break;
        }
        bytes += text.size() + 1;
        if (lines_.lineNumber() == 1 && text.starts_with(kByteOrderMark)) text.remove_prefix(3);
        if (!takeHeaderLine(text, dates, recognized)) break;
        if (!recognized && bytes > kRecognitionBytes) {
            status_ = notAsc("no header line or CAN frame in the first 64 KiB",
                             platform::Place::line(lines_.lineNumber()));
            return status_;
        }
    }
    if (!input_->status().ok()) {
        status_ = input_->status();
        return status_;
    }
    if (!recognized) {
        status_ = notAsc(bytes == 0 ? "the file is empty" : "no header line or CAN frame",
                         platform::Place::byte(0));
        return status_;
    }
    setOrigin(dates);
    opened_ = true;
    foldSkipped();
    return {};
}

bool AscSource::takeHeaderLine(std::string_view text, HeaderDates& dates, bool& recognized) {
    can::Frame frame;
    const asc::AscLine line = asc::readAscLine(text, base_, frame);
    switch (line.kind) {
        case asc::LineKind::kDate:
            if (takeDate(line.rest, dates.date)) recognized = true;
            return true;
        case asc::LineKind::kBase:
            base_ = line.base;
            relative_ = line.relative;
            recognized = true;
            return true;
        case asc::LineKind::kInternalEvents:
            recognized = true;
            return true;
        case asc::LineKind::kBeginBlock:
            recognized = true;
            inBlock_ = true;
            if (!line.rest.empty()) takeDate(line.rest, dates.block);
            return false;
        case asc::LineKind::kFrame:
            recognized = true;
            break;
        default:
            break;
    }
    // Comments and other lines without a time go on with the header; the first frame or
    // timed line after a header line begins the body.
    const bool untimed = line.kind == asc::LineKind::kSkipped && !line.hasTime;
    if (untimed || !recognized) {
        if (line.skipped == asc::Skip::kComment && text.starts_with(kUtcComment)) {
            dateIsUtc_ = true;
        }
        takeLine(text, false, frame);
        return true;
    }
    pending_ = true;
    pendingText_ = text;
    return false;
}

bool AscSource::takeDate(std::string_view text, std::optional<asc::AscDate>& date) {
    asc::AscDate read;
    if (!asc::parseAscDate(text, read)) {
        skip(asc::Skip::kBadDate);
        return false;
    }
    if (date) {
        skip(asc::Skip::kRepeatedHeader);
    } else {
        date = read;
    }
    return true;
}

void AscSource::setOrigin(const HeaderDates& dates) {
    const std::optional<asc::AscDate>& date = dates.block ? dates.block : dates.date;
    origin_ = TimeOrigin{};
    if (!date) return;  // kElapsed
    // Where the system cannot convert the local date, it is taken as UTC.
    int64_t seconds = platform::secondsOfCivil(date->civil);
    int64_t local = 0;
    if (!dateIsUtc_ && platform::secondsOfLocalCivil(date->civil, local)) seconds = local;
    origin_.kind = TimeOrigin::Kind::kDated;
    origin_.startSeconds = seconds;
    origin_.startNanoseconds = date->nanoseconds;
}

size_t AscSource::read(std::span<can::Frame> frames) {
    if (!opened_ || ended_) return 0;
    size_t count = 0;
    while (count < frames.size()) {
        std::string_view text;
        bool tooLong = false;
        if (pending_) {
            pending_ = false;
            text = pendingText_;
            tooLong = pendingTooLong_;
        } else if (lines_.next(text)) {
            tooLong = lines_.tooLong();
        } else {
            finish();
            break;
        }
        if (takeLine(text, tooLong, frames[count])) ++count;
    }
    foldSkipped();
    counts_.records = lines_.lineNumber();
    return count;
}

bool AscSource::takeLine(std::string_view text, bool tooLong, can::Frame& frame) {
    const uint64_t number = lines_.lineNumber();
    lastUnreadable_ = false;
    if (!tooLong) {
        const asc::AscLine line = asc::readAscLine(text, base_, frame);
        uint64_t time = 0;
        bool early = false;
        const bool placed = line.hasTime && placeInTime(line, time, early);
        switch (line.kind) {
            case asc::LineKind::kFrame:
                if (!placed) break;
                if (early) skip(asc::Skip::kBeforeStart);
                frame.time = time;
                frame.place = number;
                return true;
            case asc::LineKind::kUnreadable:
                break;
            case asc::LineKind::kSkipped:
                skip(line.skipped);
                return false;
            case asc::LineKind::kBase:
                base_ = line.base;
                relative_ = line.relative;
                return false;
            case asc::LineKind::kBeginBlock:
                inBlock_ = true;
                return false;
            case asc::LineKind::kEndBlock:
                inBlock_ = false;
                return false;
            case asc::LineKind::kDate:
            case asc::LineKind::kInternalEvents:
                skip(asc::Skip::kRepeatedHeader);
                return false;
        }
    }
    counts_.unreadableAt(number);
    lastUnreadable_ = true;
    return false;
}

bool AscSource::placeInTime(const asc::AscLine& line, uint64_t& time, bool& early) {
    if (!relative_) {
        early = line.negative && line.time != 0;
        time = line.negative ? 0 : line.time;
        return true;
    }
    if (line.negative) {
        early = line.time > clock_;
        clock_ = early ? 0 : clock_ - line.time;
    } else {
        if (line.time > UINT64_MAX - clock_) return false;
        clock_ += line.time;
    }
    time = clock_;
    return true;
}

void AscSource::finish() {
    ended_ = true;
    if (!input_->status().ok()) {
        status_ = input_->status();
        return;
    }
    const std::string line = "line " + std::to_string(lines_.lineNumber());
    if (input_->cutShort()) {
        counts_.cutShort = true;
        counts_.cutShortWhere =
            "byte " + std::to_string(input_->consumed()) + ": the compressed file ends early";
    } else if (lastUnreadable_ && !lines_.lineEnded()) {
        counts_.cutShort = true;
        counts_.cutShortWhere = line + ": the file ends inside the line";
    } else if (inBlock_) {
        counts_.cutShort = true;
        counts_.cutShortWhere = line + ": the file ends inside a trigger block";
    }
}

void AscSource::foldSkipped() {
    for (size_t i = 0; i < skipped_.size(); ++i) {
        if (skipped_[i] == 0) continue;
        counts_.skipped[asc::skipName(static_cast<asc::Skip>(i))] += skipped_[i];
        skipped_[i] = 0;
    }
}

}  // namespace sources
