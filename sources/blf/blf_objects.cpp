#include "sources/blf/blf_objects.h"

#include <algorithm>
#include <cstring>

#include "monitor/byte_order.h"

namespace sources::blf {

using monitor::readLe16;
using monitor::readLe32;
using monitor::readLe64;

namespace {

using detail::kDirectionBits;
using detail::kExtendedId;
using detail::kIdMask;
using detail::kRemoteFlag;
constexpr uint8_t kFdEdl = 0x1, kFdBrs = 0x2, kFdEsi = 0x4;  // CAN_FD_MESSAGE FD flags
constexpr uint32_t kFd64Remote = 0x10, kFd64Edl = 0x1000, kFd64Brs = 0x2000, kFd64Esi = 0x4000;
constexpr uint16_t kFdErrorEsi = 0x20, kFdErrorBrs = 0x40, kFdErrorEdl = 0x80;
constexpr int kClassicLength = 8;

bool setChannel(uint32_t channel, can::Frame& frame) {
    if (channel == 0) return false;  // the file's channels count from 1
    frame.channel = static_cast<int32_t>(channel - 1);
    return true;
}

void setIdentifier(uint32_t id, can::Frame& frame) {
    frame.canId = id & kIdMask;
    frame.isExtended = (id & kExtendedId) != 0;
}

// `length` data bytes, or a remote frame asking for them; a classic frame carries 8 at most.
bool setData(const uint8_t* data, int length, bool remote, can::Frame& frame) {
    if (length > (frame.isFd ? can::kMaxDataLength : kClassicLength)) return false;
    frame.dataLength = length;
    if (remote) {
        frame.kind = can::FrameKind::kRemote;
        return true;
    }
    std::memcpy(frame.data, data, static_cast<size_t>(length));
    return true;
}

// CAN_FD_MESSAGE: channel, flags and DLC as CAN_MESSAGE, identifier, frame length (32), bit
// count, FD flags (EDL 1, BRS 2, ESI 4), valid data bytes, 5 reserved, 64 data bytes.
bool decodeCanFdMessage(const uint8_t* body, size_t size, can::Frame& frame) {
    if (size < 20 || !setChannel(readLe16(body), frame)) return false;
    const uint8_t flags = body[2];
    const uint8_t fdFlags = body[13];
    const int valid = body[14];
    setIdentifier(readLe32(body + 4), frame);
    frame.transmitted = (flags & kDirectionBits) != 0;
    frame.isFd = (fdFlags & kFdEdl) != 0;
    frame.bitRateSwitch = (fdFlags & kFdBrs) != 0;
    frame.errorState = (fdFlags & kFdEsi) != 0;
    const bool remote = !frame.isFd && (flags & kRemoteFlag) != 0;
    if (remote) return setData(body, std::min<int>(body[3], kClassicLength), true, frame);
    return size >= 20 + static_cast<size_t>(valid) && setData(body + 20, valid, false, frame);
}

// CAN_FD_MESSAGE_64: channel (8 bits), DLC, valid data bytes, Tx count, identifier, frame
// length, flags (32: 0x10 remote, 0x1000 EDL, 0x2000 BRS, 0x4000 ESI), bit timings and offsets
// (16 bytes), bit count (16), direction (0 Rx, 1 Tx, 2 Tx request), extension offset, CRC, data.
bool decodeCanFdMessage64(const uint8_t* body, size_t size, can::Frame& frame) {
    if (size < 40 || !setChannel(body[0], frame)) return false;
    const uint32_t flags = readLe32(body + 12);
    const int valid = body[2];
    setIdentifier(readLe32(body + 4), frame);
    frame.transmitted = body[34] != 0;
    frame.isFd = (flags & kFd64Edl) != 0;
    frame.bitRateSwitch = (flags & kFd64Brs) != 0;
    frame.errorState = (flags & kFd64Esi) != 0;
    const bool remote = !frame.isFd && (flags & kFd64Remote) != 0;
    if (remote) return setData(body, std::min<int>(body[1], kClassicLength), true, frame);
    return size >= 40 + static_cast<size_t>(valid) && setData(body + 40, valid, false, frame);
}

// CAN_ERROR: channel and the error frame's length; no identifier, no data.
bool decodeCanError(const uint8_t* body, size_t size, can::Frame& frame) {
    frame.kind = can::FrameKind::kError;
    return size >= 2 && setChannel(readLe16(body), frame);
}

// CAN_ERROR_EXT: channel, length, flags (32), error code, position, DLC (low four bits),
// reserved, frame length (32), identifier of the damaged frame, extended flags (16), reserved
// (16), 8 data bytes. The direction bits differ between controllers: not taken.
bool decodeCanErrorExt(const uint8_t* body, size_t size, can::Frame& frame) {
    frame.kind = can::FrameKind::kError;
    if (size < 24 || !setChannel(readLe16(body), frame)) return false;
    setIdentifier(readLe32(body + 16), frame);
    const int length = std::min(body[10] & 0x0F, kClassicLength);
    return size >= 24 + static_cast<size_t>(length) && setData(body + 24, length, false, frame);
}

// CAN_FD_ERROR_64: channel (8), DLC, valid data bytes, error code, flags (16), extended error
// code (16), FD flags (16: ESI 0x20, BRS 0x40, EDL 0x80), extension offset, reserved,
// identifier, frame length, bit timings and offsets (16 bytes), CRC, error position (16),
// reserved (16), data.
bool decodeCanFdError64(const uint8_t* body, size_t size, can::Frame& frame) {
    frame.kind = can::FrameKind::kError;
    if (size < 44 || !setChannel(body[0], frame)) return false;
    const uint16_t fdFlags = readLe16(body + 8);
    const int valid = body[2];
    setIdentifier(readLe32(body + 12), frame);
    frame.isFd = (fdFlags & kFdErrorEdl) != 0;
    frame.bitRateSwitch = (fdFlags & kFdErrorBrs) != 0;
    frame.errorState = (fdFlags & kFdErrorEsi) != 0;
    return size >= 44 + static_cast<size_t>(valid) && setData(body + 44, valid, false, frame);
}

}  // namespace

bool decodeFrameObject(const uint8_t* object, const ObjectHeader& header, can::Frame& frame) {
    if (header.type == kCanMessage || header.type == kCanMessage2) {
        return decodeCanMessageObject(object, header, frame);
    }
    detail::clear(frame);
    if (header.headerSize < kTimedHeaderSize || header.objectSize < header.headerSize) return false;
    if (!detail::objectTime(object, frame.time)) return false;
    const uint8_t* body = object + header.headerSize;
    const size_t size = header.objectSize - header.headerSize;
    switch (header.type) {
        case kCanFdMessage:
            return decodeCanFdMessage(body, size, frame);
        case kCanFdMessage64:
            return decodeCanFdMessage64(body, size, frame);
        case kCanError:
            return decodeCanError(body, size, frame);
        case kCanErrorExt:
            return decodeCanErrorExt(body, size, frame);
        case kCanFdError64:
            return decodeCanFdError64(body, size, frame);
        default:
            return false;
    }
}

}  // namespace sources::blf
