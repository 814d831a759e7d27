// Where the decoded rows of a file go. The run walks the frames of a source and decodes them; a
// sink turns what it is handed into the bytes of one output file (or typed columns). A new
// output format is a new sink: the sources, the walk and the decoder stay as they are.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "can/frame.h"
#include "dbc/database.h"
#include "decode/frame_decoder.h"
#include "output/block_hand_off.h"
#include "tables/resample_counts.h"
#include "tables/time_base.h"

namespace tables {

class MessageChannels;

// One decoded frame. Each of its values is one row; the rows share the frame's time, channel,
// identifier, message and data bytes.
struct DecodedFrame {
    const can::Frame& frame;                      // channel, identifier, data length and bytes
    const dbc::DbcMessage& message;               // the database message of the frame
    uint64_t microseconds;                        // the frame's time in microseconds (TimeBase)
    std::span<const decode::SignalValue> values;  // in decode order, never empty
};

// Where the decoded rows of a file go: a table in a file, or typed columns in memory.
class RowSink {
public:
    virtual ~RowSink() = default;

    // Starts the rows of a file whose times follow `time` (a CSV writes its header here).
    virtual void begin(const TimeBase& time) = 0;
    virtual void write(const DecodedFrame& frame) = 0;
    // 0 while all is well, else the first error; the walk stops once it is set.
    virtual int32_t result() const = 0;
    // Records an error found outside the sink (data it cannot convert); the first one stays.
    virtual void fail(int32_t code) = 0;
    // Finishes the rows (a resampled table's last ones) and, for a file, closes it; the final
    // result.
    virtual int32_t close() = 0;
    // The lines (or rows) written for the last file, the header not counted.
    virtual uint64_t linesWritten() const = 0;
    // What the rows of the last file left out or met out of order in its times.
    virtual ResampleCounts resampleCounts() const { return {}; }
    // Whether the table's columns follow what a file holds (a wide table through one database
    // for every channel): the run then walks each file once before begin() and hands plan()
    // the channels each message came on.
    virtual bool wantsFirstLook() const { return false; }
    virtual void plan(const MessageChannels& /*seen*/) {}
};

// A sink that writes a file. The run opens it for each input and closes it at the end; what
// it writes replaces an older file only when complete.
class FileSink : public RowSink {
public:
    // Creates the output of one file. 0, or the output's error code (nothing is open then).
    virtual int32_t open(const std::filesystem::path& output) = 0;

    // Whether several workers can write parts of one file, each its own run of frames: true
    // where a frame's lines depend on that frame alone (the long CSV table).
    virtual bool writesParts() const { return false; }
    // Starts one part instead of a file: its blocks go to `target`, without the file's head (the
    // header line, a byte order mark), which the sink of the whole file writes. 0, or an error.
    virtual int32_t openPart(output::BlockHandOff& /*target*/) { return -1; }
    // The sink of the whole file: writes a block of a part after what it holds.
    virtual void writePartBlock(const char* /*bytes*/, size_t /*count*/) {}
};

}  // namespace tables
