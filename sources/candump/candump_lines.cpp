#include "sources/candump/candump_lines.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace sources::candump {

namespace {

constexpr uint8_t kNoDigit = 0xFF;
constexpr uint32_t kErrorFlag = 0x20000000;     // an error frame's 8-digit identifier
constexpr uint32_t kOutsideError = 0xC0000000;  // flags no log writes into an identifier
constexpr uint32_t kExtendedMask = 0x1FFFFFFF;
constexpr uint32_t kStandardMax = 0x7FF;
constexpr int kClassicMax = 8;
constexpr int kFdMax = can::kMaxDataLength;
constexpr std::string_view kRemoteRequest = "remote request";
constexpr std::string_view kErrorFrameMark = "ERRORFRAME";

constexpr std::array<uint8_t, 256> kHexValue = [] {
    std::array<uint8_t, 256> table{};
    table.fill(kNoDigit);
    for (int c = '0'; c <= '9'; ++c) table[static_cast<size_t>(c)] = static_cast<uint8_t>(c - '0');
    for (int c = 'A'; c <= 'F'; ++c) table[static_cast<size_t>(c)] = static_cast<uint8_t>(c - 55);
    for (int c = 'a'; c <= 'f'; ++c) table[static_cast<size_t>(c)] = static_cast<uint8_t>(c - 87);
    return table;
}();

inline uint8_t hexOf(char c) { return kHexValue[static_cast<unsigned char>(c)]; }
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A read position in a line, never past its end.
struct Cursor {
    const char* p;
    const char* end;

