// The screen forms candump prints, read after the interface name (grammar: candump_lines.h).
#include <algorithm>
#include <cstring>

#include "sources/candump/candump_text.h"

namespace sources::candump::text {

namespace {

// candump -x: "RX" or "TX", then B or - (bit rate switch) and E or - (error state).
bool readExtraInfo(Cursor& c, can::Frame& frame, bool& brs, bool& esi) {
    if (c.end - c.p < 7 || c.p[1] != 'X' || (c.p[0] != 'R' && c.p[0] != 'T') || !isBlank(c.p[2])) {
        return true;  // no extra information
    }
    frame.transmitted = c.p[0] == 'T';
    c.p += 2;
    c.skipBlanks();
    const std::string_view bitRate = c.token();
    c.skipBlanks();
    const std::string_view errorState = c.token();
    brs = bitRate == "B";
    esi = errorState == "E";
    c.skipBlanks();
    return (brs || bitRate == "-") && (esi || errorState == "-");
}

// "[8]" classic, "[12]" CAN FD, "{B}" a classic frame's raw data length code (candump -8).
bool readLength(std::string_view text, int& count, bool& fd) {
    if (text.size() == 3 && text[0] == '{' && text[2] == '}') {
        const uint8_t code = hexOf(text[1]);
        fd = false;
        count = std::min<int>(code, kClassicMax);
        return code != kNoDigit;
    }
    if (text.size() < 3 || text.size() > 4 || text.front() != '[' || text.back() != ']') {
        return false;
    }
    count = 0;
    for (size_t i = 1; i + 1 < text.size(); ++i) {
        if (!isDigit(text[i])) return false;
        count = count * 10 + (text[i] - '0');
    }
    fd = text.size() == 4;
    return count <= (fd ? kFdMax : kClassicMax);
}

bool isCanXlLength(std::string_view text) {
    return text.size() == 6 && text.front() == '[' && text.back() == ']' &&
           std::all_of(text.begin() + 1, text.end() - 1, isDigit);
}

bool readScreenByte(std::string_view item, uint8_t& byte) {
    if (item.size() == 2) {
        const uint8_t high = hexOf(item[0]);
        const uint8_t low = hexOf(item[1]);
        byte = static_cast<uint8_t>(high << 4 | low);
        return (high | low) <= 0x0F;
    }
    if (item.size() != 8) return false;
    unsigned value = 0;
    for (const char bit : item) {
        if (bit != '0' && bit != '1') return false;
        value = value << 1 | static_cast<unsigned>(bit - '0');
    }
    byte = static_cast<uint8_t>(value);
    return true;
}

// `count` bytes, each after blanks or (candump -S, the last byte printed first) a '`'.
bool readScreenBytes(Cursor& c, int count, can::Frame& frame) {
    bool swapped = false;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && c.at('`')) {
            swapped = true;
            ++c.p;
        } else {
            if (c.atEnd() || !isBlank(*c.p)) return false;
            c.skipBlanks();
        }
        const char* start = c.p;
        while (c.p != c.end && !isBlank(*c.p) && *c.p != '`') ++c.p;
        if (!readScreenByte({start, static_cast<size_t>(c.p - start)}, frame.data[i])) {
            return false;
        }
    }
    if (swapped) std::reverse(frame.data, frame.data + count);
    frame.dataLength = count;
    std::memset(frame.data + count, 0, static_cast<size_t>(kFdMax - count));
    return true;
}

// What may follow the bytes: nothing, ERRORFRAME after an error frame's, or the -a column of
// exactly one character a byte between quotes.
bool isScreenTrailer(std::string_view rest, const can::Frame& frame) {
    if (rest.empty()) return true;
    if (frame.kind == can::FrameKind::kError) return rest == kErrorFrameMark;
    const char quote = rest.front();
    return (quote == '\'' || quote == '`') &&
           rest.size() == static_cast<size_t>(frame.dataLength) + 2 && rest.back() == quote;
}

}  // namespace

LineKind readScreenFrame(Cursor& c, can::Frame& frame, LineResult& result) {
    bool brs = false;
    bool esi = false;
    if (!readExtraInfo(c, frame, brs, esi)) return LineKind::kUnreadable;
    const std::string_view id = c.token();
    c.skipBlanks();
    const std::string_view length = c.token();
    if (isCanXlLength(length)) {
        result.skipped = kCanXlFrame;
        return LineKind::kSkipped;
    }
    int count = 0;
    if (!readIdentifier(id, frame) || !readLength(length, count, frame.isFd)) {
        return LineKind::kUnreadable;
    }
    frame.bitRateSwitch = frame.isFd && brs;
    frame.errorState = frame.isFd && esi;
    Cursor after = c;
    after.skipBlanks();
    if (!frame.isFd && frame.kind == can::FrameKind::kData && after.rest() == kRemoteRequest) {
        frame.kind = can::FrameKind::kRemote;
        frame.dataLength = count;
        std::memset(frame.data, 0, sizeof frame.data);
        return LineKind::kFrame;
    }
    if (!readScreenBytes(c, count, frame)) return LineKind::kUnreadable;
    c.skipBlanks();
    return isScreenTrailer(c.rest(), frame) ? LineKind::kFrame : LineKind::kUnreadable;
}

}  // namespace sources::candump::text
