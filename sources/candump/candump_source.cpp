#include "sources/candump/candump_source.h"

#include <string_view>
#include <utility>

namespace sources {

using candump::LineKind;

namespace {

bool isEarlier(const candump::LineTime& a, const candump::LineTime& b) {
    return a.seconds < b.seconds || (a.seconds == b.seconds && a.nanoseconds < b.nanoseconds);
}

}  // namespace

CandumpSource::CandumpSource(std::unique_ptr<ByteInput> input, CandumpOptions options)
    : options_(std::move(options)),
      lines_(std::move(input)),
      channels_(options_.channelNames),
      status_(platform::Status::failure(platform::kFail, "the log is not open")) {}

platform::Status CandumpSource::open() {
    opened_ = false;
    const std::vector<candump::TextLine>& ahead =
        lines_.readAhead(kLookaheadLines, kLookaheadBytes);
    if (!recognise(ahead)) {
        // A read that failed comes before a guess at the format.
        status_ = !lines_.status().ok()
                      ? lines_.status()
                      : platform::Status::failure(platform::kInvalidData,
                                                  "no candump frame line among the first lines",
                                                  platform::Place::line(1));
        return status_;
    }
    // A read that failed after the first frame lines ends the reading once they are handed on.
    status_ = {};
    opened_ = true;
    return status_;
}

// Whether a frame line comes among the lines read ahead; starts the clock at the first frame,
// and sees whether screen lines' elapsed times are deltas.
bool CandumpSource::recognise(const std::vector<candump::TextLine>& ahead) {
    candump::LineReader reader;
    can::Frame frame;
    bool found = false;
    bool started = false;
    bool screenElapsed = false;
    candump::LineTime previous;
    size_t pairs = 0;
    size_t decreases = 0;
    for (const candump::TextLine& line : ahead) {
        if (line.tooLong || line.cut) continue;
        const candump::LineResult& result = reader.read(line.text, frame);
        // Compared as texts: a literal may lie at another address in another file.
        if (result.kind == LineKind::kSkipped &&
            std::string_view(result.skipped) == candump::kCanXlFrame) {
            found = true;
        }
        if (result.kind != LineKind::kFrame) continue;
        found = true;
        if (!started) {
            started = true;
            screenElapsed = result.form == candump::LineForm::kScreen &&
                            result.time.form == candump::TimeForm::kSeconds &&
                            result.time.secondDigits < 10;
        } else if (screenElapsed && result.time.form == candump::TimeForm::kSeconds) {
            ++pairs;
            if (isEarlier(result.time, previous)) ++decreases;
        }
        previous = result.time;
    }
    using Elapsed = CandumpOptions::ElapsedTimes;
    deltas_ = options_.elapsedTimes == Elapsed::kDetect
                  ? screenElapsed && decreases > 0 && decreases * 8 > pairs
                  : options_.elapsedTimes == Elapsed::kDeltas;
    // The first frame line starts the clock; when its date cannot be converted, a later one.
    for (const candump::TextLine& line : ahead) {
        if (clock_.started() || line.tooLong || line.cut) continue;
        const candump::LineResult& result = reader.read(line.text, frame);
        if (result.kind == LineKind::kFrame) clock_.start(result.time, deltas_);
    }
    return found;
}

// A frame read from its line gets its channel, time and place; inline, as nearly every line
// comes here.
[[gnu::always_inline]] inline bool CandumpSource::place(const candump::LineResult& result,
                                                        uint64_t number, can::Frame& frame) {
    afterErrorFrame_ = frame.kind == can::FrameKind::kError;
    const int channel = channels_.channelOf(result.interface);
    uint64_t time = 0;
    auto timed = candump::Clock::Result::kNoTime;
    if (channel >= 0 && (clock_.started() || clock_.start(result.time, deltas_))) {
        timed = clock_.timeOf(result.time, time);
    }
    if (timed == candump::Clock::Result::kNoTime) {
        counts_.unreadableAt(number);
        return false;
    }
    if (timed == candump::Clock::Result::kBeforeStart) counts_.skip(kBeforeStart);
    frame.time = time;
    frame.place = number;
    frame.channel = channel;
    return true;
}

size_t CandumpSource::read(std::span<can::Frame> frames) {
    if (!opened_ || finished_) return 0;
    size_t count = 0;
    candump::TextLine line;
    std::string_view unread;
    while (count < frames.size()) {
        // Nearly every line of most logs: the plain line read straight from the block, its end
        // found by the reading rather than searched for first.
        if (lines_.unread(unread)) {
            if (const size_t taken = reader_.readPlainLine(unread, frames[count])) {
                lines_.take(taken);
                if (place(reader_.result(), lines_.linesRead(), frames[count])) ++count;
                continue;
            }
        }
        if (!lines_.next(line)) {
            finish();
            break;
        }
        static const candump::LineResult kTooLong;  // unreadable
        const candump::LineResult& result =
            line.tooLong ? kTooLong : reader_.read(line.text, frames[count]);
        // A whole frame line, as nearly every line is, placed here; the rest taken apart.
        const bool taken = result.kind == LineKind::kFrame && !line.cut
                               ? place(result, line.number, frames[count])
                               : take(line, result, frames[count]);
        if (taken) ++count;
    }
    counts_.records = lines_.linesRead();
    return count;
}

bool CandumpSource::take(const candump::TextLine& line, const candump::LineResult& result,
                         can::Frame& frame) {
    if (line.cut && (result.kind == LineKind::kFrame || result.kind == LineKind::kUnreadable)) {
        counts_.cutShort = true;
        counts_.cutShortWhere =
            platform::Place::line(line.number).text() + ": the file ends inside the line";
        return false;
    }
    switch (result.kind) {
        case LineKind::kFrame:
            return place(result, line.number, frame);
        case LineKind::kExplanation:
            if (afterErrorFrame_) {
                counts_.skip(kExplanationLine);
                return false;
            }
            counts_.unreadableAt(line.number);
            break;
        case LineKind::kSkipped:
            counts_.skip(result.skipped);
            break;
        case LineKind::kUnreadable:
            counts_.unreadableAt(line.number);
            break;
    }
    afterErrorFrame_ = false;
    return false;
}

void CandumpSource::finish() {
    finished_ = true;
    status_ = lines_.status();
    if (status_.ok() && lines_.inputCutShort() && !counts_.cutShort) {
        counts_.cutShort = true;
        counts_.cutShortWhere =
            platform::Place::byte(lines_.consumed()).text() + ": the file ends before its data";
    }
}

}  // namespace sources