    bool atEnd() const { return p == end; }
    bool at(char c) const { return p != end && *p == c; }
    void skipBlanks() {
        while (p != end && isBlank(*p)) ++p;
    }
    // The text up to the next blank (or the end), consumed.
    std::string_view token() {
        const char* start = p;
        while (p != end && !isBlank(*p)) ++p;
        return {start, static_cast<size_t>(p - start)};
    }
    // The rest of the line without its trailing blanks.
    std::string_view rest() const {
        const char* last = end;
        while (last != p && isBlank(last[-1])) --last;
        return {p, static_cast<size_t>(last - p)};
    }
};

// ---- times ----

// Whole digits up to `limit`: false when none come or the value passes the limit.
bool readNumber(Cursor& c, uint64_t limit, uint64_t& value, int& digits) {
    value = 0;
    digits = 0;
    while (c.p != c.end && isDigit(*c.p)) {
        value = value * 10 + static_cast<uint64_t>(*c.p - '0');
        if (value > limit) return false;
        ++c.p;
        ++digits;
    }
    return digits > 0;
}

// '.' and at least one digit, read as nanoseconds: exact to the ninth digit, the rest dropped.
bool readFraction(Cursor& c, uint32_t& nanoseconds) {
    static constexpr uint32_t kScale[10] = {1000000000, 100000000, 10000000, 1000000, 100000,
                                            10000,      1000,      100,      10,      1};
    if (!c.at('.')) return false;
    ++c.p;
    const char* first = c.p;
    uint32_t value = 0;
    int kept = 0;
    for (; c.p != c.end && isDigit(*c.p); ++c.p) {
        if (kept < 9) {
            value = value * 10 + static_cast<uint32_t>(*c.p - '0');
            ++kept;
        }
    }
    nanoseconds = value * kScale[kept];
    return c.p != first;
}

// Exactly `count` digits.
bool readFixed(Cursor& c, int count, int& value) {
    if (c.end - c.p < count) return false;
    value = 0;
    for (int i = 0; i < count; ++i, ++c.p) {
        if (!isDigit(*c.p)) return false;
        value = value * 10 + (*c.p - '0');
    }
    return true;
}

bool readSeparated(Cursor& c, char separator, int count, int& value) {
    if (!c.at(separator)) return false;
    ++c.p;
    return readFixed(c, count, value);
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// "2024-05-01 12:34:56" (candump -t A), a real date and time of day.
bool readDate(Cursor& c, platform::CivilTime& civil) {
    if (!readFixed(c, 4, civil.year) || !readSeparated(c, '-', 2, civil.month) ||
        !readSeparated(c, '-', 2, civil.day) || !readSeparated(c, ' ', 2, civil.hour) ||
        !readSeparated(c, ':', 2, civil.minute) || !readSeparated(c, ':', 2, civil.second)) {
        return false;
    }
    return civil.month >= 1 && civil.month <= 12 && civil.day >= 1 &&
           civil.day <= daysInMonth(civil.year, civil.month) && civil.hour <= 23 &&
           civil.minute <= 59 && civil.second <= 60;
}

// "(seconds.fraction)" or "(date time.fraction)", the cursor at '('.
bool readTime(Cursor& c, LineTime& time) {
    ++c.p;
    if (c.end - c.p > 4 && c.p[4] == '-') {
        time.form = TimeForm::kDate;
        if (!readDate(c, time.civil)) return false;
    } else {
        time.form = TimeForm::kSeconds;
        if (!readNumber(c, kMaxSeconds, time.seconds, time.secondDigits)) return false;
    }
    if (!readFraction(c, time.nanoseconds) || !c.at(')')) return false;
    ++c.p;
    return true;
}

// ---- frames ----

bool readHexDigits(std::string_view digits, uint32_t& value) {
    value = 0;
    for (const char c : digits) {
        const uint8_t nibble = hexOf(c);
        if (nibble == kNoDigit) return false;
        value = value << 4 | nibble;
    }
    return true;
}

// 3 digits: a standard identifier; 8: an extended one, or an error frame's class bits.
bool readIdentifier(std::string_view digits, can::Frame& frame) {
    uint32_t value = 0;
    if ((digits.size() != 3 && digits.size() != 8) || !readHexDigits(digits, value)) return false;
    frame.kind = can::FrameKind::kData;
    frame.isExtended = digits.size() == 8;
    if (!frame.isExtended) {
        frame.canId = value;
        return value <= kStandardMax;
    }
    if ((value & kOutsideError) != 0) return false;
    if ((value & kErrorFlag) != 0) {
        frame.kind = can::FrameKind::kError;
        frame.isExtended = false;
    }
    frame.canId = value & kExtendedMask;
    return true;
}

// A classic frame's raw data length code after its 8 bytes: "_9" to "_F" (candump -8).
bool isRawDlc(std::string_view text) {
    return text.size() == 2 && text[0] == '_' && hexOf(text[1]) != kNoDigit &&
           hexOf(text[1]) > kClassicMax;
}

// Hex pairs, a '.' allowed between them, at most `max` bytes; a classic frame of 8 bytes may
// end in its raw data length code.
bool readLogData(std::string_view text, int max, can::Frame& frame) {
    int count = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '.') {
            ++i;
            continue;
        }
        if (text[i] == '_' && count == kClassicMax && max == kClassicMax) {
            if (!isRawDlc(text.substr(i))) return false;
            break;
        }
        if (i + 1 == text.size() || count == max) return false;
        const uint8_t high = hexOf(text[i]);
        const uint8_t low = hexOf(text[i + 1]);
        if ((high | low) > 0x0F) return false;  // either is no hex digit
        frame.data[count++] = static_cast<uint8_t>(high << 4 | low);
        i += 2;
    }
    frame.dataLength = count;
    std::memset(frame.data + count, 0, static_cast<size_t>(kFdMax - count));
    return true;
}

// After 'R': nothing, or the length asked for (0-8), 8 followed by a raw data length code.
bool readLogRemote(std::string_view text, can::Frame& frame) {
    frame.kind = can::FrameKind::kRemote;
    frame.dataLength = 0;
    std::memset(frame.data, 0, sizeof frame.data);
    if (text.empty()) return true;
    if (text[0] < '0' || text[0] > '8') return false;
    frame.dataLength = text[0] - '0';
    return text.size() == 1 || (frame.dataLength == kClassicMax && isRawDlc(text.substr(1)));
}

bool readLogPayload(std::string_view payload, can::Frame& frame) {
    const bool error = frame.kind == can::FrameKind::kError;
    if (!payload.empty() && (payload[0] == 'R' || payload[0] == 'r')) {
        return !error && readLogRemote(payload.substr(1), frame);
    }
    if (!payload.empty() && payload[0] == '#') {
        const uint8_t flags = payload.size() > 1 ? hexOf(payload[1]) : kNoDigit;
        if (error || flags == kNoDigit) return false;
        frame.isFd = true;
        frame.bitRateSwitch = (flags & 1) != 0;
        frame.errorState = (flags & 2) != 0;
        return readLogData(payload.substr(2), kFdMax, frame);
    }
    return readLogData(payload, kClassicMax, frame);
}

