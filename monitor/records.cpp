// Both record layouts. The walk touches one or two bytes per record and copies nothing, so a
// 1 GiB capture is walked in one quick pass.
#include "monitor/records.h"

#include <cstring>

#include "monitor/byte_order.h"
#include "monitor/monitor_file.h"

namespace monitor {

namespace {

constexpr int kMaxDataLength = 64;
constexpr int kHeadDataBytes = 8;
constexpr int kContinuationDataBytes = 28;
constexpr int kMaxContinuations = 2;

inline const uint8_t* recordAt(const RecordCursor& cursor, uint32_t index) {
    return cursor.records + static_cast<size_t>(index) * kRecordSize;
}

void startFrame(int channel, can::Frame& frame) {
    frame = can::Frame{};
    frame.channel = channel;
}

void appendContinuation(const uint8_t* record, int taken, can::Frame& frame) {
    std::memcpy(frame.data + kHeadDataBytes + static_cast<size_t>(taken) * kContinuationDataBytes,
                record + 4, kContinuationDataBytes);
}

// Layout 27: bit 31 of word 0 marks a head; bits 29-31 of word 2 give its class.
inline bool isHead27(const uint8_t* record) { return (record[3] & 0x80) != 0; }

RecordKind classify27(const uint8_t* record) {
    if (!isHead27(record)) return kKindEnd;
    switch (record[11] & 0xE0) {
        case 0x20:
            return 1;
        case 0x60:
            return 2;
        case 0x80:
            return 3;
        case 0x40:
            return 4;
        case 0xE0:
            if (record[8] == 0) return 5;
            if (record[8] == 1) return 6;
            return kKindEnd;
        default:
            return kKindEnd;
    }
}

// Layout 29: bit 7 of byte 1 marks a head; the high nibble of byte 0 gives its class.
inline bool isHead29(const uint8_t* record) { return (record[1] & 0x80) != 0; }

RecordKind classify29(const uint8_t* record) {
    if (!isHead29(record)) return kKindEnd;
    const uint8_t type = record[0];
    switch (type >> 4) {
        case 0x0:
            return 1;
        case 0x1:
            return 2;
        case 0x3:
            return 8;
        case 0x2:
            return 9;
        case 0x8:
            if (type == 0x81) return 5;
            if (type == 0x80) return 6;
            return kKindEnd;
        default:
            return kKindEnd;
    }
}

template <RecordKind (*Classify)(const uint8_t*)>
RecordKind nextKind(RecordCursor& cursor) {
    if (cursor.index >= cursor.count) {
        cursor.index = cursor.count;
        return kKindEnd;
    }
    for (uint32_t index = cursor.index + 1; index < cursor.count; ++index) {
        const RecordKind kind = Classify(recordAt(cursor, index));
        if (kind != kKindEnd) {
            cursor.index = index;
            return kind;
        }
    }
    cursor.index = cursor.count;
    return kKindEnd;
}

template <RecordKind (*Classify)(const uint8_t*)>
RecordKind firstKind(RecordCursor& cursor) {
    if (cursor.index < cursor.count) {
        const RecordKind kind = Classify(recordAt(cursor, cursor.index));
        if (kind != kKindEnd) return kind;
    }
    return nextKind<Classify>(cursor);
}

// CAN frames are types 0x01-0x03 on CH1 and 0x11-0x13 on CH2; other types in those classes
// are walked like frames but yield none.
bool isCanFrameType29(uint8_t type) {
    const int low = type & 0x0F;
    return (type >> 4) <= 1 && low >= 1 && low <= 3;
}

// Layout 29 frame format: 0x01, 0x11, 0x21 standard; 0x03, 0x13, 0x23 extended.
bool frameFormat29(uint8_t format, bool& extended) {
    switch (format) {
        case 0x01:
        case 0x11:
        case 0x21:
            extended = false;
            return true;
        case 0x03:
        case 0x13:
        case 0x23:
            extended = true;
            return true;
        default:
            return false;
    }
}

}  // namespace

RecordKind firstRecordKind27(RecordCursor& cursor) { return firstKind<classify27>(cursor); }
RecordKind nextRecordKind27(RecordCursor& cursor) { return nextKind<classify27>(cursor); }
RecordKind firstRecordKind29(RecordCursor& cursor) { return firstKind<classify29>(cursor); }
RecordKind nextRecordKind29(RecordCursor& cursor) { return nextKind<classify29>(cursor); }

bool assembleFrame27(const RecordCursor& cursor, int channel, can::Frame& frame) {
    startFrame(channel, frame);
    if (cursor.index >= cursor.count) return false;
    const uint8_t* head = recordAt(cursor, cursor.index);
    const uint32_t word0 = readLe32(head);
    frame.isExtended = (head[12] & 0x10) != 0;
    frame.dataLength = static_cast<int>(word0 & 0x7F);
    if (frame.dataLength == 0 || frame.dataLength > kMaxDataLength) return false;
    frame.canId = readLe32(head + 8) & 0x1FFFFFFF;
    if (!frame.isExtended) frame.canId >>= 18;
    std::memcpy(frame.data, head + 24, kHeadDataBytes);
    int remaining = frame.dataLength - kHeadDataBytes;
    uint64_t position = cursor.index;
    // The extension record, when announced, stands between the head and its continuations.
    if ((word0 & 0x40000000u) != 0 && ++position >= cursor.count) return false;
    for (int taken = 0; remaining > 0 && taken < kMaxContinuations; ++taken) {
        if (++position >= cursor.count) return false;
        const uint8_t* record = recordAt(cursor, static_cast<uint32_t>(position));
        if (isHead27(record)) return false;
        appendContinuation(record, taken, frame);
        remaining -= kContinuationDataBytes;
    }
    return true;
}

bool assembleFrame29(const RecordCursor& cursor, int channel, can::Frame& frame) {
    startFrame(channel, frame);
    if (cursor.index >= cursor.count) return false;
    const uint8_t* head = recordAt(cursor, cursor.index);
    if (!isCanFrameType29(head[0])) return false;
    if (!frameFormat29(head[10], frame.isExtended)) return false;
    frame.dataLength = head[12];
    if (frame.dataLength == 0 || frame.dataLength > kMaxDataLength) return false;
    frame.canId = readLe32(head + 16) & (frame.isExtended ? 0x1FFFFFFFu : 0x7FFu);
    std::memcpy(frame.data, head + 24, kHeadDataBytes);
    int continuations = head[1] & 0x7F;
    if (continuations > kMaxContinuations) continuations = kMaxContinuations;
    uint64_t position = cursor.index;
    for (int sequence = 1; sequence <= continuations; ++sequence) {
        if (++position >= cursor.count) return false;
        const uint8_t* record = recordAt(cursor, static_cast<uint32_t>(position));
        if (isHead29(record) || (record[1] & 0x7F) != sequence) return false;
        appendContinuation(record, sequence - 1, frame);
    }
    return true;
}

uint32_t timeCount27(const RecordCursor& cursor) {
    if (cursor.index >= cursor.count) return 0;
    return readLe32(recordAt(cursor, cursor.index) + 4) & 0x7FFFFFFF;
}

uint64_t timeCount29(const RecordCursor& cursor) {
    if (cursor.index >= cursor.count) return 0;
    const uint8_t* head = recordAt(cursor, cursor.index);
    return (static_cast<uint64_t>(readLe32(head + 4)) << 16) | readLe16(head + 2);
}

}  // namespace monitor
