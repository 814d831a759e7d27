#include "sources/candump/candump_lines.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

#include "sources/candump/candump_text.h"

namespace sources::candump {

namespace {

using namespace text;

// ---- times ----

// Up to eight digits at `p` (8 bytes readable) as one little-endian word: how many digits
// lead, and their value. A digit keeps 3 in its byte's high half after 6 is added; a carry out
// of another byte reaches only the bytes after it.
inline int leadingDigits(const char* p, uint64_t& value) {
    if constexpr (std::endian::native != std::endian::little) return -1;
    uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    constexpr uint64_t kHighHalves = 0xF0F0F0F0F0F0F0F0;
    const uint64_t notDigits =
        ((word & kHighHalves) | (((word + 0x0606060606060606) & kHighHalves) >> 4)) ^
        0x3333333333333333;
    const int digits = notDigits == 0 ? 8 : std::countr_zero(notDigits) / 8;
    if (digits == 0) {
        value = 0;
        return 0;
    }
    // The digits to the high end, zeros before them; then pairs, fours and eight folded.
    word = (word << (8 * (8 - digits))) & 0x0F0F0F0F0F0F0F0F;
    word = word * (10 << 8 | 1) >> 8 & 0x00FF00FF00FF00FF;
    word = word * (100 << 16 | 1) >> 16 & 0x0000FFFF0000FFFF;
    value = word * (10000ull << 32 | 1) >> 32;
    return digits;
}

}  // namespace

bool SecondsSeen::read(const char* digits, uint64_t& seconds) {
    uint64_t head = 0;
    uint16_t tail = 0;
    std::memcpy(&head, digits, sizeof head);
    std::memcpy(&tail, digits + sizeof head, sizeof tail);
    if (head == head_ && tail == tail_) {
        seconds = seconds_;
        return true;
    }
    uint64_t high = 0;
    if (leadingDigits(digits, high) != 8 || !text::isDigit(digits[8]) ||
        !text::isDigit(digits[9])) {
        return false;
    }
    seconds = high * 100 + static_cast<uint64_t>((digits[8] - '0') * 10 + (digits[9] - '0'));
    head_ = head;
    tail_ = tail;
    seconds_ = seconds;
    return true;
}

namespace {

// Whole seconds up to kMaxSeconds (any leading zeros): false when no digit comes or the value
// is larger.
bool readSeconds(Cursor& c, uint64_t& value, int& digits) {
    const char* first = c.p;
    value = 0;
    if (c.end - c.p >= 8) c.p += std::max(leadingDigits(c.p, value), 0);
    bool tooLarge = false;
    for (; c.p != c.end && isDigit(*c.p); ++c.p) {
        value = value * 10 + static_cast<uint64_t>(*c.p - '0');
        tooLarge |= value > kMaxSeconds;  // and stays so: the value only grows
    }
    digits = static_cast<int>(c.p - first);
    return digits > 0 && !tooLarge;
}

// '.' and at least one digit, read as nanoseconds: exact to the ninth digit, the rest dropped.
bool readFraction(Cursor& c, uint32_t& nanoseconds) {
    static constexpr uint32_t kScale[10] = {1000000000, 100000000, 10000000, 1000000, 100000,
                                            10000,      1000,      100,      10,      1};
    if (!c.at('.')) return false;
    const char* first = ++c.p;
    uint64_t value = 0;
    int kept = 0;
    if (c.end - c.p >= 8) {
        kept = std::max(leadingDigits(c.p, value), 0);
        c.p += kept;
    }
    for (; c.p != c.end && isDigit(*c.p); ++c.p) {
        if (kept < 9) {
            value = value * 10 + static_cast<uint64_t>(*c.p - '0');
            ++kept;
        }
    }
    nanoseconds = static_cast<uint32_t>(value) * kScale[kept];
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
        if (!readSeconds(c, time.seconds, time.secondDigits)) return false;
    }
    if (!readFraction(c, time.nanoseconds) || !c.at(')')) return false;
    ++c.p;
    return true;
}

bool isRawDlc(const Cursor& c) {
    return c.end - c.p >= 2 && c.p[0] == '_' && hexOf(c.p[1]) != kNoDigit &&
           hexOf(c.p[1]) > kClassicMax && (c.end - c.p == 2 || isBlank(c.p[2]));
}

// Eight hex digits to four bytes, written only when all eight are hex digits. Little-endian, a
// byte a lane: a digit is 30-39 and a letter, its 20 bit set, 61-66, each seen by the carries
// into bit 7 of two sums; a byte of 80 or more is neither.
inline bool readFourBytes(const char* p, uint8_t* out) {
    if constexpr (std::endian::native == std::endian::little) {
        constexpr uint64_t kLanes = 0x0101010101010101;
        constexpr uint64_t kHigh = 0x80 * kLanes;
        uint64_t word = 0;
        std::memcpy(&word, p, sizeof word);
        const uint64_t low7 = word & ~kHigh;
        const uint64_t folded = low7 | 0x20 * kLanes;
        const uint64_t digit = (low7 + (0x80 - '0') * kLanes) & ~(low7 + (0x80 - '9' - 1) * kLanes);
        const uint64_t letter =
            (folded + (0x80 - 'a') * kLanes) & ~(folded + (0x80 - 'f' - 1) * kLanes);
        if (((digit | letter) & ~word & kHigh) != kHigh) return false;
        // Each digit's value, then the two of a byte side by side, then the four bytes together.
        uint64_t value = (low7 & 0x0F * kLanes) + (letter & kHigh) / 0x80 * 9;
        value = (value & 0x00FF00FF00FF00FF) << 4 | (value >> 8 & 0x00FF00FF00FF00FF);
        value = (value | value >> 8) & 0x0000FFFF0000FFFF;
        const auto four = static_cast<uint32_t>(value | value >> 16);
        std::memcpy(out, &four, sizeof four);
        return true;
    } else {
        const unsigned a = hexOf(p[0]), b = hexOf(p[1]), c = hexOf(p[2]), d = hexOf(p[3]);
        const unsigned e = hexOf(p[4]), f = hexOf(p[5]), g = hexOf(p[6]), h = hexOf(p[7]);
        if ((a | b | c | d | e | f | g | h) > 0x0F) return false;
        out[0] = static_cast<uint8_t>(a << 4 | b);
        out[1] = static_cast<uint8_t>(c << 4 | d);
        out[2] = static_cast<uint8_t>(e << 4 | f);
        out[3] = static_cast<uint8_t>(g << 4 | h);
        return true;
    }
}

// Sixteen hex digits to eight bytes, written only when all sixteen are hex digits: a byte a lane
// of one vector (an SSE2 register on x86-64), each digit's value, then each pair's byte in the
// low half of its 16-bit lane, the eight halves packed together. Where vectors are no help (a
// big-endian machine), two readings of eight.
inline bool readEightBytes(const char* p, uint8_t* out) {
#if defined(__GNUC__)
    if constexpr (std::endian::native == std::endian::little) {
        using Lanes = uint8_t __attribute__((vector_size(16)));
        using Pairs = uint16_t __attribute__((vector_size(16)));
        using Bytes = uint8_t __attribute__((vector_size(8)));
        Lanes text;
        std::memcpy(&text, p, sizeof text);
        const Lanes digit = text - '0';            // 0-9 for a digit
        const Lanes letter = (text | 0x20) - 'a';  // 0-5 for a letter of either case
        const auto isDigit = reinterpret_cast<Lanes>(digit < 10);
        const auto isLetter = reinterpret_cast<Lanes>(letter < 6);
        const Lanes hex = isDigit | isLetter;
        uint64_t halves[2];
        std::memcpy(halves, &hex, sizeof halves);
        if ((halves[0] & halves[1]) != ~uint64_t{0}) return false;
        const Lanes value = (digit & isDigit) | ((letter + 10) & isLetter);
        Pairs pairs;
        std::memcpy(&pairs, &value, sizeof pairs);
        pairs = (pairs << 4 | pairs >> 8) & 0xFF;
        const auto bytes = __builtin_convertvector(pairs, Bytes);
        std::memcpy(out, &bytes, sizeof bytes);
        return true;
    }
#endif
    return readFourBytes(p, out) && readFourBytes(p + 8, out + 4);
}

// Hex pairs up to the next blank, a '.' allowed between them, at most `max` bytes; a classic
// frame of 8 bytes may end in its raw data length code.
bool readLogData(Cursor& c, int max, can::Frame& frame) {
    int count = 0;
    // Four bytes at a time while they come whole: one test of eight digits.
    while (c.end - c.p >= 8 && count + 4 <= max && readFourBytes(c.p, frame.data + count)) {
        count += 4;
        c.p += 8;
    }
    for (;;) {
        if (c.end - c.p >= 2) {
            const uint8_t high = hexOf(c.p[0]);
            const uint8_t low = hexOf(c.p[1]);
            if ((high | low) <= 0x0F) {
                if (count == max) return false;
                frame.data[count++] = static_cast<uint8_t>(high << 4 | low);
                c.p += 2;
                continue;
            }
        }
        if (c.atEnd() || isBlank(*c.p)) break;
        if (*c.p == '.') {
            ++c.p;
        } else if (count == kClassicMax && max == kClassicMax && isRawDlc(c)) {
            c.p += 2;
            break;
        } else {
            return false;  // an odd digit, or no hex digit
        }
    }
    frame.dataLength = count;
    return true;
}

// After 'R': nothing, or the length asked for (0-8), 8 followed by a raw data length code.
bool readLogRemote(Cursor& c, can::Frame& frame) {
    frame.kind = can::FrameKind::kRemote;
    frame.dataLength = 0;
    if (c.atEnd() || isBlank(*c.p)) return true;
    if (*c.p < '0' || *c.p > '8') return false;
    frame.dataLength = *c.p++ - '0';
    if (c.atEnd() || isBlank(*c.p)) return true;
    if (frame.dataLength != kClassicMax || !isRawDlc(c)) return false;
    c.p += 2;
    return true;
}

// After the identifier's '#': data, a remote request or '#', flags and CAN FD data.
bool readLogPayload(Cursor& c, can::Frame& frame) {
    const bool error = frame.kind == can::FrameKind::kError;
    clearData(frame);
    if (c.at('R') || c.at('r')) {
        ++c.p;
        return !error && readLogRemote(c, frame);
    }
    if (c.at('#')) {
        const uint8_t flags = c.end - c.p > 1 ? hexOf(c.p[1]) : kNoDigit;
        if (error || flags == kNoDigit) return false;
        c.p += 2;
        frame.isFd = true;
        frame.bitRateSwitch = (flags & 1) != 0;
        frame.errorState = (flags & 2) != 0;
        return readLogData(c, kFdMax, frame);
    }
    return readLogData(c, kClassicMax, frame);
}

// "45123#81:00:12345678#..." : a CAN XL frame's priority, flags, SDT and acceptance field.
bool isCanXl(const Cursor& c) {
    constexpr std::string_view kShape = "hhhhh#hh:hh:hhhhhhhh#";
    if (static_cast<size_t>(c.end - c.p) < kShape.size()) return false;
    for (size_t i = 0; i < kShape.size(); ++i) {
        if (kShape[i] == 'h' ? hexOf(c.p[i]) == kNoDigit : c.p[i] != kShape[i]) return false;
    }
    return true;
}

// The length of the identifier of a log form frame: 3 or 8 digits before its '#' (5 for CAN
// XL); 0 when the text is no log form frame.
size_t logIdentifierLength(const Cursor& c) {
    const auto left = static_cast<size_t>(c.end - c.p);
    for (const size_t digits : {size_t{3}, size_t{5}, size_t{8}}) {
        if (left > digits && c.p[digits] == '#') return digits;
    }
    return 0;
}

// The frame of the log form, its identifier `digits` long, and the direction after it.
LineKind readLogFrame(Cursor& c, size_t digits, can::Frame& frame, LineResult& result) {
    if (digits == 5) {
        if (!isCanXl(c)) return LineKind::kUnreadable;
        result.skipped = kCanXlFrame;
        return LineKind::kSkipped;
    }
    if (!readIdentifier({c.p, digits}, frame)) return LineKind::kUnreadable;
    c.p += digits + 1;
    if (!readLogPayload(c, frame)) return LineKind::kUnreadable;
    if (c.atEnd()) return LineKind::kFrame;
    if (c.end - c.p == 2 && c.p[0] == ' ' && (c.p[1] == 'R' || c.p[1] == 'T')) {
        frame.transmitted = c.p[1] == 'T';  // the direction as candump -x and python-can write it
        return LineKind::kFrame;
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

// ---- lines ----

bool startsWith(const Cursor& c, std::string_view text) {
    return static_cast<size_t>(c.end - c.p) >= text.size() &&
           std::memcmp(c.p, text.data(), text.size()) == 0;
}

// Lines that are no frame whatever follows; false for the rest.
bool isOtherLine(const Cursor& c, LineResult& result) {
    if (c.atEnd()) {
        result.skipped = kEmptyLine;
    } else if (*c.p == '#' || (*c.p == '/' && startsWith(c, "//"))) {
        result.skipped = kComment;
    } else if (*c.p == 'D' && startsWith(c, "DROPCOUNT:")) {
        result.skipped = kDropNotice;
    } else {
        return false;  // a time, "(...)", as most lines begin, or a frame
    }
    result.kind = LineKind::kSkipped;
    return true;
}

void readPlain(std::string_view line, can::Frame& frame, LineResult& result) {
    result.kind = LineKind::kUnreadable;
    result.form = LineForm::kLog;
    result.skipped = "";
    result.time.form = TimeForm::kNone;
    result.time.seconds = 0;
    result.time.nanoseconds = 0;
    result.time.secondDigits = 0;
    result.interface = {};
    if (!line.empty() && line[0] == '\t') {
        result.kind = LineKind::kExplanation;
        return;
    }
    Cursor c{line.data(), line.data() + line.size()};
    if (!c.at('(')) {  // a time first is the usual line: no other checks
        c.skipBlanks();
        if (isOtherLine(c, result)) return;
    }
    if (c.at('(')) {
        if (!readTime(c, result.time) || c.atEnd() || !isBlank(*c.p)) return;
        c.skipBlanks();
    }
    result.interface = c.token();
    c.skipBlanks();
    if (result.interface.size() > kMaxInterfaceLength || c.atEnd()) return;
    frame.event = 0;
    frame.transmitted = false;
    frame.isFd = false;
    frame.bitRateSwitch = false;
    frame.errorState = false;
    if (const size_t digits = logIdentifierLength(c)) {
        result.kind = readLogFrame(c, digits, frame, result);
    } else {
        result.form = LineForm::kScreen;
        result.kind = readScreenFrame(c, frame, result);
    }
}

// The first blank or line feed at or after `p`, or `end`: eight bytes at a time while eight are
// left, each a lane of a word where a match is a zero byte after an exclusive or (the lowest one
// found exactly, the borrow reaching only the lanes above it).
inline const char* findBlank(const char* p, const char* end) {
    if constexpr (std::endian::native == std::endian::little) {
        constexpr uint64_t kLanes = 0x0101010101010101;
        for (; end - p >= 8; p += 8) {
            uint64_t word = 0;
            std::memcpy(&word, p, sizeof word);
            const uint64_t spaces = word ^ (' ' * kLanes);
            const uint64_t tabs = word ^ ('\t' * kLanes);
            const uint64_t feeds = word ^ ('\n' * kLanes);
            const uint64_t zeros = (((spaces - kLanes) & ~spaces) | ((tabs - kLanes) & ~tabs) |
                                    ((feeds - kLanes) & ~feeds)) &
                                   (0x80 * kLanes);
            if (zeros != 0) return p + std::countr_zero(zeros) / 8;
        }
    }
    while (p != end && !isBlank(*p) && *p != '\n') ++p;
    return p;
}

// "(1714566896.000250) can0 123#01A2FF" with ten digits of seconds and six of fraction, a
// classic data frame and at most " R" or " T" behind it: the line of candump -L and of
// python-can, nearly every line of most logs, read in one pass. Any other form, or anything
// this reading is unsure of, gives nullptr (its data bytes may be written), and readPlain
// decides: the two readings agree on every line this one takes. kInBlock: the line starts at
// `p` and ends at the first LF, found by this reading before `end` (a CR before it is no part of
// the line), and the result is the byte after that LF; else the line is [p, end), the result
// `end`. Never reads at or past `end`.
template <bool kInBlock>
const char* readPlainLogLine(const char* const p, const char* const end, can::Frame& frame,
                             LineResult& result, SecondsSeen& seen) {
    constexpr ptrdiff_t kShortest = 26;  // the time, one-letter name, "123#", and room to look
    uint64_t seconds = 0;
    uint64_t fraction = 0;
    if (end - p < kShortest || p[0] != '(' || p[11] != '.' || p[18] != ')' || p[19] != ' ' ||
        !seen.read(p + 1, seconds) || leadingDigits(p + 12, fraction) != 6) {
        return nullptr;
    }
    const char* const name = p + 20;
    // A name longer than any is not looked through; in a block, nor is the next line.
    const auto longest = static_cast<ptrdiff_t>(kMaxInterfaceLength) + 1;
    const char* at = findBlank(name, end - name > longest ? name + longest : end);
    const auto nameLength = static_cast<size_t>(at - name);
    if (nameLength == 0 || nameLength > kMaxInterfaceLength || end - at < 2 || *at != ' ' ||
        isBlank(at[1])) {
        return nullptr;
    }
    const char* const id = at + 1;
    const ptrdiff_t left = end - id;
    size_t digits = 0;
    if (left > 3 && id[3] == '#') {
        digits = 3;
    } else if (left > 8 && !(left > 5 && id[5] == '#') && id[8] == '#') {
        digits = 8;
    } else {
        return nullptr;
    }
    uint32_t value = 0;
    if (!readHexDigits({id, digits}, value) ||
        (digits == 3 ? value > kStandardMax : (value & (kOutsideError | kErrorFlag)) != 0)) {
        return nullptr;
    }
    at = id + digits + 1;
    // The data straight into the frame, which holds anything when the line is not taken.
    clearData(frame);
    int count = 0;
    if (end - at >= 16 && readEightBytes(at, frame.data)) {  // most frames: eight bytes at once
        count = kClassicMax;
        at += 16;
    }
    while (end - at >= 8 && count + 4 <= kClassicMax && readFourBytes(at, frame.data + count)) {
        count += 4;
        at += 8;
    }
    for (; end - at >= 2; at += 2) {
        const uint8_t highNibble = hexOf(at[0]);
        const uint8_t lowNibble = hexOf(at[1]);
        if ((highNibble | lowNibble) > 0x0F) break;
        if (count == kClassicMax) return nullptr;
        frame.data[count++] = static_cast<uint8_t>(highNibble << 4 | lowNibble);
    }
    bool transmitted = false;
    if (end - at >= 2 && at[0] == ' ' && (at[1] == 'R' || at[1] == 'T')) {
        transmitted = at[1] == 'T';
        at += 2;
    }
    if constexpr (kInBlock) {
        // The line feed, a CR before it being no part of the line (LineInput's lines).
        if (end - at >= 2 && at[0] == '\r' && at[1] == '\n') ++at;
        if (at == end || *at != '\n') return nullptr;
        ++at;
    } else if (at != end) {
        return nullptr;
    }
    result.kind = LineKind::kFrame;
    result.form = LineForm::kLog;
    result.skipped = "";
    result.time.form = TimeForm::kSeconds;
    result.time.seconds = seconds;
    result.time.nanoseconds = static_cast<uint32_t>(fraction) * 1000;
    result.time.secondDigits = 10;
    result.interface = {name, nameLength};
    frame.event = 0;
    frame.transmitted = transmitted;
    frame.isFd = false;
    frame.bitRateSwitch = false;
    frame.errorState = false;
    frame.kind = can::FrameKind::kData;
    frame.isExtended = digits == 8;
    frame.canId = value;
    frame.dataLength = count;
    return at;
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

const LineResult& LineReader::read(std::string_view line, can::Frame& frame) {
    if (readPlainLogLine<false>(line.data(), line.data() + line.size(), frame, result_, seen_)) {
        return result_;
    }
    return readByGrammar(line, frame);
}

size_t LineReader::readPlainLine(std::string_view bytes, can::Frame& frame) {
    const char* const taken =
        readPlainLogLine<true>(bytes.data(), bytes.data() + bytes.size(), frame, result_, seen_);
    return taken != nullptr ? static_cast<size_t>(taken - bytes.data()) : 0;
}

const LineResult& LineReader::readByGrammar(std::string_view line, can::Frame& frame) {
    readPlain(line, frame, result_);
    if (result_.kind == LineKind::kUnreadable && line.find('\x1b') != std::string_view::npos) {
        removeColours(line, uncoloured_);
        readPlain(uncoloured_, frame, result_);
    }
    return result_;
}

}  // namespace sources::candump
