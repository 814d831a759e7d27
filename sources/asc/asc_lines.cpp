#include "sources/asc/asc_lines.h"

#include <cstring>

namespace sources::asc {

namespace {

constexpr uint32_t kLargestChannel = 65535;
constexpr uint32_t kLargestStandardId = 0x7FF;
constexpr uint32_t kLargestExtendedId = 0x1FFFFFFF;
constexpr int kClassicMaxLength = 8;
// Bits of a CANFD line's flags word (as in Vector's binary log).
constexpr uint32_t kFlagRemote = 0x10;
constexpr uint32_t kFlagExtendedDataLength = 0x1000;

bool allDigits(std::string_view word) {
    if (word.empty()) return false;
    for (const char c : word) {
        if (!isDigit(c)) return false;
    }
    return true;
}

// A blank frame; field by field, since a whole-object clear compiles to a slow string store.
void clearFrame(can::Frame& frame) {
    frame.canId = 0;
    frame.channel = 0;
    frame.dataLength = 0;
    frame.kind = can::FrameKind::kData;
    frame.isExtended = false;
    frame.isFd = false;
    frame.bitRateSwitch = false;
    frame.errorState = false;
    frame.transmitted = false;
    frame.event = 0;
    std::memset(frame.data, 0, sizeof frame.data);
}

bool startsWith(std::string_view text, std::string_view head) {
    return text.substr(0, head.size()) == head;
}

// [-]<seconds>[.<fraction>]: up to 10 digits of seconds, the fraction exact to the nanosecond
// (digits past the ninth are dropped).
bool parseTime(std::string_view word, AscLine& line) {
    line.negative = !word.empty() && word.front() == '-';
    if (line.negative) word.remove_prefix(1);
    const size_t point = word.find('.');
    const std::string_view whole = word.substr(0, point);
    uint64_t seconds = 0;
    if (whole.size() > 10 || !parseDecimal(whole, UINT64_MAX, seconds)) return false;
    uint64_t nanoseconds = 0;
    if (point != std::string_view::npos) {
        const std::string_view fraction = word.substr(point + 1);
        if (fraction.empty()) return false;
        static constexpr uint64_t kScale[10] = {1000000000, 100000000, 10000000, 1000000, 100000,
                                                10000,      1000,      100,      10,      1};
        size_t digits = 0;
        for (const char c : fraction) {
            if (!isDigit(c)) return false;
            if (digits < 9) nanoseconds = nanoseconds * 10 + static_cast<uint64_t>(c - '0');
            ++digits;
        }
        nanoseconds *= kScale[digits < 9 ? digits : 9];
    }
    line.time = seconds * 1000000000 + nanoseconds;
    line.hasTime = true;
    return true;
}

// The log's channels count from 1; the frame's from 0.
bool parseChannel(std::string_view word, int32_t& channel) {
    uint64_t number = 0;
    if (word.size() > 5 || !parseDecimal(word, kLargestChannel, number) || number == 0) {
        return false;
    }
    channel = static_cast<int32_t>(number - 1);
    return true;
}

bool parseDirection(std::string_view word, bool& transmitted) {
    if (equalsIgnoringCase(word, "rx")) {
        transmitted = false;
        return true;
    }
    if (equalsIgnoringCase(word, "tx")) {
        transmitted = true;
        return true;
    }
    return false;
}

// <id>[x]: an `x` marks a 29-bit identifier.
bool parseIdentifier(std::string_view word, Base base, can::Frame& frame) {
    const bool extended = !word.empty() && (word.back() == 'x' || word.back() == 'X');
    if (extended) word.remove_suffix(1);
    uint32_t id = 0;
    if (!parseInBase(word, base, extended ? kLargestExtendedId : kLargestStandardId, id)) {
        return false;
    }
    frame.canId = id;
    frame.isExtended = extended;
    return true;
}

// The decimal identifier of a classic line's tail, "ID = 291" or "ID = 418119424x".
bool readTailIdentifier(Words words, can::Frame& frame) {
    for (std::string_view word = words.next(); !word.empty(); word = words.next()) {
        if (word != "ID") continue;
        if (words.next() != "=") return false;
        return parseIdentifier(words.next(), Base::kDecimal, frame);
    }
    return false;
}

bool readBytes(Words& words, Base base, int count, can::Frame& frame) {
    for (int i = 0; i < count; ++i) {
        if (!parseDataByte(words.next(), base, frame.data[i])) return false;
    }
    frame.dataLength = count;
    return true;
}

// "<id> Rx|Tx d <dlc> <bytes...> [tail]" or "<id> Rx|Tx r [<dlc>] [tail]", after the time,
// channel and direction. A DLC of 9-15 stands for 8 bytes.
LineKind readClassic(Words& words, std::string_view idWord, Base base, can::Frame& frame) {
    const std::string_view type = words.next();
    uint32_t dlc = 0;
    if (type == "d" || type == "D") {
        if (!parseInBase(words.next(), base, 15, dlc)) return LineKind::kUnreadable;
        const int length = dlc > kClassicMaxLength ? kClassicMaxLength : static_cast<int>(dlc);
        uint8_t extra = 0;
        if (!readBytes(words, base, length, frame) || parseDataByte(words.peek(), base, extra)) {
            return LineKind::kUnreadable;  // fewer or more bytes than the length says
        }
    } else if (type == "r" || type == "R") {
        frame.kind = can::FrameKind::kRemote;
        if (parseInBase(words.peek(), base, 15, dlc)) {
            words.next();
            frame.dataLength = dlc > kClassicMaxLength ? kClassicMaxLength : static_cast<int>(dlc);
        }
    } else {
        return LineKind::kUnreadable;
    }
    // A symbolic name in place of the identifier: the tail's decimal ID says which it is.
    if (!parseIdentifier(idWord, base, frame) && !readTailIdentifier(words, frame)) {
        return LineKind::kUnreadable;
    }
    return LineKind::kFrame;
}

int fdLengthOfDlc(uint32_t dlc) {
    static constexpr int kLengths[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 16, 20, 24, 32, 48, 64};
    return kLengths[dlc & 15];
}

// The fields behind a CANFD line's data: <duration> <bit count> <flags> ...; the flags say
// whether the frame is a CAN FD one and whether it is a remote request.
LineKind settleFdFrame(Words& words, uint32_t dlc, bool brs, bool esi, can::Frame& frame) {
    uint32_t flags = kFlagExtendedDataLength;  // no fields: the line's own word, CANFD
    const std::string_view duration = words.next();
    if (!duration.empty()) {
        uint64_t ignored = 0;
        if (!parseDecimal(duration, UINT64_MAX, ignored) ||
            !parseDecimal(words.next(), UINT64_MAX, ignored) ||
            !parseHex(words.next(), UINT32_MAX, flags)) {
            return LineKind::kUnreadable;
        }
    }
    const int classicLength = dlc > kClassicMaxLength ? kClassicMaxLength : static_cast<int>(dlc);
    if ((flags & kFlagExtendedDataLength) != 0) {
        if (frame.dataLength != fdLengthOfDlc(dlc)) return LineKind::kUnreadable;
        frame.isFd = true;
        frame.bitRateSwitch = brs;
        frame.errorState = esi;
    } else if ((flags & kFlagRemote) != 0) {
        // A classic remote request: no data, the DLC is the length asked for.
        if (frame.dataLength != 0) return LineKind::kUnreadable;
        frame.kind = can::FrameKind::kRemote;
        frame.dataLength = classicLength;
    } else if (frame.dataLength != classicLength) {
        return LineKind::kUnreadable;
    }
    return LineKind::kFrame;
}

bool readFlag(std::string_view word, bool& flag) {
    if (word != "0" && word != "1") return false;
    flag = word == "1";
    return true;
}

// After "<time> CANFD": <channel> Rx|Tx <id> [<name>] <brs> <esi> <dlc> <length> <bytes...> ...
LineKind readCanFd(Words& words, Base base, can::Frame& frame, AscLine& line) {
    if (!parseChannel(words.next(), frame.channel)) return LineKind::kUnreadable;
    const std::string_view direction = words.next();
    if (direction == "TxRq") {
        line.skipped = Skip::kTransmitRequest;
        return LineKind::kSkipped;
    }
    if (!parseDirection(direction, frame.transmitted)) return LineKind::kUnreadable;
    const std::string_view idWord = words.next();
    if (idWord == "ErrorFrame") {
        frame.kind = can::FrameKind::kError;
        return LineKind::kFrame;
    }
    if (!parseIdentifier(idWord, base, frame)) return LineKind::kUnreadable;
    std::string_view word = words.next();
    if (word != "0" && word != "1") word = words.next();  // a symbolic name before BRS
    bool brs = false;
    bool esi = false;
    uint32_t dlc = 0;
    uint64_t length = 0;
    if (!readFlag(word, brs) || !readFlag(words.next(), esi) ||
        !parseInBase(words.next(), base, 15, dlc) ||
        !parseDecimal(words.next(), can::kMaxDataLength, length) ||
        !readBytes(words, base, static_cast<int>(length), frame)) {
        return LineKind::kUnreadable;
    }
    return settleFdFrame(words, dlc, brs, esi, frame);
}

// The kind of a time-led line that is no CAN frame, by its first word after the time.
Skip eventKind(std::string_view first) {
    if (first == "CANXL") return Skip::kCanXl;
    if (first == "CAN") return Skip::kControllerStatus;  // "CAN 1 Status:chip status ..."
    if (first == "Start") return Skip::kStartOfMeasurement;
    if (first == "SV:") return Skip::kSystemVariable;
    if (first == "log") return Skip::kLogTrigger;
    if (first == "Li" || (first.size() > 1 && first[0] == 'L' && allDigits(first.substr(1)))) {
        return Skip::kLin;
    }
    if (first == "Fr" || first == "FR" ||
        (first.size() > 1 && first[0] == 'F' && allDigits(first.substr(1)))) {
        return Skip::kFlexRay;
    }
    if (equalsIgnoringCase(first, "eth")) return Skip::kEthernet;
    if (first.size() >= 4 && equalsIgnoringCase(first.substr(0, 4), "most")) return Skip::kMost;
    if (startsWith(first, "GPS")) return Skip::kGps;
    return Skip::kOtherEvent;
}

// After "<time> <channel>": a classic frame, an error frame or an event of the channel.
void readChannelLine(std::string_view channel, Words& words, Base base, can::Frame& frame,
                     AscLine& line) {
    const std::string_view second = words.next();
    line.kind = LineKind::kSkipped;
    if (second == "Statistic:") {
        line.skipped = Skip::kStatistics;
    } else if (second == "OverloadFrame") {
        line.skipped = Skip::kOverloadFrame;
    } else if (second == "J1939TP") {
        line.skipped = Skip::kJ1939;
    } else if (second == "ErrorFrame") {
        clearFrame(frame);
        frame.kind = can::FrameKind::kError;
        line.kind = parseChannel(channel, frame.channel) ? LineKind::kFrame : LineKind::kUnreadable;
    } else {
        const std::string_view third = words.next();
        clearFrame(frame);
        if (third == "TxRq") {
            line.skipped = Skip::kTransmitRequest;
        } else if (!parseDirection(third, frame.transmitted)) {
            line.skipped = Skip::kOtherEvent;  // signal values, environment variables, ...
        } else if (!parseChannel(channel, frame.channel)) {
            line.kind = LineKind::kUnreadable;
        } else {
            line.kind = readClassic(words, second, base, frame);
        }
    }
}

void readTimedLine(std::string_view first, Words& words, Base base, can::Frame& frame,
                   AscLine& line) {
    parseTime(first, line);
    const std::string_view second = words.next();
    if (second == "CANFD") {
        clearFrame(frame);
        line.kind = readCanFd(words, base, frame, line);
    } else if (allDigits(second)) {
        readChannelLine(second, words, base, frame, line);
    } else {
        line.kind = LineKind::kSkipped;
        line.skipped = eventKind(second);
    }
    // A frame without a readable time cannot be placed.
    if (line.kind == LineKind::kFrame && !line.hasTime) line.kind = LineKind::kUnreadable;
}

// "base hex  timestamps absolute", "base dec", "base hex timestamps relative".
bool readBaseLine(Words& words, AscLine& line) {
    const std::string_view base = words.next();
    if (equalsIgnoringCase(base, "hex")) {
        line.base = Base::kHex;
    } else if (equalsIgnoringCase(base, "dec")) {
        line.base = Base::kDecimal;
    } else {
        return false;
    }
    const std::string_view keyword = words.next();
    if (keyword.empty()) return true;
    const std::string_view mode = words.next();
    line.relative = equalsIgnoringCase(mode, "relative");
    return equalsIgnoringCase(keyword, "timestamps") &&
           (line.relative || equalsIgnoringCase(mode, "absolute"));
}

bool isInternalEventsLine(std::string_view first, Words words) {
    if (equalsIgnoringCase(first, "no")) first = words.next();
    return equalsIgnoringCase(first, "internal") && equalsIgnoringCase(words.next(), "events") &&
           equalsIgnoringCase(words.next(), "logged") && words.next().empty();
}

void readUntimedLine(std::string_view first, Words& words, AscLine& line) {
    line.kind = LineKind::kSkipped;
    if (startsWith(first, "//")) {
        line.skipped = Skip::kComment;
    } else if (equalsIgnoringCase(first, "date")) {
        line.kind = LineKind::kDate;
        line.rest = words.rest();
    } else if (equalsIgnoringCase(first, "base")) {
        if (readBaseLine(words, line)) line.kind = LineKind::kBase;
    } else if (isInternalEventsLine(first, words)) {
        line.kind = LineKind::kInternalEvents;
    } else if (equalsIgnoringCase(first, "begin") &&
               equalsIgnoringCase(words.next(), "triggerblock")) {
        line.kind = LineKind::kBeginBlock;
        line.rest = words.rest();
    } else if (equalsIgnoringCase(first, "end") &&
               equalsIgnoringCase(words.next(), "triggerblock")) {
        line.kind = LineKind::kEndBlock;
    }
}

// Passes over blanks: false when there were none.
inline bool skipBlanks(const char*& at, const char* end) {
    const char* const from = at;
    while (at != end && isBlank(*at)) ++at;
    return at != from;
}

inline bool wordEnds(const char* at, const char* end) { return at == end || isBlank(*at); }

// "   0.000250 1  123             Rx   d 3 01 A2 FF": the classic data frame line of a hex log,
// nearly every line of most logs, read in one pass. Any other form, or anything this reading is
// unsure of, gives false before the frame is touched, and the reading word by word decides: the
// two readings agree on every line this one takes.
bool readPlainClassic(std::string_view text, can::Frame& frame, AscLine& line) {
    const char* at = text.data();
    const char* const end = at + text.size();
    skipBlanks(at, end);
    uint64_t seconds = 0;
    int digits = 0;
    for (; at != end && isDigit(*at); ++at) {
        if (++digits > 10) return false;
        seconds = seconds * 10 + static_cast<uint64_t>(*at - '0');
    }
    if (digits == 0 || at == end || *at != '.') return false;
    ++at;
    static constexpr uint64_t kScale[10] = {1000000000, 100000000, 10000000, 1000000, 100000,
                                            10000,      1000,      100,      10,      1};
    uint64_t fraction = 0;
    int fractionDigits = 0;
    for (; at != end && isDigit(*at); ++at) {
        if (++fractionDigits > 9) return false;
        fraction = fraction * 10 + static_cast<uint64_t>(*at - '0');
    }
    if (fractionDigits == 0 || !skipBlanks(at, end)) return false;
    uint32_t channel = 0;
    digits = 0;
    for (; at != end && isDigit(*at); ++at) {
        if (++digits > 5) return false;
        channel = channel * 10 + static_cast<uint32_t>(*at - '0');
    }
    if (digits == 0 || channel == 0 || channel > kLargestChannel || !skipBlanks(at, end))
        return false;
    uint32_t id = 0;
    digits = 0;
    for (; at != end && hexDigit(*at) >= 0; ++at) {
        if (++digits > 8) return false;
        id = id << 4 | static_cast<uint32_t>(hexDigit(*at));
    }
    const bool extended = at != end && *at == 'x';
    if (extended) ++at;
    if (digits == 0 || id > (extended ? kLargestExtendedId : kLargestStandardId) ||
        !skipBlanks(at, end) || end - at < 2 || (at[0] != 'R' && at[0] != 'T') || at[1] != 'x') {
        return false;
    }
    const bool transmitted = at[0] == 'T';
    at += 2;
    if (!skipBlanks(at, end) || at == end || *at != 'd') return false;
    ++at;
    if (!skipBlanks(at, end) || at == end || hexDigit(*at) < 0) return false;
    const int dlc = hexDigit(*at++);
    if (!wordEnds(at, end)) return false;
    const int length = dlc > kClassicMaxLength ? kClassicMaxLength : dlc;
    uint8_t data[kClassicMaxLength];
    for (int i = 0; i < length; ++i) {
        // Mostly one blank before each byte: no loop for it then.
        if (end - at >= 3 && isBlank(at[0]) && !isBlank(at[1])) {
            ++at;
        } else if (!skipBlanks(at, end) || end - at < 2) {
            return false;
        }
        const int high = hexDigit(at[0]);
        const int low = hexDigit(at[1]);
        at += 2;
        if ((high | low) < 0 || !wordEnds(at, end)) return false;
        data[i] = static_cast<uint8_t>(high << 4 | low);
    }
    // One byte more than the length says makes the line unreadable: the word-by-word reading
    // says so.
    skipBlanks(at, end);
    if (end - at >= 2 && hexDigit(at[0]) >= 0 && hexDigit(at[1]) >= 0 &&
        (end - at == 2 || isBlank(at[2]))) {
        return false;
    }
    clearFrame(frame);
    frame.channel = static_cast<int32_t>(channel - 1);
    frame.canId = id;
    frame.isExtended = extended;
    frame.transmitted = transmitted;
    frame.dataLength = length;
    std::memcpy(frame.data, data, static_cast<size_t>(length));
    line.kind = LineKind::kFrame;
    line.hasTime = true;
    line.time = seconds * 1000000000 + fraction * kScale[fractionDigits];
    return true;
}

}  // namespace

const char* skipName(Skip skip) {
    static constexpr const char* kNames[] = {
        "comments",
        "empty lines",
        "start of measurement",
        "bus statistics",
        "CAN controller status",
        "overload frames",
        "transmit requests",
        "J1939 transport protocol",
        "CAN XL frames",
        "system variables",
        "log and trigger events",
        "LIN events",
        "FlexRay events",
        "Ethernet events",
        "MOST events",
        "GPS events",
        "other events",
        "other lines",
        "repeated header lines",
        "dates that cannot be read",
        "frames timed before the start",
    };
    static_assert(sizeof kNames / sizeof kNames[0] == static_cast<size_t>(Skip::kCount));
    return kNames[static_cast<size_t>(skip)];
}

AscLine readAscLine(std::string_view text, Base base, can::Frame& frame) {
    AscLine line;
    if (base == Base::kHex && readPlainClassic(text, frame, line)) return line;
    return readAscLineByWords(text, base, frame);
}

AscLine readAscLineByWords(std::string_view text, Base base, can::Frame& frame) {
    AscLine line;
    Words words(text);
    const std::string_view first = words.next();
    if (first.empty()) {
        line.skipped = Skip::kEmpty;
    } else if (isDigit(first[0]) || (first.size() > 1 && first[0] == '-' && isDigit(first[1]))) {
        readTimedLine(first, words, base, frame, line);
    } else {
        readUntimedLine(first, words, line);
    }
    return line;
}

}  // namespace sources::asc
