// What the readers of candump's two line forms share: a cursor over a line, the character
// classes, the limits of a frame and the identifier's reading. Only candump_lines.cpp and
// candump_screen.cpp include it.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

#include "can/frame.h"
#include "sources/candump/candump_lines.h"

namespace sources::candump::text {

constexpr uint8_t kNoDigit = 0xFF;
constexpr uint32_t kErrorFlag = 0x20000000;     // an error frame's 8-digit identifier
constexpr uint32_t kOutsideError = 0xC0000000;  // flags no log writes into an identifier
constexpr uint32_t kExtendedMask = 0x1FFFFFFF;
constexpr uint32_t kStandardMax = 0x7FF;
constexpr int kClassicMax = 8;
constexpr int kFdMax = can::kMaxDataLength;
constexpr std::string_view kRemoteRequest = "remote request";
constexpr std::string_view kErrorFrameMark = "ERRORFRAME";

inline constexpr std::array<uint8_t, 256> kHexValue = [] {
    std::array<uint8_t, 256> table{};
    table.fill(kNoDigit);
    for (int c = '0'; c <= '9'; ++c) table[static_cast<size_t>(c)] = static_cast<uint8_t>(c - '0');
    for (int c = 'A'; c <= 'F'; ++c) table[static_cast<size_t>(c)] = static_cast<uint8_t>(c - 55);
    for (int c = 'a'; c <= 'f'; ++c) table[static_cast<size_t>(c)] = static_cast<uint8_t>(c - 87);
    return table;
}();

// The frame's data bytes zeroed in eight stores: GCC makes a memset on a path it guesses rare
// into `rep stos`, which takes longer to start than the whole line takes to read.
template <size_t... Words>
inline void clearWords(uint8_t* bytes, std::index_sequence<Words...>) {
    constexpr uint64_t kZero = 0;
    (std::memcpy(bytes + Words * sizeof kZero, &kZero, sizeof kZero), ...);
}
inline void clearData(can::Frame& frame) {
    static_assert(sizeof frame.data % sizeof(uint64_t) == 0);
    clearWords(frame.data, std::make_index_sequence<sizeof frame.data / sizeof(uint64_t)>());
}

inline uint8_t hexOf(char c) { return kHexValue[static_cast<unsigned char>(c)]; }
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }
// Blanks part the fields: spaces, and tabs where a writer uses them.
inline constexpr std::array<bool, 256> kBlank = [] {
    std::array<bool, 256> table{};
    table[' '] = table['\t'] = true;
    return table;
}();
inline bool isBlank(char c) { return kBlank[static_cast<unsigned char>(c)]; }

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

inline bool readHexDigits(std::string_view digits, uint32_t& value) {
    uint8_t any = 0;
    value = 0;
    for (const char c : digits) {
        const uint8_t nibble = hexOf(c);
        any |= nibble;
        value = value << 4 | (nibble & 0x0F);
    }
    return any <= 0x0F;
}

// 3 digits: a standard identifier; 8: an extended one, or an error frame's class bits.
inline bool readIdentifier(std::string_view digits, can::Frame& frame) {
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
// The screen form after the interface name (candump_screen.cpp).
LineKind readScreenFrame(Cursor& c, can::Frame& frame, LineResult& result);

}  // namespace sources::candump::text
