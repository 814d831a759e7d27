// The 32-byte frame records of both layouts: the walker that stops on head records, and the
// assembly of a captured frame from a head record and its continuation records.
#pragma once

#include <cstdint>

#include "can/frame.h"

namespace monitor {

// Kinds of head records: 1 CAN frame on CH1, 2 CAN frame on CH2, others are bus events.
using RecordKind = int;
constexpr RecordKind kKindEnd = 0;
constexpr RecordKind kKindCh1 = 1;
constexpr RecordKind kKindCh2 = 2;

struct RecordCursor {
    uint32_t index = 0;
    uint32_t count = 0;
    const uint8_t* records = nullptr;  // borrowed from the loaded file's buffer
};

// Layout 27.
RecordKind firstRecordKind27(RecordCursor& cursor);
RecordKind nextRecordKind27(RecordCursor& cursor);
// Assembly fills a frame's channel (0 CH1, 1 CH2), identifier, length (1..64) and bytes; its
// place and time are the walk's.
bool assembleFrame27(const RecordCursor& cursor, int channel, can::Frame& frame);
uint32_t timeCount27(const RecordCursor& cursor);  // 31-bit count of the head record

// Layout 29.
RecordKind firstRecordKind29(RecordCursor& cursor);
RecordKind nextRecordKind29(RecordCursor& cursor);
bool assembleFrame29(const RecordCursor& cursor, int channel, can::Frame& frame);
uint64_t timeCount29(const RecordCursor& cursor);  // 48-bit microseconds of the head record

// Each record layout as one type, so that a walk is written once for both: the converter and
// `inspect` go through the same description.
struct RecordLayout27 {
    static constexpr int kVariant = 27;
    static RecordKind first(RecordCursor& c) { return firstRecordKind27(c); }
    static RecordKind next(RecordCursor& c) { return nextRecordKind27(c); }
    static bool assemble(const RecordCursor& c, int channel, can::Frame& frame) {
        return assembleFrame27(c, channel, frame);
    }
    // In units of the file's time-stamp mode.
    static uint64_t timeCount(const RecordCursor& c) { return timeCount27(c); }
};

struct RecordLayout29 {
    static constexpr int kVariant = 29;
    static RecordKind first(RecordCursor& c) { return firstRecordKind29(c); }
    static RecordKind next(RecordCursor& c) { return nextRecordKind29(c); }
    static bool assemble(const RecordCursor& c, int channel, can::Frame& frame) {
        return assembleFrame29(c, channel, frame);
    }
    // Microseconds since the recording start.
    static uint64_t timeCount(const RecordCursor& c) { return timeCount29(c); }
};

// Calls visit with the layout of `variant` (RecordLayout27 or RecordLayout29) and returns true;
// false for any other variant, without calling it.
template <class Visit>
bool withRecordLayout(int variant, Visit&& visit) {
    switch (variant) {
        case RecordLayout27::kVariant:
            visit(RecordLayout27{});
            return true;
        case RecordLayout29::kVariant:
            visit(RecordLayout29{});
            return true;
        default:
            return false;
    }
}

// The channel of a head record of a CAN frame: 0 for CH1, 1 for CH2, -1 for any other kind.
inline int frameChannelOf(RecordKind kind) {
    return kind == kKindCh1 ? 0 : kind == kKindCh2 ? 1 : -1;
}

}  // namespace monitor
