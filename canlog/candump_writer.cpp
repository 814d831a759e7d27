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
// Every number 0-999 as three digits and the ')' that ends a time: the microseconds are two of
// them, the second written over the first one's ')'.
constexpr auto kThreeDigits = [] {
    struct Table {
        char text[4000];
    } table{};
    for (size_t i = 0; i < 1000; ++i) {
        table.text[4 * i] = static_cast<char>('0' + i / 100);
        table.text[4 * i + 1] = static_cast<char>('0' + i / 10 % 10);
        table.text[4 * i + 2] = static_cast<char>('0' + i % 10);
        table.text[4 * i + 3] = ')';
    }
    return table;
}();
// Three hexadecimal digits (standard) or eight (extended); a standard identifier past 0xFFF, which
// no bus carries, gets as many as it needs. Inline, as the time and the data are: a frame's line
// is written without a call.
[[gnu::always_inline]] inline char* putIdentifier(char* out, const can::Frame& frame) {
    const uint32_t id = frame.canId;
    if (frame.isExtended) {
        const uint8_t bytes[4] = {static_cast<uint8_t>(id >> 24), static_cast<uint8_t>(id >> 16),
                                  static_cast<uint8_t>(id >> 8), static_cast<uint8_t>(id)};
        frame_text::putHexFour(out, bytes);
        return out + 8;
    }
    if (id > 0xFFF) return frame_text::putHex(out, id, 3);
    out[0] = frame_text::kUpperHex[id >> 8];
    out[1] = frame_text::kUpperHex[(id >> 4) & 0x0F];
    out[2] = frame_text::kUpperHex[id & 0x0F];
    return out + 3;
}

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
    for (int i = 0; i < 2; ++i) {
        const std::string text = ' ' + names[i].substr(0, kMaxNameLength) + ' ';
        std::memcpy(names_[i], text.data(), text.size());
        nameLengths_[i] = text.size();
    }
}

void CandumpWriter::begin(const LogClock& clock, bool /*head*/) {
    originSeconds_ = clock.dated ? clock.originSeconds : 0;
    originNanoseconds_ = clock.dated ? clock.originNanoseconds : 0;
    secondKnown_ = false;
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
    char* out = putTime(start, sinceOrigin);
    if (frame.channel < 2) {
        std::memcpy(out, names_[frame.channel], sizeof names_[0]);
        out += nameLengths_[frame.channel];
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

[[gnu::always_inline]] inline char* CandumpWriter::putTime(char* out, uint64_t sinceOrigin) {
    const uint64_t nanoseconds = originNanoseconds_ + sinceOrigin;
    uint64_t withinSecond = nanoseconds - secondStart_;
    if (!secondKnown_ || withinSecond >= kNanosecondsPerSecond) {  // earlier ones wrap past it
        const uint64_t seconds =
            static_cast<uint64_t>(originSeconds_) + nanoseconds / kNanosecondsPerSecond;
        char* text = secondsText_;
        *text++ = '(';
        text = frame_text::putDecimal(text, seconds, 10);
        *text++ = '.';
        secondsLength_ = static_cast<size_t>(text - secondsText_);
        withinSecond = nanoseconds % kNanosecondsPerSecond;
        secondStart_ = nanoseconds - withinSecond;
        secondKnown_ = true;
    }
    // The whole array: a copy of fixed size, of which the text's length counts.
    std::memcpy(out, secondsText_, sizeof secondsText_);
    out += secondsLength_;
    const auto microseconds = static_cast<size_t>(withinSecond / 1000);
    const size_t thousands = microseconds / 1000;
    std::memcpy(out, kThreeDigits.text + 4 * thousands, 4);
    std::memcpy(out + 3, kThreeDigits.text + 4 * (microseconds - 1000 * thousands), 4);
    return out + 7;
}

// "123#01A2FF"; CAN FD "18FEF100##3<data>" with the flags digit (BRS 1, ESI 2).
[[gnu::always_inline]] inline char* CandumpWriter::putData(char* out, const can::Frame& frame) {
    out = putIdentifier(out, frame);
    *out++ = '#';
    const int dataLength = writtenLength(frame);
    if (dataLength == can::kClassicMaxLength && !frame.isFd) {  // most frames: no loop
        frame_text::putHexEight(out, frame.data);
        return out + 16;
    }
    return putOtherData(out, frame, dataLength);
}

char* CandumpWriter::putOtherData(char* out, const can::Frame& frame, int dataLength) {
    if (!writtenAsFd(frame)) return frame_text::putHexBytes(out, frame.data, dataLength);
    *out++ = '#';
    *out++ = "0123"[(frame.bitRateSwitch ? 1 : 0) + (frame.errorState ? 2 : 0)];
    out = frame_text::putHexBytes(out, frame.data, dataLength);
    // The next length CAN FD carries, the bytes added being zero.
    const auto added = static_cast<size_t>(can::canFdLength(dataLength) - dataLength);
    std::memset(out, '0', 2 * added);
    return out + 2 * added;
}

// "123#R", or "123#R5" with the length asked for, as candump writes it (no digit for 0).
char* CandumpWriter::putRemote(char* out, const can::Frame& frame) {
    if (hasFdFlags(frame)) leftOut_.add(LeftOut::kRemoteFdFlags);
    out = putIdentifier(out, frame);
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
