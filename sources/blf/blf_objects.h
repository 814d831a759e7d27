// The objects of Vector's binary log (.blf), one at a time: every object starts with a 16-byte
// base header ("LOBJ", header size, header version, object size, object type); objects with a
// time add object flags (the time stamp's unit) and a 64-bit time stamp at bytes 16 and 24, the
// same in every header version. The fields of an object follow its header, at the header size.
// All numbers little-endian. This unit turns the bytes of one whole object into a can::Frame.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "can/frame.h"
#include "monitor/byte_order.h"

namespace sources::blf {

inline constexpr uint32_t kObjectSignature = 0x4A424F4C;  // "LOBJ"
inline constexpr size_t kBaseHeaderSize = 16;
// The base header, object flags, two 16-bit fields and the time stamp.
inline constexpr size_t kTimedHeaderSize = 32;
// No object of the format comes near: a larger size is a damaged header.
inline constexpr uint32_t kMaxObjectSize = 16u << 20;
// The frame objects are below 200 bytes; room is left for fields a later version appends.
inline constexpr uint32_t kMaxFrameObjectSize = 1024;

// Object types read here (Vector's names).
inline constexpr uint32_t kCanMessage = 1;
inline constexpr uint32_t kCanError = 2;
inline constexpr uint32_t kLogContainer = 10;
inline constexpr uint32_t kCanErrorExt = 73;
inline constexpr uint32_t kCanMessage2 = 86;
inline constexpr uint32_t kCanFdMessage = 100;
inline constexpr uint32_t kCanFdMessage64 = 101;
inline constexpr uint32_t kCanFdError64 = 104;

struct ObjectHeader {
    uint16_t headerSize = 0;
    uint16_t headerVersion = 0;
    uint32_t objectSize = 0;  // header and fields, without the padding behind them
    uint32_t type = 0;
};

// The base header at `bytes` (16 bytes, its signature already seen). Inline: it is read for
// every object.
inline ObjectHeader readObjectHeader(const uint8_t* bytes) {
    ObjectHeader header;
    header.headerSize = monitor::readLe16(bytes + 4);
    header.headerVersion = monitor::readLe16(bytes + 6);
    header.objectSize = monitor::readLe32(bytes + 8);
    header.type = monitor::readLe32(bytes + 12);
    return header;
}

// Sizes that fit together: a header of at least the base header, an object of at least its
// header and at most kMaxObjectSize.
inline bool plausible(const ObjectHeader& header) {
    return header.headerSize >= kBaseHeaderSize && header.objectSize >= header.headerSize &&
           header.objectSize <= kMaxObjectSize;
}

// One of the CAN frame and error frame objects decodeFrameObject reads.
inline bool isFrameObject(uint32_t type) {
    return type == kCanMessage || type == kCanMessage2 || type == kCanFdMessage ||
           type == kCanFdMessage64 || type == kCanErrorExt || type == kCanError ||
           type == kCanFdError64;
}

// The frame of a whole frame object (`header.objectSize` bytes at `object`): false when it cannot
// be read (too short for its fields, a length beyond its data, channel 0, a time past 2^64 ns).
// Frame::place is left to the caller. Channels count from 1 in the file, from 0 in the frame.
bool decodeFrameObject(const uint8_t* object, const ObjectHeader& header, can::Frame& frame);

// Vector's name of an object type ("CAN_STATISTIC", "APP_TEXT"); empty for a number without one.
std::string_view objectTypeName(uint32_t type);

}  // namespace sources::blf
