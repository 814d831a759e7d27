// Character classes of the DBC text rules as one table: each byte of a line is looked at with
// one load and one test instead of a chain of comparisons (which also keeps instrumented fuzz
// builds fast).
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace dbc::chars {

enum Class : uint8_t {
    kSpace = 0x01,        // space, tab, LF, VT, FF, CR
    kDigit = 0x02,        // 0-9
    kIdentifier = 0x04,   // ASCII letters, digits, '_'
    kWordEnd = 0x08,      // what ends a plain word: white space, ',', ';', ':'
    kQuoteScan = 0x10,    // what a quoted string's scan stops at: '"' and '\'
    kCommentScan = 0x20,  // what the comment scan stops at: '"' and '/'
};

constexpr std::array<uint8_t, 256> kTable = [] {
    std::array<uint8_t, 256> table{};
    for (const char c : {' ', '\t', '\n', '\v', '\f', '\r'}) {
        table[static_cast<unsigned char>(c)] |= kSpace | kWordEnd;
    }
    for (int c = '0'; c <= '9'; ++c) table[static_cast<size_t>(c)] |= kDigit | kIdentifier;
    for (int c = 'A'; c <= 'Z'; ++c) table[static_cast<size_t>(c)] |= kIdentifier;
    for (int c = 'a'; c <= 'z'; ++c) table[static_cast<size_t>(c)] |= kIdentifier;
    table['_'] |= kIdentifier;
    for (const char c : {',', ';', ':'}) table[static_cast<unsigned char>(c)] |= kWordEnd;
    table['"'] |= kQuoteScan | kCommentScan;
    table['\\'] |= kQuoteScan;
    table['/'] |= kCommentScan;
    return table;
}();

inline bool is(char c, uint8_t classes) {
    return (kTable[static_cast<unsigned char>(c)] & classes) != 0;
}

}  // namespace dbc::chars

namespace dbc::chars {

// Finds the next of two bytes in a text with the C library's memchr (fast, and not instrumented
// in fuzz builds). Each byte's search goes forward only, so a whole scan stays linear.
class TwoByteFinder {
public:
    TwoByteFinder(std::string_view text, size_t from, char a, char b)
        : text_(text), a_(a), b_(b), nextA_(find(a, from)), nextB_(find(b, from)) {}

    // The first position at or after `from` that holds either byte; the text's size if none.
    size_t next(size_t from) {
        if (nextA_ < from) nextA_ = find(a_, from);
        if (nextB_ < from) nextB_ = find(b_, from);
        return nextA_ < nextB_ ? nextA_ : nextB_;
    }

private:
    size_t find(char c, size_t from) const {
        if (from >= text_.size()) return text_.size();
        const void* at = std::memchr(text_.data() + from, c, text_.size() - from);
        return at == nullptr ? text_.size()
                             : static_cast<size_t>(static_cast<const char*>(at) - text_.data());
    }

    std::string_view text_;
    char a_;
    char b_;
    size_t nextA_;
    size_t nextB_;
};

}  // namespace dbc::chars
