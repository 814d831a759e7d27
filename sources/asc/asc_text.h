// The small pieces an ASC line is read with: words between blanks, and numbers read digit by
// digit with their range checked, without the C library's locale or a copy of the text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sources::asc {

// How identifiers and data bytes are written: `base hex` (the default) or `base dec`.
enum class Base : uint8_t { kHex, kDecimal };

// Spaces and tabs part the words; other control characters do too, which costs one test.
inline bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
inline bool isDigit(char c) { return static_cast<unsigned char>(c - '0') <= 9; }

// The values of the hexadecimal digits, -1 for every other character: one look-up a digit.
inline constexpr auto kHexValues = [] {
    struct Table {
        signed char value[256];
    } table{};
    for (int c = 0; c < 256; ++c) {
        table.value[c] = static_cast<signed char>(c >= '0' && c <= '9'   ? c - '0'
                                                  : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                                  : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                                         : -1);
    }
    return table;
}();

// The value of a hexadecimal digit, or -1.
inline int hexDigit(char c) { return kHexValues.value[static_cast<unsigned char>(c)]; }

inline char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

inline bool equalsIgnoringCase(std::string_view text, std::string_view lowerWord) {
    if (text.size() != lowerWord.size()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (lowerAscii(text[i]) != lowerWord[i]) return false;
    }
    return true;
}

// The words of a line, front to back; blanks (spaces, tabs) separate them.
class Words {
public:
    explicit Words(std::string_view text) : at_(text.data()), end_(text.data() + text.size()) {}

    // The next word, or an empty one at the end of the line.
    std::string_view next() {
        while (at_ != end_ && isBlank(*at_)) ++at_;
        const char* start = at_;
        while (at_ != end_ && !isBlank(*at_)) ++at_;
        return {start, static_cast<size_t>(at_ - start)};
    }
    // The next word, left to be read again.
    std::string_view peek() const {
        Words copy = *this;
        return copy.next();
    }
    // What is left of the line, without the blanks in front.
    std::string_view rest() const {
        const char* from = at_;
        while (from != end_ && isBlank(*from)) ++from;
        return {from, static_cast<size_t>(end_ - from)};
    }

private:
    const char* at_;
    const char* end_;
};

// A decimal number of 1 to 19 digits that is at most `limit`.
inline bool parseDecimal(std::string_view word, uint64_t limit, uint64_t& out) {
    if (word.empty() || word.size() > 19) return false;
    uint64_t value = 0;
    for (const char c : word) {
        if (!isDigit(c)) return false;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    if (value > limit) return false;
    out = value;
    return true;
}

// A hexadecimal number of 1 to 8 digits that is at most `limit`.
inline bool parseHex(std::string_view word, uint32_t limit, uint32_t& out) {
    if (word.empty() || word.size() > 8) return false;
    uint32_t value = 0;
    for (const char c : word) {
        const int digit = hexDigit(c);
        if (digit < 0) return false;
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    if (value > limit) return false;
    out = value;
    return true;
}

// A number in the log's base that is at most `limit`.
inline bool parseInBase(std::string_view word, Base base, uint32_t limit, uint32_t& out) {
    if (base == Base::kHex) return parseHex(word, limit, out);
    uint64_t value = 0;
    if (word.size() > 10 || !parseDecimal(word, limit, value)) return false;
    out = static_cast<uint32_t>(value);
    return true;
}

// A data byte: two hexadecimal digits, as every writer puts them, or a decimal 0-255 with
// `base dec`. Keeping hex bytes at two digits tells them apart from the "0" fields behind them.
inline bool parseDataByte(std::string_view word, Base base, uint8_t& out) {
    if (base == Base::kHex) {
        if (word.size() != 2) return false;
        const int high = hexDigit(word[0]);
        const int low = hexDigit(word[1]);
        if (high < 0 || low < 0) return false;
        out = static_cast<uint8_t>(high << 4 | low);
        return true;
    }
    uint64_t value = 0;
    if (word.size() > 3 || !parseDecimal(word, 255, value)) return false;
    out = static_cast<uint8_t>(value);
    return true;
}

}  // namespace sources::asc
