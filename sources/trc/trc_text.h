// The pieces a trace file's lines are made of: blank-separated fields, decimal and hexadecimal
// numbers, times in milliseconds with decimals. Every reader takes a whole field and says
// whether all of it had the expected form; none reads past the field it is given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sources::trc {

// PEAK's tools separate fields with spaces; tabs of hand-edited files are taken as well.
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The value of a hexadecimal digit, or -1.
inline int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The fields of a line, front to back.
class Fields {
public:
    explicit Fields(std::string_view line) : at_(line.data()), end_(line.data() + line.size()) {}

    // The next field; false when only blanks are left.
    bool next(std::string_view& field) {
        while (at_ != end_ && isBlank(*at_)) ++at_;
        if (at_ == end_) return false;
        const char* begin = at_;
        while (at_ != end_ && !isBlank(*at_)) ++at_;
        field = std::string_view(begin, static_cast<size_t>(at_ - begin));
        return true;
    }
    // What is left after the blanks that follow the last field handed on.
    std::string_view rest() {
        while (at_ != end_ && isBlank(*at_)) ++at_;
        return std::string_view(at_, static_cast<size_t>(end_ - at_));
    }

private:
    const char* at_;
    const char* end_;
};

// 1 to 18 decimal digits whose value is at most `max`.
inline bool readDecimal(std::string_view text, uint64_t max, uint64_t& out) {
    if (text.empty() || text.size() > 18) return false;
    uint64_t value = 0;
    for (const char c : text) {
        if (!isDigit(c)) return false;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    if (value > max) return false;
    out = value;
    return true;
}

// 1 to 8 hexadecimal digits.
inline bool readHex(std::string_view text, uint32_t& out) {
    if (text.empty() || text.size() > 8) return false;
    uint32_t value = 0;
    for (const char c : text) {
        const int digit = hexValue(c);
        if (digit < 0) return false;
        value = (value << 4) | static_cast<uint32_t>(digit);
    }
    out = value;
    return true;
}

// Exactly two hexadecimal digits: a data byte.
inline bool readHexByte(std::string_view text, uint8_t& out) {
    if (text.size() != 2) return false;
    const int high = hexValue(text[0]);
    const int low = hexValue(text[1]);
    if (high < 0 || low < 0) return false;
    out = static_cast<uint8_t>(high << 4 | low);
    return true;
}

// A time offset in milliseconds: an optional minus, 1 to 12 digits, optionally a point and one
// or more decimals, to nanoseconds (decimals past the sixth are below a nanosecond: dropped).
//   "1059.9" -> 1059900000   "17535" -> 17535000000   "-0.0015" -> -1500
inline bool readMilliseconds(std::string_view text, int64_t& nanoseconds) {
    size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) ++at;
    const size_t digitsFrom = at;
    int64_t whole = 0;
    for (; at < text.size() && isDigit(text[at]); ++at) {
        if (at - digitsFrom == 12) return false;
        whole = whole * 10 + (text[at] - '0');
    }
    if (at == digitsFrom) return false;
    int64_t part = 0;  // nanoseconds of the decimals
    if (at < text.size()) {
        if (text[at++] != '.' || at == text.size()) return false;
        int64_t scale = 100000;
        for (; at < text.size(); ++at) {
            if (!isDigit(text[at])) return false;
            part += (text[at] - '0') * scale;
            scale /= 10;
        }
    }
    const int64_t value = whole * 1000000 + part;
    nanoseconds = negative ? -value : value;
    return true;
}

}  // namespace sources::trc
