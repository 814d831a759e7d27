// Vector's ASCII log (.asc), as CANoe and CANalyzer, python-can's ASCWriter, can-utils' log2asc
// and this program's export write it: a header (`date`, `base`, `internal events logged`), then
// lines of timed events, most of them in `Begin Triggerblock` ... `End TriggerBlock` blocks. The
// CAN frames (classic, CAN FD, remote, error frames) are handed on; every other line is counted
// by its kind, and a frame's line that cannot be read is counted as unreadable.
// SourceCounts::records counts the lines read so far.
//
// Times: with a date the origin is dated (kDated): the date of the first `Begin Triggerblock`
// that comes before any frame and has one (python-can counts its times from there), else the
// `date` line's; both are the recording computer's local time, converted to UTC with the
// machine's time zone, except in this program's own export, whose header comment says its date
// is UTC. Without a date the times are kElapsed. With `timestamps absolute` a line's time counts
// from the origin, with `timestamps relative` from the previous timed line's.
//
// The input is taken for an ASC log when, within its first 64 KiB, a header line, a
// `Begin Triggerblock` line or a CAN frame line that reads whole comes before any line longer
// than LineInput's limit; otherwise open() fails with kInvalidData.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "sources/asc/asc_date.h"
#include "sources/asc/asc_lines.h"
#include "sources/byte_input.h"
#include "sources/frame_source.h"
#include "sources/line_input.h"

namespace sources {

class AscSource final : public FrameSource {
public:
    explicit AscSource(std::unique_ptr<ByteInput> input);
    ~AscSource() override;

    // Reads the header up to the first trigger block or frame; kInvalidData (with the line or
    // byte) when the input is no ASC log, or the input's own failure.
    platform::Status open();

    size_t read(std::span<can::Frame> frames) override;
    platform::Status status() const override { return status_; }
    uint64_t bytesRead() const override;
    const TimeOrigin& timeOrigin() const override { return origin_; }
    const SourceCounts& counts() const override { return counts_; }
    std::string_view formatName() const override { return "ASC log"; }

private:
    struct HeaderDates;

    // Hands one body line on: true when it put a frame into `frame`.
    bool takeLine(std::string_view text, bool tooLong, can::Frame& frame);
    // The line's time as Frame::time, in the log's absolute or relative way (`early`: it lay
    // before the origin and is the origin now); false when it runs past what a time holds.
    bool placeInTime(const asc::AscLine& line, uint64_t& time, bool& early);
    // Reads one header line: false when the header ends with it (it may then be pending).
    bool takeHeaderLine(std::string_view text, HeaderDates& dates, bool& recognized);
    // A header date into `date` unless one came before: false when it does not read.
    bool takeDate(std::string_view text, std::optional<asc::AscDate>& date);
    void setOrigin(const HeaderDates& dates);
    void finish();
    void foldSkipped();
    void skip(asc::Skip kind) { ++skipped_[static_cast<size_t>(kind)]; }

    std::unique_ptr<ByteInput> input_;
    LineInput lines_;
    platform::Status status_;
    TimeOrigin origin_;
    SourceCounts counts_;
    std::array<uint64_t, static_cast<size_t>(asc::Skip::kCount)> skipped_{};
    asc::Base base_ = asc::Base::kHex;
    bool relative_ = false;
    uint64_t clock_ = 0;  // timestamps relative: the time of the last timed line
    bool dateIsUtc_ = false;
    bool opened_ = false;
    bool ended_ = false;
    bool inBlock_ = false;
    bool lastUnreadable_ = false;
    // The first body line, read by open() and handed on by the first read().
    bool pending_ = false;
    bool pendingTooLong_ = false;
    std::string_view pendingText_;
};

}  // namespace sources
