// The 32-byte frame records of both layouts: the walker that stops on head records, and the
// assembly of a captured frame from a head record and its continuation records.
#pragma once

#include <cstdint>

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

struct CapturedFrame {
    int channel = 0;  // 0 CH1, 1 CH2
    uint32_t canId = 0;
    bool isExtended = false;
    int dataLength = 0;  // 1..64
    uint8_t data[64] = {};
    RecordCursor head;  // position of the head record
};

// Layout 27.
RecordKind firstRecordKind27(RecordCursor& cursor);
RecordKind nextRecordKind27(RecordCursor& cursor);
bool assembleFrame27(const RecordCursor& cursor, int channel, CapturedFrame& frame);
uint32_t timeCount27(const RecordCursor& cursor);  // 31-bit count of the head record

// Layout 29.
RecordKind firstRecordKind29(RecordCursor& cursor);
RecordKind nextRecordKind29(RecordCursor& cursor);
bool assembleFrame29(const RecordCursor& cursor, int channel, CapturedFrame& frame);
uint64_t timeCount29(const RecordCursor& cursor);  // 48-bit microseconds of the head record

}  // namespace monitor
