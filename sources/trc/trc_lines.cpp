#include "sources/trc/trc_lines.h"

#include <algorithm>

#include "sources/trc/trc_text.h"

namespace sources::trc {

namespace {

using can::FrameKind;

// Buses of PEAK's tools count from 1; more than 255 is no trace any tool writes.
constexpr uint64_t kMaxBus = 255;
constexpr uint32_t kMaxExtendedId = 0x1FFFFFFF;
constexpr uint32_t kMaxStandardId = 0x7FF;
// Columns before the data, and the 64 bytes of the longest CAN FD frame.
constexpr size_t kMaxFields = Columns::kMax + can::kMaxDataLength;

int classicLength(uint64_t code) { return static_cast<int>(std::min<uint64_t>(code, 8)); }

int fdLength(uint64_t code) {
    static constexpr int kLengths[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 16, 20, 24, 32, 48, 64};
    return kLengths[code & 15];
}

bool isFdLength(uint64_t length) {
    return length <= 8 || length == 12 || length == 16 || length == 20 || length == 24 ||
           length == 32 || length == 48 || length == 64;
}

bool readIdentifier(std::string_view field, can::Frame& frame) {
    uint32_t id = 0;
    if (!readHex(field, id) || id > kMaxExtendedId) return false;
    frame.canId = id;
    // PEAK writes 4 digits for 11-bit identifiers and 8 for 29-bit ones; python-can writes 7.
    frame.isExtended = field.size() > 4 || id > kMaxStandardId;
    return true;
}

bool readBus(std::string_view field, can::Frame& frame) {
    uint64_t bus = 0;
    if (!readDecimal(field, kMaxBus, bus) || bus == 0) return false;
    frame.channel = static_cast<int32_t>(bus - 1);
    return true;
}

bool isMessageNumber(std::string_view field) {
    uint64_t ignored = 0;
    return field.size() > 1 && field.back() == ')' &&
           readDecimal(field.substr(0, field.size() - 1), UINT64_MAX, ignored);
}

bool isWord(std::string_view field) {
    return !field.empty() && std::all_of(field.begin(), field.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
}

// A word that no identifier could be: a type of line this reader does not know.
bool isOtherType(std::string_view field) {
    return isWord(field) &&
           !std::all_of(field.begin(), field.end(), [](char c) { return hexValue(c) >= 0; });
}

// ---- Version 1.x -------------------------------------------------------------------------

enum class Type1 : uint8_t { kNone, kRx, kTx, kWarning, kError };

bool readType1(std::string_view field, Type1& type) {
    if (field == "Rx")
        type = Type1::kRx;
    else if (field == "Tx")
        type = Type1::kTx;
    else if (field == "Warng")
        type = Type1::kWarning;
    else if (field == "Error")
        type = Type1::kError;
    else
        return false;
    return true;
}

// The fields after the length code: the bytes, RTR, or ERROR and the bytes.
LineKind readData1(Fields& fields, Type1 type, int length, can::Frame& frame) {
    std::string_view field;
    bool more = fields.next(field);
    if (more && field == "RTR" && type != Type1::kError) {
        frame.kind = FrameKind::kRemote;
        frame.dataLength = length;
        return fields.next(field) ? LineKind::kUnreadable : LineKind::kFrame;
    }
    if (type == Type1::kError) frame.kind = FrameKind::kError;
    if (more && field == "ERROR") {
        frame.kind = FrameKind::kError;
        more = fields.next(field);
    }
    int count = 0;
    for (; more; more = fields.next(field)) {
        if (count == length || !readHexByte(field, frame.data[count])) return LineKind::kUnreadable;
        ++count;
    }
    if (count != length) return LineKind::kUnreadable;
    frame.dataLength = length;
    return LineKind::kFrame;
}

LineKind readVersion1(std::string_view line, Version version, can::Frame& frame, int64_t& offset) {
    Fields fields(line);
    std::string_view field;
    if (!fields.next(field) || !isMessageNumber(field)) return LineKind::kUnreadable;
    if (!fields.next(field) || !readMilliseconds(field, offset)) return LineKind::kUnreadable;
    if (version >= Version::k1_2 && (!fields.next(field) || !readBus(field, frame)))
        return LineKind::kUnreadable;
    if (!fields.next(field)) return LineKind::kUnreadable;
    Type1 type = Type1::kNone;
    if (readType1(field, type)) {
        if (type == Type1::kWarning) return LineKind::kBusWarning;
        if (!fields.next(field)) return LineKind::kUnreadable;
    } else if (version != Version::k1_0) {
        return isOtherType(field) ? LineKind::kOtherType : LineKind::kUnreadable;
    }
    // 1.0 marks its bus state warnings by this identifier alone.
    if (type == Type1::kNone && field == "FFFFFFFF") return LineKind::kBusWarning;
    if (!readIdentifier(field, frame)) return LineKind::kUnreadable;
    if (version == Version::k1_3 && !fields.next(field)) return LineKind::kUnreadable;
    uint64_t code = 0;
    if (!fields.next(field) || !readDecimal(field, 15, code)) return LineKind::kUnreadable;
    frame.transmitted = type == Type1::kTx;
    return readData1(fields, type, classicLength(code), frame);
}

// ---- Version 2.x -------------------------------------------------------------------------

enum class Type2 : uint8_t { kData, kFd, kRemote, kError };

// What a type field says: a frame type, or the kind of a line that is none.
bool readType2(std::string_view field, can::Frame& frame, Type2& type, LineKind& other) {
    const auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
    if (field.size() != 2 || !upper(field[0]) || !upper(field[1])) {
        other = LineKind::kUnreadable;
        return false;
    }
    const auto is = [&](const char* word) { return field == word; };
    if (is("DT"))
        type = Type2::kData;
    else if (is("RR"))
        type = Type2::kRemote;
    else if (is("ER"))
        type = Type2::kError;
    else if (is("FD") || is("FB") || is("FE") || is("BI")) {
        type = Type2::kFd;
        frame.isFd = true;
        frame.bitRateSwitch = is("FB") || is("BI");
        frame.errorState = is("FE") || is("BI");
    } else {
        other = is("ST")   ? LineKind::kHardwareStatus
                : is("EC") ? LineKind::kErrorCounter
                : is("EV") ? LineKind::kUserEvent
                           : LineKind::kOtherType;
        return false;
    }
    return true;
}

// The state of a version 2 line between its columns.
struct Line2 {
    Type2 type = Type2::kData;
    bool haveType = false;
    bool blankIdentifier = false;  // 2.0 error frames leave identifier and length out
    bool allBuses = false;         // "-" in the bus column
    int length = -1;               // bytes, from the length or the length code column
};

int lengthOf(Type2 type, char letter, uint64_t value) {
    const bool code = letter == 'L';
    switch (type) {
        case Type2::kData:
        case Type2::kRemote:
            if (code) return classicLength(value);
            return value <= 8 ? static_cast<int>(value) : -1;
        case Type2::kFd:
            if (code) return fdLength(value);
            return isFdLength(value) ? static_cast<int>(value) : -1;
        case Type2::kError:
            return code ? fdLength(value) : static_cast<int>(value);
    }
    return -1;
}

bool readColumn2(char letter, std::string_view field, Line2& line, can::Frame& frame,
                 int64_t& offset, LineKind& other) {
    uint64_t value = 0;
    switch (letter) {
        case 'N':
            return readDecimal(field, UINT64_MAX, value);
        case 'O':
            return readMilliseconds(field, offset);
        case 'T':
            line.haveType = readType2(field, frame, line.type, other);
            return true;
        case 'B':
            line.allBuses = field == "-";
            return line.allBuses || readBus(field, frame);
        case 'I':
            if (field == "-" && line.haveType && line.type == Type2::kError) return true;
            return readIdentifier(field, frame);
        case 'd':
            frame.transmitted = field == "Tx";
            return field == "Rx" || field == "Tx";
        case 'l':
        case 'L':
            if (!readDecimal(field, letter == 'L' ? 15 : can::kMaxDataLength, value)) return false;
            line.length = lengthOf(line.type, letter, value);
            return line.length >= 0;
        default:
            return true;  // R, reserved
    }
}

LineKind readData2(const std::string_view* data, size_t count, const Line2& line,
                   can::Frame& frame) {
    if (line.type == Type2::kRemote) {
        // A remote frame asks for its length; bytes some writers put after it carry nothing.
        frame.kind = FrameKind::kRemote;
        frame.dataLength = line.length;
        return LineKind::kFrame;
    }
    if (line.type == Type2::kError) frame.kind = FrameKind::kError;
    const size_t expected = line.blankIdentifier ? count : static_cast<size_t>(line.length);
    if (count != expected || count > can::kMaxDataLength) return LineKind::kUnreadable;
    for (size_t i = 0; i < count; ++i) {
        if (!readHexByte(data[i], frame.data[i])) return LineKind::kUnreadable;
    }
    frame.dataLength = static_cast<int32_t>(count);
    return LineKind::kFrame;
}

LineKind readVersion2(std::string_view text, const Columns& columns, can::Frame& frame,
                      int64_t& offset) {
    std::string_view fields[kMaxFields];
    size_t count = 0;
    Fields splitter(text);
    while (count < kMaxFields && splitter.next(fields[count])) ++count;
    const bool overflow = !splitter.rest().empty();

    Line2 line;
    size_t at = 0;
    for (size_t c = 0; c < columns.count && columns.letters[c] != 'D'; ++c) {
        const char letter = columns.letters[c];
        if (letter == 'I' && line.haveType && line.type == Type2::kError && at < count &&
            (fields[at] == "Rx" || fields[at] == "Tx")) {
            line.blankIdentifier = true;
            continue;
        }
        if ((letter == 'l' || letter == 'L') && line.blankIdentifier) continue;
        LineKind other = LineKind::kUnreadable;
        if (at == count || !readColumn2(letter, fields[at++], line, frame, offset, other))
            return LineKind::kUnreadable;
        if (letter == 'T' && !line.haveType) return other;
    }
    if (!line.haveType || overflow || line.allBuses) return LineKind::kUnreadable;
    if (line.length < 0 && !line.blankIdentifier) return LineKind::kUnreadable;
    return readData2(fields + at, count - at, line, frame);
}

}  // namespace

Columns defaultColumns(Version version) {
    const std::string_view letters = version == Version::k2_0 ? "NOTIdlD" : "NOTBIdRLD";
    Columns columns;
    for (const char letter : letters) columns.letters[columns.count++] = letter;
    return columns;
}

LineKind readLine(std::string_view line, const Dialect& dialect, can::Frame& frame,
                  int64_t& offset) {
    size_t first = 0;
    while (first < line.size() && isBlank(line[first])) ++first;
    if (first == line.size()) return LineKind::kEmpty;
    if (line[first] == ';') return LineKind::kComment;
    frame = can::Frame{};
    offset = 0;
    line.remove_prefix(first);
    if (dialect.version >= Version::k2_0) return readVersion2(line, dialect.columns, frame, offset);
    return readVersion1(line, dialect.version, frame, offset);
}

bool looksLikeVersion1Message(std::string_view line) {
    Fields fields(line);
    std::string_view field;
    return fields.next(field) && isMessageNumber(field);
}

}  // namespace sources::trc
