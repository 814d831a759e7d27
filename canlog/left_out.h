// What a CAN log writer could not carry: whole frames, or parts of frames, for which its format
// has no place, counted by kind so that an export can say what its log lacks. A frame counts
// once under each kind of thing it lost. The few rules on frames all writers share are here too.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "can/fd_lengths.h"
#include "can/frame.h"

namespace canlog {

enum class LeftOut : uint8_t {
    kFrameOnChannel,  // a whole frame on a channel the format cannot number
    kOtherKind,       // a whole frame of a kind no log holds (one a source could not read)
    kEvent,           // a source's bus event, where the format has no comment for it
    kErrorDirection,  // a transmitted error frame's direction
    kErrorContent,    // an error frame's identifier and data, or its bytes past the 8th
    kErrorFdFlags,    // an error frame's CAN FD flags (FD, BRS, ESI)
    kRemoteFdFlags,   // a remote frame's CAN FD flags: CAN FD has no remote frames
    kCount
};

// "frames on channels the format cannot number", ...: words for a report.
const char* leftOutName(LeftOut kind);
// "framesOnChannel", ...: a JSON report's key of the kind.
const char* leftOutKey(LeftOut kind);

class LeftOutCounts {
public:
    void add(LeftOut kind) { ++counts_[static_cast<size_t>(kind)]; }
    uint64_t operator[](LeftOut kind) const { return counts_[static_cast<size_t>(kind)]; }
    void add(const LeftOutCounts& other) {
        for (size_t i = 0; i < counts_.size(); ++i) counts_[i] += other.counts_[i];
    }
    // Everything counted, whatever its kind.
    uint64_t total() const;

private:
    std::array<uint64_t, static_cast<size_t>(LeftOut::kCount)> counts_{};
};

// A frame's data length as a writer may use it: 0..64 whatever the source left there.
inline int writtenLength(const can::Frame& frame) {
    return frame.dataLength < 0                     ? 0
           : frame.dataLength > can::kMaxDataLength ? can::kMaxDataLength
                                                    : frame.dataLength;
}

// A data frame goes out as CAN FD when it is one, or when classic CAN cannot carry its bytes
// (a capture records no FD flag, only the length).
inline bool writtenAsFd(const can::Frame& frame) {
    return frame.isFd || frame.dataLength > can::kClassicMaxLength;
}

// A channel number a source can hand on (0..can::kMaxChannel).
inline bool isChannel(int32_t channel) { return channel >= 0 && channel <= can::kMaxChannel; }

// Any of the CAN FD flags: what a remote frame cannot have, and most error frames of the
// formats cannot carry.
inline bool hasFdFlags(const can::Frame& frame) {
    return frame.isFd || frame.bitRateSwitch || frame.errorState;
}

}  // namespace canlog
