#include "canlog/blf_writer.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "can/fd_lengths.h"
#include "canlog/frame_text.h"
#include "monitor/byte_order.h"
#include "platform/platform.h"
#include "txtcvt_version.h"

namespace canlog {

using monitor::writeLe16;
using monitor::writeLe32;
using monitor::writeLe64;

namespace blf {

namespace {

constexpr uint32_t kTimeOneNanosecond = 2;  // object flags: time stamps in nanoseconds
constexpr uint32_t kExtendedId = 0x80000000;
constexpr uint8_t kTransmitted = 0x01;  // CAN_MESSAGE2 and CAN_FD_MESSAGE flags
constexpr uint8_t kRemote = 0x80;
// CAN_FD_MESSAGE_64 flags: an FD frame, bit rate switch, error state indicator.
constexpr uint32_t kFdExtendedDataLength = 0x1000;
constexpr uint32_t kFdBitRateSwitch = 0x2000;
constexpr uint32_t kFdErrorState = 0x4000;
// The writing application: none of Vector's (0, unknown), with this program's version; the
// object layout of version 4.7.1 of the logging library.
constexpr uint8_t kApplicationId = 0;
constexpr uint8_t kLibraryVersion[4] = {4, 7, 1, 0};

void putSignature(uint8_t* out, const char (&signature)[5]) { std::memcpy(out, signature, 4); }

// SYSTEMTIME: year, month, day of week, day, hour, minute, second, milliseconds.
void encodeSystemTime(const CalendarTime& time, uint8_t* out) {
    const int fields[8] = {time.year, time.month,  time.weekday, time.day,
                           time.hour, time.minute, time.second,  time.millisecond};
    for (size_t i = 0; i < 8; ++i) writeLe16(out + 2 * i, static_cast<uint16_t>(fields[i]));
}

void encodeObjectHeader(uint32_t type, size_t size, uint64_t timestamp, uint8_t* out) {
    putSignature(out, "LOBJ");
    writeLe16(out + 4, static_cast<uint16_t>(kObjectHeaderSize));
    writeLe16(out + 6, 1);  // header version
    writeLe32(out + 8, static_cast<uint32_t>(size));
    writeLe32(out + 12, type);
    writeLe32(out + 16, kTimeOneNanosecond);
    writeLe16(out + 20, 0);  // client index
    writeLe16(out + 22, 0);  // object version
    writeLe64(out + 24, timestamp);
}

uint32_t idField(const can::Frame& frame) {
    return frame.isExtended ? frame.canId | kExtendedId : frame.canId;
}

}  // namespace

void encodeFileHeader(const FileHeader& header, uint8_t* out) {
    std::memset(out, 0, kFileHeaderSize);
    putSignature(out, "LOGG");
    writeLe32(out + 4, static_cast<uint32_t>(kFileHeaderSize));
    out[8] = kApplicationId;
    out[9] = static_cast<uint8_t>(TXTCVT_VERSION_MAJOR);
    out[10] = static_cast<uint8_t>(TXTCVT_VERSION_MINOR);
    out[11] = static_cast<uint8_t>(TXTCVT_VERSION_PATCH);
    std::memcpy(out + 12, kLibraryVersion, 4);
    writeLe64(out + 16, header.fileSize);
    writeLe64(out + 24, header.uncompressedSize);
    writeLe32(out + 32, header.objectCount);
    writeLe32(out + 36, 0);  // objects read
    if (header.dated) {
        encodeSystemTime(header.start, out + 40);
        encodeSystemTime(header.last, out + 56);
    }
}

namespace {

// CAN_MESSAGE2: channel (16), flags (Tx 0x01, remote 0x80), DLC, identifier, 8 data bytes, frame
// length, bit count and reserved bytes (unknown: 0). A remote frame's DLC is the length asked
// for; CAN FD has no remote frames, so FD flags have no place.
size_t encodeClassic(const can::Frame& frame, uint16_t channel, uint64_t timestamp, uint8_t* out) {
    encodeObjectHeader(kCanMessage2, kCanMessage2Size, timestamp, out);
    uint8_t* body = out + kObjectHeaderSize;
    std::memset(body, 0, kCanMessage2Size - kObjectHeaderSize);
    writeLe16(body, channel);
    const bool remote = frame.kind == can::FrameKind::kRemote;
    const int length = std::min(writtenLength(frame), can::kClassicMaxLength);
    body[2] = static_cast<uint8_t>((frame.transmitted ? kTransmitted : 0) | (remote ? kRemote : 0));
    body[3] = static_cast<uint8_t>(length);
    writeLe32(body + 4, idField(frame));
    if (!remote) std::memcpy(body + 8, frame.data, static_cast<size_t>(length));
    return kCanMessage2Size;
}

// CAN_FD_MESSAGE_64: channel (8), DLC, valid data bytes, flags (EDL, BRS, ESI) and direction
// (1 Tx); frame length, bit timings, offsets, bit count and CRC unknown: 0. Longer lengths than
// CAN FD carries are written with the next one, the bytes added being zero.
size_t encodeFd64(const can::Frame& frame, uint8_t channel, uint64_t timestamp, uint8_t* out) {
    const int dataLength = writtenLength(frame);
    const int length = can::canFdLength(dataLength);
    const size_t size = kCanFdMessage64FixedSize + static_cast<size_t>(length);
    // Its padding: a length of 1-7 bytes leaves the object off the 4-byte grid.
    const size_t padding = size % 4;
    encodeObjectHeader(kCanFdMessage64, size, timestamp, out);
    uint8_t* body = out + kObjectHeaderSize;
    std::memset(body, 0, kCanFdMessage64FixedSize - kObjectHeaderSize);
    body[0] = channel;
    body[1] = static_cast<uint8_t>(can::canFdDlc(length));
    body[2] = static_cast<uint8_t>(length);
    writeLe32(body + 4, idField(frame));
    writeLe32(body + 12, kFdExtendedDataLength | (frame.bitRateSwitch ? kFdBitRateSwitch : 0) |
                             (frame.errorState ? kFdErrorState : 0));
    body[34] = frame.transmitted ? 1 : 0;
    std::memcpy(body + 40, frame.data, static_cast<size_t>(dataLength));
    std::memset(body + 40 + dataLength, 0, static_cast<size_t>(length - dataLength) + padding);
    return size + padding;
}

// CAN_FD_MESSAGE, for channels past CAN_FD_MESSAGE_64's 8 bits: channel (16), flags (Tx), DLC,
// identifier, frame length, bit count, FD flags (EDL 1, BRS 2, ESI 4), valid data bytes,
// reserved, 64 data bytes, reserved.
size_t encodeFd16(const can::Frame& frame, uint16_t channel, uint64_t timestamp, uint8_t* out) {
    const int dataLength = writtenLength(frame);
    const int length = can::canFdLength(dataLength);
    encodeObjectHeader(kCanFdMessage, kCanFdMessageSize, timestamp, out);
    uint8_t* body = out + kObjectHeaderSize;
    std::memset(body, 0, kCanFdMessageSize - kObjectHeaderSize);
    writeLe16(body, channel);
    body[2] = frame.transmitted ? kTransmitted : 0;
    body[3] = static_cast<uint8_t>(can::canFdDlc(length));
    writeLe32(body + 4, idField(frame));
    body[13] = static_cast<uint8_t>(1 | (frame.bitRateSwitch ? 2 : 0) | (frame.errorState ? 4 : 0));
    body[14] = static_cast<uint8_t>(length);
    std::memcpy(body + 20, frame.data, static_cast<size_t>(dataLength));
    return kCanFdMessageSize;
}

// CAN_ERROR_EXT: channel (16), length, flags (which controller fields are valid: none), error
// code, position, DLC, reserved, frame length, identifier, extended flags, reserved, 8 data
// bytes. The identifier and data are the source's, as python-can writes them; the direction
// bits are the controller's own and are left 0.
size_t encodeError(const can::Frame& frame, uint16_t channel, uint64_t timestamp, uint8_t* out,
                   LeftOutCounts* leftOut) {
    const int length = std::min(writtenLength(frame), can::kClassicMaxLength);
    if (leftOut != nullptr) {
        if (frame.transmitted) leftOut->add(LeftOut::kErrorDirection);
        if (hasFdFlags(frame)) leftOut->add(LeftOut::kErrorFdFlags);
        if (writtenLength(frame) > length) leftOut->add(LeftOut::kErrorContent);
    }
    encodeObjectHeader(kCanErrorExt, kCanErrorExtSize, timestamp, out);
    uint8_t* body = out + kObjectHeaderSize;
    std::memset(body, 0, kCanErrorExtSize - kObjectHeaderSize);
    writeLe16(body, channel);
    body[10] = static_cast<uint8_t>(length);
    writeLe32(body + 16, idField(frame));
    std::memcpy(body + 24, frame.data, static_cast<size_t>(length));
    return kCanErrorExtSize;
}

}  // namespace

size_t encodeFrame(const can::Frame& frame, uint64_t timestamp, uint8_t* out,
                   LeftOutCounts* leftOut) {
    const auto note = [leftOut](LeftOut kind) {
        if (leftOut != nullptr) leftOut->add(kind);
    };
    // BLF channels count from 1 in 16 bits (8 in CAN_FD_MESSAGE_64).
    if (!isChannel(frame.channel) || frame.channel >= 0xFFFF) {
        note(LeftOut::kFrameOnChannel);
        return 0;
    }
    const auto channel = static_cast<uint16_t>(frame.channel + 1);
    switch (frame.kind) {
        case can::FrameKind::kData:
            if (!writtenAsFd(frame)) return encodeClassic(frame, channel, timestamp, out);
            if (channel <= 0xFF) {
                return encodeFd64(frame, static_cast<uint8_t>(channel), timestamp, out);
            }
            return encodeFd16(frame, channel, timestamp, out);
        case can::FrameKind::kRemote:
            if (hasFdFlags(frame)) note(LeftOut::kRemoteFdFlags);
            return encodeClassic(frame, channel, timestamp, out);
        case can::FrameKind::kError:
            return encodeError(frame, channel, timestamp, out, leftOut);
        default:
            note(LeftOut::kOtherKind);
            return 0;
    }
}

}  // namespace blf

BlfWriter::BlfWriter(output::BlockOutput& output)
    : output_(output),
      container_(new (std::nothrow) uint8_t[blf::kContainerHeaderSize + blf::kContainerCapacity]) {
    if (container_ == nullptr) output_.fail(platform::kOutOfMemory);
}

void BlfWriter::begin(const LogClock& clock) {
    clock_ = clock;
    timestampOffset_ = clock.dated ? clock.originBelowMillisecond() : 0;
    headerAt_ = output_.position();
    uint8_t header[blf::kFileHeaderSize];
    blf::encodeFileHeader(blf::FileHeader{}, header);
    output_.write(header, sizeof header);
    uncompressed_ = blf::kFileHeaderSize;
}

void BlfWriter::frame(const can::Frame& frame, uint64_t sinceOrigin) {
    if (container_ == nullptr) return;
    if (used_ + blf::kMaxObjectSize > blf::kContainerCapacity) writeContainer();
    // Whole microseconds, as in the text formats: every format gives a frame the same time.
    const uint64_t timestamp = (timestampOffset_ + sinceOrigin) / 1000 * 1000;
    const size_t size = blf::encodeFrame(
        frame, timestamp, container_.get() + blf::kContainerHeaderSize + used_, &leftOut_);
    if (size == 0) return;
    used_ += size;
    ++objects_;
    lastSinceOrigin_ = sinceOrigin;
}

void BlfWriter::writeContainer() {
    if (used_ == 0) return;
    uint8_t* header = container_.get();
    const size_t size = blf::kContainerHeaderSize + used_;
    std::memset(header, 0, blf::kContainerHeaderSize);
    std::memcpy(header, "LOBJ", 4);
    writeLe16(header + 4, 16);  // the base header alone
    writeLe16(header + 6, 1);
    writeLe32(header + 8, static_cast<uint32_t>(size));
    writeLe32(header + 12, blf::kLogContainer);
    writeLe16(header + 16, 0);  // compression: none
    writeLe32(header + 24, static_cast<uint32_t>(used_));
    output_.write(header, size);
    // The padding Vector's tools and python-can read behind an object of the top level.
    static constexpr uint8_t kPadding[4] = {};
    output_.write(kPadding, size % 4);
    uncompressed_ += size + size % 4;
    used_ = 0;
}

void BlfWriter::end() {
    writeContainer();
    blf::FileHeader header;
    header.fileSize = output_.position() - headerAt_;
    header.uncompressedSize = uncompressed_;
    header.objectCount = objects_;
    header.dated = clock_.dated;
    if (clock_.dated) {
        header.start = clock_.originToMillisecond();
        // The last frame's time, from the origin's second on, cut to the millisecond.
        const uint64_t last = clock_.originNanoseconds + lastSinceOrigin_;
        header.last =
            clock_.calendarAt(clock_.originSeconds + static_cast<int64_t>(last / 1000000000),
                              static_cast<int>(last % 1000000000 / 1000000));
    }
    uint8_t bytes[blf::kFileHeaderSize];
    blf::encodeFileHeader(header, bytes);
    output_.rewrite(headerAt_, bytes, sizeof bytes);
}

}  // namespace canlog
