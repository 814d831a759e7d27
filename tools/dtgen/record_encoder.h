// Turns frames and events into the 32-byte records of layout 27 or 29.
#pragma once

#include <cstdint>
#include <functional>

#include "tools/dtgen/capture_builder.h"

namespace dtgen {

using RecordSink = std::function<void(const Record&)>;

// The head record, the extension record when asked for (layout 27), then one continuation
// record per 28 data bytes beyond the first 8. Throws std::invalid_argument for a frame that
// cannot be written (more than 64 data bytes, channel other than 0 or 1).
void encodeFrame(int variant, const FrameSpec& frame, const RecordSink& out);

// One head record of an event kind; throws std::invalid_argument for a kind the layout lacks.
void encodeEvent(int variant, const EventSpec& event, const RecordSink& out);

// Small deterministic generator for the random frames (splitmix64).
class FrameRandom {
public:
    explicit FrameRandom(const RandomFrames& wanted) : wanted_(wanted), state_(wanted.seed) {}
    uint64_t next();
    FrameSpec frame(uint64_t time);

private:
    const RandomFrames& wanted_;
    uint64_t state_;
};

}  // namespace dtgen
