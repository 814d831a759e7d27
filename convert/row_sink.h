// Where the decoded rows of a capture go. The converter walks the records and decodes the
// frames; a sink turns what it is handed into the bytes of one output file. A new output format
// is a new sink: the walk and the decoder stay as they are.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "convert/decode.h"
#include "convert/time_base.h"
#include "dbc/database.h"
#include "monitor/records.h"

namespace convert {

// One decoded frame. Each of its values is one row; the rows share the frame's time, channel,
// identifier, message and data bytes.
struct DecodedFrame {
    const monitor::CapturedFrame& frame;  // channel, identifier, data length and bytes
    const dbc::DbcMessage& message;       // the database message of the frame
    uint64_t microseconds;                // the frame's time count in microseconds (TimeBase)
    std::span<const SignalValue> values;  // in decode order, never empty
};

class RowSink {
public:
    virtual ~RowSink() = default;

    // Creates the output of one capture. 0, or the output's error code (nothing is open then).
    virtual int32_t open(const std::filesystem::path& output) = 0;
    // Starts the rows of a capture whose times follow `time` (a CSV writes its header here).
    virtual void begin(const TimeBase& time) = 0;
    virtual void write(const DecodedFrame& frame) = 0;
    // 0 while all is well, else the first error; the walk stops once it is set.
    virtual int32_t result() const = 0;
    // Records an error found outside the sink (data it cannot convert); the first one stays.
    virtual void fail(int32_t code) = 0;
    // Finishes and closes the output; the final result.
    virtual int32_t close() = 0;
};

}  // namespace convert
