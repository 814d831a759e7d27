#include "canlog/candump_writer.h"

#include <cstring>

#include "can/fd_lengths.h"
#include "canlog/frame_text.h"

namespace canlog {

namespace {
constexpr uint64_t kNanosecondsPerSecond = 1000000000;
constexpr size_t kMaxNameLength = 15;
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
    const std::string& name = names_[frame.channel == 1 ? 1 : 0];
    std::memcpy(out, name.data(), name.size());
    out += name.size();
    out = frame_text::putHex(out, frame.canId, frame.isExtended ? 8 : 3);
    *out++ = '#';
    int length = frame.dataLength;
    if (length > can::kClassicMaxLength) {
        length = can::canFdLength(length);
        *out++ = '#';
        *out++ = '0';  // flags: no bit rate switch, no error state
    }
    for (int i = 0; i < length; ++i) {
        out = frame_text::putHexByte(out, i < frame.dataLength ? frame.data[i] : uint8_t{0});
    }
    *out++ = '\n';
    output_.advance(static_cast<size_t>(out - start));
}

}  // namespace canlog
