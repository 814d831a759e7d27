// PEAK-System's CAN trace files (.trc) as a frame source: versions 1.0 to 2.1 of PCAN-View,
// PCAN-Explorer and PCAN-Basic, and the 2.1 files python-can writes.
//
// What makes a trace file (open() fails with kInvalidData otherwise): the head of comment
// lines (';') names a known version in ";$FILEVERSION=", or, for a file that names none, the
// first line after its comments is a 1.x message line ("1)  1841  0001  8  ..."). Files of
// other versions, and version 2 files whose ";$COLUMNS=" cannot be followed, fail too.
//
// Times: with a start in the head (";$STARTTIME=", else a "Start time:" comment), written in
// the local time of the recording computer, the origin is kDated; without, kElapsed. A
// frame's time is its offset column. Channels: the bus column, from 1 (channel = bus - 1);
// files without one (1.0, 1.1, 2.0 and 2.x files listing no B column) have channel 0 only.
// Frame::place is the line number; SourceCounts::records the lines read so far.
//
// Counted in SourceCounts::skipped: "comments", "empty lines", "bus warnings" (1.x warning
// lines), "hardware status lines" (ST), "error counter changes" (EC), "user events" (EV),
// "lines of other types", "times before the start" (negative offsets, taken as 0) and
// "start times that cannot be read". Other lines that are no frame of the version's grammar,
// and lines over LineInput::kMaxLineLength, are unreadable. A last line without its line end
// that cannot be read, or a compressed input that ends early, sets cutShort.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "sources/byte_input.h"
#include "sources/frame_source.h"
#include "sources/line_input.h"
#include "sources/trc/trc_header.h"
#include "sources/trc/trc_lines.h"

namespace sources {

class TrcSource final : public FrameSource {
public:
    explicit TrcSource(std::unique_ptr<ByteInput> input);
    ~TrcSource() override;
    TrcSource(const TrcSource&) = delete;
    TrcSource& operator=(const TrcSource&) = delete;

    // Reads the head of the file up to its first data line (at most kHeadLines lines).
    platform::Status open();

    size_t read(std::span<can::Frame> frames) override;
    platform::Status status() const override { return status_; }
    uint64_t bytesRead() const override;
    const TimeOrigin& timeOrigin() const override { return origin_; }
    const SourceCounts& counts() const override { return counts_; }
    std::string_view formatName() const override { return "TRC log"; }

    // The file's version, as its head names it; 1.0 for a file that names none.
    trc::Version version() const { return dialect_.version; }

    // A file that names no version must show a message line within this many lines.
    static constexpr uint64_t kHeadLines = 1000;

private:
    platform::Status readHead(trc::Header& header, uint64_t& columnsLine);
    platform::Status takeHead(const trc::Header& header, uint64_t columnsLine);
    bool nextLine(std::string_view& line, bool& tooLong);
    void takeLine(std::string_view line, bool tooLong, can::Frame& frame, size_t& filled);
    void finish();
    void publishCounts();

    std::unique_ptr<ByteInput> input_;
    std::unique_ptr<LineInput> lines_;
    trc::Dialect dialect_;
    TimeOrigin origin_;
    SourceCounts counts_;
    platform::Status status_;
    bool opened_ = false;
    bool ended_ = false;
    // The first data line, met by open() and handed on by the first read().
    bool pending_ = false;
    bool pendingTooLong_ = false;
    std::string_view pendingLine_;
    bool lastUnreadable_ = false;  // the last line read was unreadable
    std::array<uint64_t, trc::kLineKinds> kinds_{};
    uint64_t beforeStart_ = 0;
    uint64_t badStarts_ = 0;
};

}  // namespace sources