// "45123#81:00:12345678#..." : a CAN XL frame's priority, flags, SDT and acceptance field.
bool isCanXl(std::string_view token) {
    constexpr std::string_view kShape = "hhhhh#hh:hh:hhhhhhhh#";
    if (token.size() < kShape.size()) return false;
    for (size_t i = 0; i < kShape.size(); ++i) {
        if (kShape[i] == 'h' ? hexOf(token[i]) == kNoDigit : token[i] != kShape[i]) return false;
    }
    return true;
}

// The frame token of the log form and the direction after it.
LineKind readLogFrame(Cursor& c, can::Frame& frame, LineResult& result) {
    const std::string_view token = c.token();
    const size_t hash = token.find('#');
    if (hash == std::string_view::npos) return LineKind::kUnreadable;
    if (hash == 5 && isCanXl(token)) {
        result.skipped = kCanXlFrame;
        return LineKind::kSkipped;
    }
    if (!readIdentifier(token.substr(0, hash), frame) ||
        !readLogPayload(token.substr(hash + 1), frame)) {
        return LineKind::kUnreadable;
    }
    c.skipBlanks();
    if (!c.atEnd()) {
        const std::string_view direction = c.token();
        if (direction.size() != 1) return LineKind::kUnreadable;
        const char mark = static_cast<char>(direction[0] & ~0x20);  // upper case
        if (mark != 'R' && mark != 'T') return LineKind::kUnreadable;
        frame.transmitted = mark == 'T';
        c.skipBlanks();
    }
    return c.atEnd() ? LineKind::kFrame : LineKind::kUnreadable;
}

// ---- screen form ----

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

// ---- lines ----

bool startsWith(const Cursor& c, std::string_view text) {
    return static_cast<size_t>(c.end - c.p) >= text.size() &&
           std::memcmp(c.p, text.data(), text.size()) == 0;
}

// Lines that are no frame whatever follows; false for the rest.
bool isOtherLine(const Cursor& c, LineResult& result) {
    if (c.atEnd()) {
        result.skipped = kEmptyLine;
    } else if (*c.p == '#' || startsWith(c, "//")) {
        result.skipped = kComment;
    } else if (startsWith(c, "DROPCOUNT:")) {
        result.skipped = kDropNotice;
    } else {
        return false;
    }
    result.kind = LineKind::kSkipped;
    return true;
}

LineResult readPlain(std::string_view line, can::Frame& frame) {
    LineResult result;
    if (!line.empty() && line[0] == '\t') {
        result.kind = LineKind::kExplanation;
        return result;
    }
    Cursor c{line.data(), line.data() + line.size()};
    c.skipBlanks();
    if (isOtherLine(c, result)) return result;
    if (c.at('(')) {
        if (!readTime(c, result.time) || c.atEnd() || !isBlank(*c.p)) return result;
        c.skipBlanks();
    }
    result.interface = c.token();
    c.skipBlanks();
    if (result.interface.size() > kMaxInterfaceLength || c.atEnd()) return result;
    frame.event = 0;
    frame.transmitted = false;
    frame.isFd = false;
    frame.bitRateSwitch = false;
    frame.errorState = false;
    Cursor probe = c;
    if (probe.token().find('#') != std::string_view::npos) {
        result.kind = readLogFrame(c, frame, result);
    } else {
        result.form = LineForm::kScreen;
        result.kind = readScreenFrame(c, frame, result);
    }
    return result;
}

// A copy of the line without ESC '[' ... final-letter sequences.
void removeColours(std::string_view line, std::string& out) {
    out.clear();
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\x1b' || i + 1 == line.size() || line[i + 1] != '[') {
            out.push_back(line[i]);
            continue;
        }
        i += 2;
        while (i < line.size() && !(line[i] >= '@' && line[i] <= '~')) ++i;
    }
}

}  // namespace

LineResult LineReader::read(std::string_view line, can::Frame& frame) {
    LineResult result = readPlain(line, frame);
    if (result.kind == LineKind::kUnreadable && line.find('\x1b') != std::string_view::npos) {
        removeColours(line, uncoloured_);
        result = readPlain(uncoloured_, frame);
    }
    return result;
}

}  // namespace sources::candump
