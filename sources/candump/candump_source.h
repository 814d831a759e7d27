// Frames of can-utils' candump output: the log form of candump -L / -l (and of python-can's
// CanutilsLogWriter, asc2log, and this program's candump export) and the screen forms candump
// prints, with any of its time stamps or none. Line by line grammar: candump_lines.h; times:
// candump_clock.h; channels: candump_channels.h (can0 is channel 0, CH1).
//
// Recognition: open() reads the first kLookaheadLines lines (at most kLookaheadBytes of text)
// ahead; the file is a candump log when one of them is a frame line (CAN XL ones included),
// otherwise open() fails with kInvalidData at line 1. The times are read as the first frame
// writes them. Screen lines with elapsed times are deltas (-t d) when, among the lines read
// ahead, more than one time in eight is smaller than the one before (-t z times only grow);
// log lines' elapsed times (-L -t z) count from zero. CandumpOptions can say which instead.
//
// Frame::place is the line number; SourceCounts::records the lines read so far (those read ahead
// included). Counted, never stopping: empty lines, comments, dropped-frames notices, CAN XL
// frames and the explanation lines after an -e error frame under their names in
// SourceCounts::skipped; a frame timed before the origin is read at the origin and counted as
// kBeforeStart; lines that break the grammar, are longer than LineInput::kMaxLineLength, name a
// 257th interface, or carry a time written unlike the first frame's are unreadable. A last line
// without a line end is not handed on: the file is cut short there.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sources/byte_input.h"
#include "sources/candump/candump_channels.h"
#include "sources/candump/candump_clock.h"
#include "sources/candump/candump_lines.h"
#include "sources/candump/lookahead_lines.h"
#include "sources/frame_source.h"

namespace sources {

struct CandumpOptions {
    // Interface names that are channels 0, 1, ... whatever number they end in (the export's
    // --channel-names A,B).
    std::vector<std::string> channelNames;
    // How elapsed times read: decided from the first lines as above, or as given (for the
    // lines of either form).
    enum class ElapsedTimes { kDetect, kSinceFirstFrame, kDeltas };
    ElapsedTimes elapsedTimes = ElapsedTimes::kDetect;
};

class CandumpSource final : public FrameSource {
public:
    static constexpr size_t kLookaheadLines = 1000;
    static constexpr size_t kLookaheadBytes = 256 * 1024;
    // The skipped count of frames timed before the first frame's second.
    static constexpr const char* kBeforeStart = "time before the log's start (read as the start)";
    static constexpr const char* kExplanationLine = "error frame explanation";

    explicit CandumpSource(std::unique_ptr<ByteInput> input, CandumpOptions options = {});

    // Reads ahead and recognises the log; kInvalidData when no frame line comes, or the failure
    // of the input.
    platform::Status open();
    size_t read(std::span<can::Frame> frames) override;
    platform::Status status() const override { return status_; }
    uint64_t bytesRead() const override { return lines_.consumed(); }
    const TimeOrigin& timeOrigin() const override { return clock_.origin(); }
    const SourceCounts& counts() const override { return counts_; }
    std::string_view formatName() const override { return "candump log"; }
    // The interface name of each channel number met, "" for numbers not met.
    std::vector<std::string> channelNames() const override { return channels_.namesMet(); }

private:
    bool recognise(const std::vector<candump::TextLine>& ahead);
    // Whether the line, read into `result` and `frame`, gives a frame; counts it otherwise.
    bool take(const candump::TextLine& line, const candump::LineResult& result, can::Frame& frame);
    bool place(const candump::LineResult& result, uint64_t number, can::Frame& frame);
    void finish();

    CandumpOptions options_;
    candump::LookaheadLines lines_;
    candump::LineReader reader_;
    candump::ChannelMap channels_;
    candump::Clock clock_;
    bool deltas_ = false;
    bool opened_ = false;
    bool finished_ = false;
    bool afterErrorFrame_ = false;
    platform::Status status_;
    SourceCounts counts_;
};

}  // namespace sources
