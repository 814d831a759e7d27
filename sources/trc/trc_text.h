// The pieces a trace file's lines are made of: blank-separated fields, decimal and hexadecimal
// numbers, times in milliseconds with decimals, data bytes. A Cursor reads them front to back
// in one pass over the line, each reader checking that its field ends where a blank or the
// line's end follows; none reads past the line it is given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "can/frame.h"

namespace sources::trc {

// PEAK's tools separate fields with spaces; tabs of hand-edited files are taken as well.
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The value of a hexadecimal digit, or -1: a table, since every identifier and data byte of a
// file goes through it.
inline constexpr struct HexDigits {
    int8_t values[256];
    constexpr HexDigits() : values() {
        for (int c = 0; c < 256; ++c) {
            values[c] = c >= '0' && c <= '9'   ? static_cast<int8_t>(c - '0')
                        : c >= 'A' && c <= 'F' ? static_cast<int8_t>(c - 'A' + 10)
                        : c >= 'a' && c <= 'f' ? static_cast<int8_t>(c - 'a' + 10)
                                               : int8_t{-1};
        }
    }
} kHexDigits;
inline int hexValue(char c) { return kHexDigits.values[static_cast<unsigned char>(c)]; }

// Reads the fields of a line front to back. A reader that fails leaves the cursor anywhere in
// the line: the line is no longer of use. A copy of a cursor looks ahead. The readers work on
// local copies of the position: stores of data bytes (char-typed) could otherwise alias it and
// force a reload at every byte.
class Cursor {
public:
    explicit Cursor(std::string_view line) : at_(line.data()), end_(line.data() + line.size()) {}

    // True when only blanks are left.
    bool atEnd() {
        at_ = skipBlanks(at_, end_);
        return at_ == end_;
    }

    // The next field as it stands; false when only blanks are left.
    bool field(std::string_view& out) {
        const char* const begin = skipBlanks(at_, end_);
        const char* at = begin;
        while (at != end_ && !isBlank(*at)) ++at;
        at_ = at;
        out = std::string_view(begin, static_cast<size_t>(at - begin));
        return at != begin;
    }

    // A field of 1 to 18 decimal digits whose value is at most `max`.
    bool decimal(uint64_t max, uint64_t& out) {
        const char* const begin = skipBlanks(at_, end_);
        const char* at = begin;
        uint64_t value = 0;
        for (; at != end_ && isDigit(*at); ++at) {
            if (at - begin == 18) return false;
            value = value * 10 + static_cast<uint64_t>(*at - '0');
        }
        at_ = at;
        out = value;
        return at != begin && value <= max && fieldEnds();
    }

    // A field of 1 to 8 hexadecimal digits; `digits` says how many.
    bool hex(uint32_t& out, size_t& digits) {
        const char* const begin = skipBlanks(at_, end_);
        const char* at = begin;
        uint32_t value = 0;
        for (int digit = 0; at != end_ && (digit = hexValue(*at)) >= 0; ++at) {
            if (at - begin == 8) return false;
            value = value << 4 | static_cast<uint32_t>(digit);
        }
        at_ = at;
        out = value;
        digits = static_cast<size_t>(at - begin);
        return digits != 0 && fieldEnds();
    }

    // A time offset in milliseconds: an optional minus, 1 to 12 digits, optionally a point and
    // one or more decimals, to nanoseconds (decimals past the sixth are below a nanosecond).
    //   "1059.9" -> 1059900000   "17535" -> 17535000000   "-0.0015" -> -1500
    bool milliseconds(int64_t& nanoseconds) {
        const char* at = skipBlanks(at_, end_);
        const bool negative = at != end_ && *at == '-';
        if (negative) ++at;
        const char* const begin = at;
        int64_t whole = 0;
        for (; at != end_ && isDigit(*at); ++at) {
            if (at - begin == 12) return false;
            whole = whole * 10 + (*at - '0');
        }
        if (at == begin) return false;
        int64_t part = 0;  // the first six decimals
        int decimals = 0;
        if (at != end_ && *at == '.') {
            const char* const point = ++at;
            for (; at != end_ && isDigit(*at); ++at) {
                if (decimals < 6) {
                    part = part * 10 + (*at - '0');
                    ++decimals;
                }
            }
            if (at == point) return false;
        }
        at_ = at;
        static constexpr int64_t kScale[7] = {1000000, 100000, 10000, 1000, 100, 10, 1};
        const int64_t value = whole * 1000000 + part * kScale[decimals];
        nanoseconds = negative ? -value : value;
        return fieldEnds();
    }

    // Exactly `count` data bytes up to the end of the line: two hexadecimal digits each,
    // separated by blanks.   "01 02  0A" (3 bytes)
    bool hexBytes(int count, uint8_t* out) {
        const char* const at = skipBlanks(at_, end_);
        at_ = at;
        // The usual form, one space between the bytes: no branch a byte.
        const std::ptrdiff_t span = 3 * static_cast<std::ptrdiff_t>(count) - 1;
        if (count > 0 && end_ - at >= span) {
            int bad = 0;
            for (int i = 0; i < count; ++i) {
                const char* const byte = at + 3 * i;
                const int high = hexValue(byte[0]);
                const int low = hexValue(byte[1]);
                bad |= high | low | (i + 1 < count && byte[2] != ' ' ? -1 : 0);
                out[i] = static_cast<uint8_t>(static_cast<unsigned>(high) << 4 |
                                              static_cast<unsigned>(low));
            }
            if (bad >= 0) {
                at_ = skipBlanks(at + span, end_);
                return at_ == end_;
            }
        }
        return anyHexBytes(count, out) == count;
    }

    // Data bytes up to the end of the line, at most `most` of them: how many, or -1 when the
    // rest of the line is not that.
    int anyHexBytes(int most, uint8_t* out) {
        const char* const end = end_;
        const char* at = at_;
        int count = 0;
        for (;;) {
            at = skipBlanks(at, end);
            if (at == end) break;
            if (count == most || end - at < 2 || (end - at > 2 && !isBlank(at[2]))) return -1;
            const int high = hexValue(at[0]);
            const int low = hexValue(at[1]);
            if ((high | low) < 0) return -1;
            out[count++] = static_cast<uint8_t>(high << 4 | low);
            at += 2;
        }
        at_ = at;
        return count;
    }

private:
    static const char* skipBlanks(const char* at, const char* end) {
        while (at != end && isBlank(*at)) ++at;
        return at;
    }
    bool fieldEnds() const { return at_ == end_ || isBlank(*at_); }

    const char* at_;
    const char* end_;
};

// Whole texts read as one field each (the values of the comments at a file's head).
inline bool readDecimal(std::string_view text, uint64_t max, uint64_t& out) {
    Cursor cursor(text);
    return !text.empty() && !isBlank(text[0]) && cursor.decimal(max, out) && cursor.atEnd();
}
inline bool readMilliseconds(std::string_view text, int64_t& nanoseconds) {
    Cursor cursor(text);
    return !text.empty() && !isBlank(text[0]) && cursor.milliseconds(nanoseconds) && cursor.atEnd();
}

}  // namespace sources::trc
