#include "canlog/candump_writer.h"

#include <algorithm>
#include <cstring>

#include "can/fd_lengths.h"
#include "canlog/frame_text.h"

namespace canlog {

namespace {
constexpr uint64_t kNanosecondsPerSecond = 1000000000;
constexpr size_t kMaxNameLength = 15;
constexpr uint32_t kErrorFlag = 0x20000000;  // SocketCAN's CAN_ERR_FLAG
constexpr uint32_t kErrorClassMask = 0x1FFFFFFF;
}  // namespace

bool isCandumpChannelName(const std::string& name) {
    if (name.empty() || name.size() > kMaxNameLength) return false;
    bool allDigits = true;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == 0x7F || c == '#' || c == '(' || c == ')' || c == '/') {
            return false;
        }
        if (c < '0' || c > '9') allDigits = false;
    }
    return !allDigits;
}

CandumpWriter::CandumpWriter(output::BlockOutput& output, const std::string (&names)[2])
    : output_(output) {
    for (int i = 0; i < 2; ++i) names_[i] = ' ' + names[i].substr(0, kMaxNameLength) + ' ';
}

void CandumpWriter::begin(const LogClock& clock) {
    originSeconds_ = clock.dated ? clock.originSeconds : 0;
    originNanoseconds_ = clock.dated ? clock.originNanoseconds : 0;
}

void CandumpWriter::frame(const can::Frame& frame, uint64_t sinceOrigin) {
    using frame_text::putDecimal;
    if (!isChannel(frame.channel)) {
        leftOut_.add(LeftOut::kFrameOnChannel);
        return;
    }
    if (frame.kind != can::FrameKind::kData && frame.kind != can::FrameKind::kRemote &&
        frame.kind != can::FrameKind::kError) {
        leftOut_.add(LeftOut::kOtherKind);
        return;
    }
    // The time, the longest name, an extended identifier and 64 bytes: under 200 characters.
    char* const start = output_.room(256);
    const uint64_t nanoseconds = originNanoseconds_ + sinceOrigin;
    char* out = start;
    *out++ = '(';
    out = putDecimal(
        out, static_cast<uint64_t>(originSeconds_) + nanoseconds / kNanosecondsPerSecond, 10);
    *out++ = '.';
    out = putDecimal(out, nanoseconds % kNanosecondsPerSecond / 1000, 6);
    *out++ = ')';
    if (frame.channel < 2) {
        const std::string& name = names_[frame.channel];
        std::memcpy(out, name.data(), name.size());
        out += name.size();
    } else {
        out = frame_text::putText(out, " can");
        out = putDecimal(out, static_cast<uint64_t>(frame.channel));
        *out++ = ' ';
    }
    if (frame.kind == can::FrameKind::kError) {
        out = putError(out, frame);
    } else if (frame.kind == can::FrameKind::kRemote) {
        out = putRemote(out, frame);
    } else {
        out = putData(out, frame);
    }
    // candump -x marks each frame R or T after it; a frame without a mark reads as received,
    // so only sent frames get one and received ones keep the plain form.
    if (frame.transmitted) out = frame_text::putText(out, " T");
    *out++ = '\n';
    output_.advance(static_cast<size_t>(out - start));
}

// "123#01A2FF"; CAN FD "18FEF100##3<data>" with the flags digit (BRS 1, ESI 2).
char* CandumpWriter::putData(char* out, const can::Frame& frame) {
    out = frame_text::putHex(out, frame.canId, frame.isExtended ? 8 : 3);
    *out++ = '#';
    const int dataLength = writtenLength(frame);
    int length = dataLength;
    if (writtenAsFd(frame)) {
        length = can::canFdLength(length);
        *out++ = '#';
        *out++ = "0123"[(frame.bitRateSwitch ? 1 : 0) + (frame.errorState ? 2 : 0)];
    }
    for (int i = 0; i < length; ++i) {
        out = frame_text::putHexByte(out, i < dataLength ? frame.data[i] : uint8_t{0});
    }
    return out;
}

// "123#R", or "123#R5" with the length asked for, as candump writes it (no digit for 0).
char* CandumpWriter::putRemote(char* out, const can::Frame& frame) {
    if (hasFdFlags(frame)) leftOut_.add(LeftOut::kRemoteFdFlags);
    out = frame_text::putHex(out, frame.canId, frame.isExtended ? 8 : 3);
    *out++ = '#';
    *out++ = 'R';
    const int length = std::min(writtenLength(frame), can::kClassicMaxLength);
    if (length > 0) *out++ = static_cast<char>('0' + length);
    return out;
}

// "200000A0#0000080000000000": the error flag in an 8-digit identifier whose other bits are
// the frame's (SocketCAN's error classes, for a candump log's own error frames) and up to 8 of
// its bytes; SocketCAN's error frames are classic frames, without CAN FD flags.
char* CandumpWriter::putError(char* out, const can::Frame& frame) {
    if (hasFdFlags(frame)) leftOut_.add(LeftOut::kErrorFdFlags);
    const int dataLength = writtenLength(frame);
    const int length = std::min(dataLength, can::kClassicMaxLength);
    if (dataLength > length) leftOut_.add(LeftOut::kErrorContent);
    out = frame_text::putHex(out, kErrorFlag | (frame.canId & kErrorClassMask), 8);
    *out++ = '#';
    for (int i = 0; i < length; ++i) out = frame_text::putHexByte(out, frame.data[i]);
    return out;
}

}  // namespace canlog
