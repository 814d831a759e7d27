// Where frames come from: one FrameSource per input file format (the analyzer's captures, BLF,
// ASC, candump and TRC logs). A source streams its file: it holds a block of it at a time, never
// the whole file, and hands on its frames in the file's order with a time in one unit. What it
// skips (objects and lines of other kinds, lines it cannot read) it counts, so that a report can
// say so; it never stops at a line it cannot read. Everything above the sources (the frame walk,
// decoding, every sink) sees only can::Frame.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "can/frame.h"
#include "platform/status.h"

namespace sources {

// How a source's frame times read. Every can::Frame::time counts nanoseconds from the origin.
struct TimeOrigin {
    enum class Kind {
        kDated,    // the origin is a calendar instant: startSeconds since 1970 (UTC) plus
                   // startNanoseconds, as the file gives them (a damaged file may give anything)
        kClock,    // the times are a clock's of an unknown day (hours may run past 23)
        kElapsed,  // the times count from a zero of the file's own, with no date
        kNoUnit,   // the file's time counts have no known unit: no time is shown
    };
    Kind kind = Kind::kElapsed;
    int64_t startSeconds = 0;
    int64_t startNanoseconds = 0;
    // What the times count from, in words, for a log written where no date is known (a comment
    // of an ASC file); empty for the writer's own words.
    std::string note;
};

// What a source met besides the frames it handed on; complete once read() has returned 0.
struct SourceCounts {
    // Objects, lines or events that are no frames and that the source leaves out, by a short
    // name of their kind ("object type 65", "bus statistics"): skipped on purpose.
    std::map<std::string, uint64_t> skipped;
    // Lines (or objects) that should have been frames but could not be read, and the places of
    // the first few of them (line or object numbers).
    uint64_t unreadable = 0;
    std::vector<uint64_t> firstUnreadable;
    static constexpr size_t kKeptUnreadable = 5;
    // The file's records, objects or lines (a capture's 32-byte records), as far as known.
    uint64_t records = 0;
    // The file ends inside an object, a container or a record: the frames before were handed on.
    bool cutShort = false;
    uint64_t recordsClaimed = 0;  // a cut capture: the records its record chunk announces
    std::string cutShortWhere;    // e.g. "byte 40960: container 12 runs past the end of the file"

    void skip(const std::string& kind) { ++skipped[kind]; }
    void unreadableAt(uint64_t place) {
        ++unreadable;
        if (firstUnreadable.size() < kKeptUnreadable) firstUnreadable.push_back(place);
    }
};

class FrameSource {
public:
    virtual ~FrameSource() = default;

    // Puts the next frames of the file, in its order, at the front of `frames`; returns how
    // many. 0 means the end of the file, or a failure that ends the reading (status() says).
    // Frames handed on before a failure stay valid.
    virtual size_t read(std::span<can::Frame> frames) = 0;
    // Success, or why the reading ended before the end of the file.
    virtual platform::Status status() const = 0;
    // Bytes of the file read so far (of the file as stored: compressed bytes of a .gz), for a
    // progress display.
    virtual uint64_t bytesRead() const = 0;
    // How the frame times read; known once the source is open.
    virtual const TimeOrigin& timeOrigin() const = 0;
    virtual const SourceCounts& counts() const = 0;
    // The names a log gives its channels, by channel number (candump's interfaces); empty where
    // the channels have numbers only.
    virtual std::vector<std::string> channelNames() const { return {}; }
    // What the file is, for messages and reports: "capture", "BLF log", "ASC log", ...
    virtual std::string_view formatName() const = 0;
};

}  // namespace sources
