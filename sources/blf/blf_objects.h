// The objects of Vector's binary log (.blf), one at a time: every object starts with a 16-byte
// base header ("LOBJ", header size, header version, object size, object type); objects with a
// time add object flags (the time stamp's unit) and a 64-bit time stamp at bytes 16 and 24, the
// same in every header version. The fields of an object follow its header, at the header size.
// All numbers little-endian. This unit turns the bytes of one whole object into a can::Frame.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
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
// A LOG_CONTAINER's own fields behind its header: compression method (16 bits), 6 reserved
// bytes, the size of its content (32 bits, at kContainerClaimOffset), 4 reserved bytes; its
// content, stored or zlib-compressed, follows.
inline constexpr size_t kContainerFieldsSize = 16;
inline constexpr size_t kContainerClaimOffset = 8;
inline constexpr uint16_t kStoredMethod = 0;
inline constexpr uint16_t kZlibMethod = 2;
// The zero bytes the writers put behind a container to pad it, at most.
inline constexpr size_t kContainerPadding = 3;
// Deflate makes at most 1032 bytes of one: a larger claim no stream of that size can hold.
inline constexpr uint64_t kMaxDeflateRatio = 1032;
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

namespace detail {

inline constexpr uint32_t kExtendedId = 0x80000000;
inline constexpr uint32_t kIdMask = 0x1FFFFFFF;
inline constexpr uint8_t kRemoteFlag = 0x80;  // CAN_MESSAGE and CAN_FD_MESSAGE flags
inline constexpr uint8_t kDirectionBits = 0x0F;

// Field by field: assigning a new Frame{} compiles to a string store, slow to start, and this
// runs for every frame.
inline void clear(can::Frame& frame) {
    frame.time = 0;
    frame.place = 0;
    frame.canId = 0;
    frame.channel = 0;
    frame.dataLength = 0;
    frame.kind = can::FrameKind::kData;
    frame.isExtended = frame.isFd = frame.bitRateSwitch = frame.errorState = false;
    frame.transmitted = false;
    frame.event = 0;
    std::memset(frame.data, 0, sizeof frame.data);
}

// The time stamp in nanoseconds: 10-us units when the flags say so (and not 1 ns), else ns.
inline bool objectTime(const uint8_t* object, uint64_t& nanoseconds) {
    constexpr uint32_t kTimeTenMicroseconds = 0x1;  // object flags: the unit of the time stamp
    constexpr uint32_t kTimeOneNanosecond = 0x2;
    const uint32_t flags = monitor::readLe32(object + 16);
    const uint64_t stamp = monitor::readLe64(object + 24);
    if ((flags & kTimeTenMicroseconds) == 0 || (flags & kTimeOneNanosecond) != 0) {
        nanoseconds = stamp;
        return true;
    }
    if (stamp > UINT64_MAX / 10000) return false;
    nanoseconds = stamp * 10000;
    return true;
}

}  // namespace detail

// CAN_MESSAGE, CAN_MESSAGE2 (`header.type` one of them), nearly every object of most logs: as
// decodeFrameObject, inline. Channel (16 bits), flags (direction in the low four bits, 0x80 a
// remote frame), DLC, identifier (bit 31: extended), 8 data bytes; CAN_MESSAGE2 adds the frame's
// length and bit count. A DLC above 8 means 8 bytes.
inline bool decodeCanMessageObject(const uint8_t* object, const ObjectHeader& header,
                                   can::Frame& frame) {
    detail::clear(frame);
    if (header.headerSize < kTimedHeaderSize || header.objectSize < header.headerSize ||
        header.objectSize - header.headerSize < 16 || !detail::objectTime(object, frame.time)) {
        return false;
    }
    const uint8_t* body = object + header.headerSize;
    const uint16_t channel = monitor::readLe16(body);
    if (channel == 0) return false;  // the file's channels count from 1
    frame.channel = channel - 1;
    const uint8_t flags = body[2];
    const uint32_t id = monitor::readLe32(body + 4);
    frame.canId = id & detail::kIdMask;
    frame.isExtended = (id & detail::kExtendedId) != 0;
    frame.transmitted = (flags & detail::kDirectionBits) != 0;
    const int length = body[3] < 8 ? body[3] : 8;
    frame.dataLength = length;
    if ((flags & detail::kRemoteFlag) != 0) {
        frame.kind = can::FrameKind::kRemote;
        return true;
    }
    // All eight bytes in one copy, those past the length cleared again.
    if constexpr (std::endian::native == std::endian::little) {
        uint64_t data = 0;
        std::memcpy(&data, body + 8, sizeof data);
        if (length < 8) data &= (uint64_t{1} << (8 * length)) - 1;
        std::memcpy(frame.data, &data, sizeof data);
    } else {
        std::memcpy(frame.data, body + 8, static_cast<size_t>(length));
    }
    return true;
}

// Vector's name of an object type ("CAN_STATISTIC", "APP_TEXT"); empty for a number without one.
std::string_view objectTypeName(uint32_t type);

}  // namespace sources::blf
