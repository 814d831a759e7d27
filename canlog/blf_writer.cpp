#include "canlog/blf_writer.h"

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
constexpr uint32_t kFdExtendedDataLength = 0x1000;  // CAN_FD_MESSAGE_64 flags: an FD frame
// The writing application: none of Vector's (0, unknown), with this program's version; the
// object layout of version 4.7.1 of the logging library.
constexpr uint8_t kApplicationId = 0;
constexpr uint8_t kLibraryVersion[4] = {4, 7, 1, 0};

void putSignature(uint8_t* out, const char (&signature)[5]) { std::memcpy(out, signature, 4); }

// SYSTEMTIME: year, month, day of week, day, hour, minute, second, milliseconds.
void encodeSystemTime(const UtcTime& time, uint8_t* out) {
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

size_t encodeFrame(const can::Frame& frame, uint64_t timestamp, uint8_t* out) {
    const auto channel = static_cast<uint16_t>(frame.channel + 1);
    if (frame.dataLength <= can::kClassicMaxLength) {
        encodeObjectHeader(kCanMessage2, kCanMessage2Size, timestamp, out);
        uint8_t* body = out + kObjectHeaderSize;
        std::memset(body, 0, kCanMessage2Size - kObjectHeaderSize);
        writeLe16(body, channel);
        body[2] = 0;  // flags: received, not a remote frame
        body[3] = static_cast<uint8_t>(frame.dataLength);
        writeLe32(body + 4, idField(frame));
        std::memcpy(body + 8, frame.data, static_cast<size_t>(frame.dataLength));
        return kCanMessage2Size;
    }
    const int length = can::canFdLength(frame.dataLength);
    const size_t size = kCanFdMessage64FixedSize + static_cast<size_t>(length);
    encodeObjectHeader(kCanFdMessage64, size, timestamp, out);
    uint8_t* body = out + kObjectHeaderSize;
    // Frame length, bit timings, offsets, bit count, direction (received), CRC: unknown, 0.
    std::memset(body, 0, size - kObjectHeaderSize);
    body[0] = static_cast<uint8_t>(channel);
    body[1] = static_cast<uint8_t>(can::canFdDlc(length));
    body[2] = static_cast<uint8_t>(length);
    writeLe32(body + 4, idField(frame));
    // Neither bit rate switch nor error state: the capture records them not.
    writeLe32(body + 12, kFdExtendedDataLength);
    std::memcpy(body + 40, frame.data, static_cast<size_t>(frame.dataLength));
    return size;
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
    used_ +=
        blf::encodeFrame(frame, timestamp, container_.get() + blf::kContainerHeaderSize + used_);
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
    uncompressed_ += size;
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
        header.last = utcTimeOf(clock_.originSeconds + static_cast<int64_t>(last / 1000000000),
                                static_cast<int>(last % 1000000000 / 1000000));
    }
    uint8_t bytes[blf::kFileHeaderSize];
    blf::encodeFileHeader(header, bytes);
    output_.rewrite(headerAt_, bytes, sizeof bytes);
}

}  // namespace canlog
