// What the decoding of a file met, for the report: what the database covered and what it did
// not, frames shorter than their message, values read from bytes the frame did not carry,
// multiplexer switch values that select nothing. Counted while the frames are decoded; the
// totals of a run add the files up.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "dbc/database.h"

namespace decode {

struct UnknownIdentifier {
    uint32_t canId = 0;
    bool extended = false;
    uint64_t frames = 0;
    // (channel, frames) for each channel it came on, ascending: a log has a few channels of
    // up to 65536, so nothing is sized by a channel number.
    std::vector<std::pair<int32_t, uint64_t>> byChannel;

    uint64_t total() const { return frames; }
    uint64_t on(int32_t channel) const;
    void add(int32_t channel, uint64_t count);
};

struct MessageFrames {
    std::string message;
    uint32_t canId = 0;
    bool extended = false;
    uint64_t frames = 0;
};

struct UnmatchedSwitch {
    std::string message;
    std::string switchName;
    uint64_t frames = 0;
    std::vector<int64_t> values;  // the distinct values seen, ascending, at most kMaxValues
    bool moreValues = false;      // more distinct values than kept
    static constexpr size_t kMaxValues = 32;
};

class DecodeStats {
public:
    uint64_t framesDecoded = 0;  // frames that gave at least one value
    uint64_t framesUnknown = 0;  // frames whose identifier the database does not know
    uint64_t framesShort = 0;    // frames with fewer data bytes than their message
    uint64_t framesJ1939 = 0;    // frames matched by parameter group
    // Of those, frames for which several messages were left after the addresses were compared
    // (the lowest identifier was taken).
    uint64_t framesJ1939Ambiguous = 0;
    uint64_t valuesBeyondData = 0;  // values read partly or wholly past the frame's bytes

    void unknownFrame(uint32_t canId, bool extended, int channel);
    void shortFrame(const dbc::DbcMessage& message);
    void unmatchedSwitch(const dbc::DbcMessage& message, const dbc::DbcSignal& switchSignal,
                         int64_t value);

    // The most frequent unknown identifiers, most frames first (then by identifier).
    std::vector<UnknownIdentifier> topUnknown(size_t count) const;
    std::vector<MessageFrames> shortByMessage() const;
    std::vector<UnmatchedSwitch> unmatchedSwitches() const;

    // Adds another file's figures.
    void add(const DecodeStats& other);

private:
    std::unordered_map<uint64_t, UnknownIdentifier> unknown_;
    std::map<std::pair<std::string, uint32_t>, MessageFrames> short_;
    std::map<std::pair<std::string, std::string>, UnmatchedSwitch> switches_;
};

}  // namespace decode
