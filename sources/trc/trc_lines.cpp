#include "sources/trc/trc_lines.h"

#include <algorithm>
#include <cstring>

#include "sources/trc/trc_text.h"

namespace sources::trc {

namespace {

using can::FrameKind;

// Buses of PEAK's tools count from 1; more than 255 is no trace any tool writes.
constexpr uint64_t kMaxBus = 255;
constexpr uint32_t kMaxExtendedId = 0x1FFFFFFF;
constexpr uint32_t kMaxStandardId = 0x7FF;

int classicLength(uint64_t code) { return static_cast<int>(std::min<uint64_t>(code, 8)); }

int fdLength(uint64_t code) {
    static constexpr int kLengths[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 12, 16, 20, 24, 32, 48, 64};
    return kLengths[code & 15];
}

bool isFdLength(uint64_t length) {
    return length <= 8 || length == 12 || length == 16 || length == 20 || length == 24 ||
           length == 32 || length == 48 || length == 64;
}

// An identifier of 1 to 8 hex digits, 29 bits at most.
bool readIdentifier(Cursor& line, can::Frame& frame) {
    uint32_t id = 0;
    size_t digits = 0;
    if (!line.hex(id, digits) || id > kMaxExtendedId) return false;
    frame.canId = id;
    // PEAK writes 4 digits for 11-bit identifiers and 8 for 29-bit ones; python-can writes 7.
    frame.isExtended = digits > 4 || id > kMaxStandardId;
    return true;
}

bool readBus(Cursor& line, can::Frame& frame) {
    uint64_t bus = 0;
    if (!line.decimal(kMaxBus, bus) || bus == 0) return false;
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
LineKind readData1(Cursor& line, Type1 type, int length, can::Frame& frame) {
    Cursor ahead = line;
    std::string_view field;
    const bool more = ahead.field(field);
    if (more && field == "RTR" && type != Type1::kError) {
        frame.kind = FrameKind::kRemote;
        frame.dataLength = length;
        return ahead.atEnd() ? LineKind::kFrame : LineKind::kUnreadable;
    }
    if (type == Type1::kError) frame.kind = FrameKind::kError;
    if (more && field == "ERROR") {
        frame.kind = FrameKind::kError;
        line = ahead;
    }
    if (!line.hexBytes(length, frame.data)) return LineKind::kUnreadable;
    frame.dataLength = length;
    return LineKind::kFrame;
}

LineKind readVersion1(std::string_view text, Version version, can::Frame& frame, int64_t& offset) {
    Cursor line(text);
    std::string_view field;
    if (!line.field(field) || !isMessageNumber(field)) return LineKind::kUnreadable;
    if (!line.milliseconds(offset)) return LineKind::kUnreadable;
    if (version >= Version::k1_2 && !readBus(line, frame)) return LineKind::kUnreadable;
    Cursor identifier = line;
    if (!line.field(field)) return LineKind::kUnreadable;
    Type1 type = Type1::kNone;
    if (readType1(field, type)) {
        if (type == Type1::kWarning) return LineKind::kBusWarning;
        identifier = line;
        if (!line.field(field)) return LineKind::kUnreadable;
    } else if (version != Version::k1_0) {
        return isOtherType(field) ? LineKind::kOtherType : LineKind::kUnreadable;
    }
    // 1.0 marks its bus state warnings by this identifier alone.
    if (type == Type1::kNone && field == "FFFFFFFF") return LineKind::kBusWarning;
    if (!readIdentifier(identifier, frame)) return LineKind::kUnreadable;
    if (version == Version::k1_3 && !line.field(field)) return LineKind::kUnreadable;
    uint64_t code = 0;
    if (!line.decimal(15, code)) return LineKind::kUnreadable;
    frame.transmitted = type == Type1::kTx;
    return readData1(line, type, classicLength(code), frame);
}

// ---- Version 2.x -------------------------------------------------------------------------

enum class Type2 : uint8_t { kData, kFd, kRemote, kError };

// The state of a version 2 line between its columns.
struct Line2 {
    Type2 type = Type2::kData;
    bool haveType = false;
    bool blankIdentifier = false;           // 2.0 error frames leave identifier and length out
    bool allBuses = false;                  // "-" in the bus column
    int length = -1;                        // bytes, from the length or the length code column
    LineKind stop = LineKind::kUnreadable;  // what the line is when a column ends the reading
};

// What a type field says: a frame type, or (false) the kind of a line that is none.
bool readType2(std::string_view field, can::Frame& frame, Line2& line) {
    const auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
    if (field.size() != 2 || !upper(field[0]) || !upper(field[1])) return false;
    const auto is = [&](const char* word) { return field == word; };
    if (is("DT")) {
        line.type = Type2::kData;
    } else if (is("RR")) {
        line.type = Type2::kRemote;
    } else if (is("ER")) {
        line.type = Type2::kError;
    } else if (is("FD") || is("FB") || is("FE") || is("BI")) {
        line.type = Type2::kFd;
        frame.isFd = true;
        frame.bitRateSwitch = is("FB") || is("BI");
        frame.errorState = is("FE") || is("BI");
    } else {
        line.stop = is("ST")   ? LineKind::kHardwareStatus
                    : is("EC") ? LineKind::kErrorCounter
                    : is("EV") ? LineKind::kUserEvent
                               : LineKind::kOtherType;
        return false;
    }
    line.haveType = true;
    return true;
}

int lengthOf(Type2 type, bool code, uint64_t value) {
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

bool readIdentifier2(Cursor& line, Line2& state, can::Frame& frame) {
    if (state.haveType && state.type == Type2::kError) {
        Cursor ahead = line;
        std::string_view field;
        if (!ahead.field(field)) return false;
        if (field == "-") {
            line = ahead;
            return true;
        }
        // 2.0 leaves both blank: the direction stands here.
        state.blankIdentifier = field == "Rx" || field == "Tx";
        if (state.blankIdentifier) return true;
    }
    return readIdentifier(line, frame);
}

// One column of a version 2 line. A template, so that the usual orders of columns read
// without a choice between the columns at every field.
template <char Letter>
bool readColumn(Cursor& line, Line2& state, can::Frame& frame, int64_t& offset) {
    std::string_view field;
    uint64_t value = 0;
    if constexpr (Letter == 'N') {
        return line.decimal(UINT64_MAX, value);
    } else if constexpr (Letter == 'O') {
        return line.milliseconds(offset);
    } else if constexpr (Letter == 'T') {
        return line.field(field) && readType2(field, frame, state);
    } else if constexpr (Letter == 'B') {
        const Cursor start = line;
        if (readBus(line, frame)) return true;
        line = start;
        state.allBuses = line.field(field) && field == "-";
        return state.allBuses;
    } else if constexpr (Letter == 'I') {
        return readIdentifier2(line, state, frame);
    } else if constexpr (Letter == 'd') {
        if (!line.field(field)) return false;
        frame.transmitted = field == "Tx";
        return field == "Rx" || field == "Tx";
    } else if constexpr (Letter == 'l' || Letter == 'L') {
        if (state.blankIdentifier) return true;
        if (!line.decimal(Letter == 'L' ? 15 : can::kMaxDataLength, value)) return false;
        state.length = lengthOf(state.type, Letter == 'L', value);
        return state.length >= 0;
    } else {
        return line.field(field);  // R, reserved
    }
}

bool readColumnOf(char letter, Cursor& line, Line2& state, can::Frame& frame, int64_t& offset) {
    switch (letter) {
        case 'N':
            return readColumn<'N'>(line, state, frame, offset);
        case 'O':
            return readColumn<'O'>(line, state, frame, offset);
        case 'T':
            return readColumn<'T'>(line, state, frame, offset);
        case 'B':
            return readColumn<'B'>(line, state, frame, offset);
        case 'I':
            return readColumn<'I'>(line, state, frame, offset);
        case 'd':
            return readColumn<'d'>(line, state, frame, offset);
        case 'l':
            return readColumn<'l'>(line, state, frame, offset);
        case 'L':
            return readColumn<'L'>(line, state, frame, offset);
        default:
            return readColumn<'R'>(line, state, frame, offset);
    }
}

// The data bytes, up to the end of the line.
LineKind readData2(Cursor& line, const Line2& state, can::Frame& frame) {
    if (!state.haveType || state.allBuses) return LineKind::kUnreadable;
    if (state.type == Type2::kRemote) {
        // A remote frame asks for its length; bytes some writers put after it carry nothing.
        frame.kind = FrameKind::kRemote;
        frame.dataLength = state.length;
        return state.length >= 0 ? LineKind::kFrame : LineKind::kUnreadable;
    }
    if (state.type == Type2::kError) frame.kind = FrameKind::kError;
    if (state.blankIdentifier) {
        frame.dataLength = line.anyHexBytes(can::kMaxDataLength, frame.data);
        return frame.dataLength >= 0 ? LineKind::kFrame : LineKind::kUnreadable;
    }
    if (state.length < 0 || !line.hexBytes(state.length, frame.data)) return LineKind::kUnreadable;
    frame.dataLength = state.length;
    return LineKind::kFrame;
}

template <char... Letters>
LineKind readUsual(Cursor& line, can::Frame& frame, int64_t& offset) {
    Line2 state;
    if (!(readColumn<Letters>(line, state, frame, offset) && ...)) return state.stop;
    return readData2(line, state, frame);
}

LineKind readListed(Cursor& line, const Columns& columns, can::Frame& frame, int64_t& offset) {
    Line2 state;
    for (size_t c = 0; c < columns.count && columns.letters[c] != 'D'; ++c) {
        if (!readColumnOf(columns.letters[c], line, state, frame, offset)) return state.stop;
    }
    return readData2(line, state, frame);
}

LineKind readVersion2(std::string_view text, const Columns& columns, can::Frame& frame,
                      int64_t& offset) {
    Cursor line(text);
    switch (columns.order) {
        case Columns::Order::kUsual2_1:
            return readUsual<'N', 'O', 'T', 'B', 'I', 'd', 'R', 'L'>(line, frame, offset);
        case Columns::Order::kUsual2_0:
            return readUsual<'N', 'O', 'T', 'I', 'd', 'l'>(line, frame, offset);
        case Columns::Order::kListed:
            break;
    }
    return readListed(line, columns, frame, offset);
}

}  // namespace

Columns columnsOf(std::string_view letters) {
    Columns columns;
    for (const char letter : letters.substr(0, Columns::kMax))
        columns.letters[columns.count++] = letter;
    columns.order = letters == "NOTIdlD"     ? Columns::Order::kUsual2_0
                    : letters == "NOTBIdRLD" ? Columns::Order::kUsual2_1
                                             : Columns::Order::kListed;
    return columns;
}

Columns defaultColumns(Version version) {
    return columnsOf(version == Version::k2_0 ? "NOTIdlD" : "NOTBIdRLD");
}

LineKind readLine(std::string_view line, const Dialect& dialect, can::Frame& frame,
                  int64_t& offset) {
    size_t first = 0;
    while (first < line.size() && isBlank(line[first])) ++first;
    if (first == line.size()) return LineKind::kEmpty;
    if (line[first] == ';') return LineKind::kComment;
    // Field by field: a whole new Frame is cleared by a slow string instruction.
    frame.canId = 0;
    frame.channel = 0;
    frame.dataLength = 0;
    frame.kind = FrameKind::kData;
    frame.isExtended = frame.isFd = frame.bitRateSwitch = frame.errorState = false;
    frame.transmitted = false;
    frame.event = 0;
    std::memset(frame.data, 0, sizeof frame.data);
    offset = 0;
    line.remove_prefix(first);
    if (dialect.version >= Version::k2_0) return readVersion2(line, dialect.columns, frame, offset);
    return readVersion1(line, dialect.version, frame, offset);
}

bool looksLikeVersion1Message(std::string_view line) {
    Cursor cursor(line);
    std::string_view field;
    return cursor.field(field) && isMessageNumber(field);
}

}  // namespace sources::trc
