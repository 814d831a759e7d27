// What the text logs share: the few number forms their lines are made of, written straight into
// the output buffer (millions of lines a second).
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace canlog {

namespace frame_text {

inline constexpr char kUpperHex[] = "0123456789ABCDEF";

// Every byte's two upper-case hexadecimal digits, and every number 0-99's two decimal digits:
// one copy of two characters in place of two look-ups or a division each.
inline constexpr auto kHexPairs = [] {
    struct Table {
        char text[512];
    } table{};
    for (int i = 0; i < 256; ++i) {
        table.text[2 * i] = kUpperHex[i >> 4];
        table.text[2 * i + 1] = kUpperHex[i & 0x0F];
    }
    return table;
}();
inline constexpr auto kDecimalPairs = [] {
    struct Table {
        char text[200];
    } table{};
    for (int i = 0; i < 100; ++i) {
        table.text[2 * i] = static_cast<char>('0' + i / 10);
        table.text[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return table;
}();

// Two upper-case hexadecimal digits.
inline char* putHexByte(char* out, uint8_t byte) {
    std::memcpy(out, kHexPairs.text + 2 * byte, 2);
    return out + 2;
}

// Four bytes as eight upper-case hexadecimal digits at once: each byte spread to two, its
// nibbles to the two bytes of a 16-bit lane, then '0' added, and 7 more to the digits past 9.
inline void putHexFour(char* out, const uint8_t* bytes) {
    if constexpr (std::endian::native == std::endian::little) {
        uint32_t four = 0;
        std::memcpy(&four, bytes, sizeof four);
        uint64_t lanes = four;
        lanes = (lanes | lanes << 16) & 0x0000FFFF0000FFFF;
        lanes = (lanes | lanes << 8) & 0x00FF00FF00FF00FF;
        const uint64_t nibbles = (lanes >> 4 & 0x000F000F000F000F) | (lanes & 0x000F000F000F000F)
                                                                         << 8;
        const uint64_t pastNine = (nibbles + 0x0606060606060606) >> 4 & 0x0101010101010101;
        const uint64_t text = nibbles + 0x3030303030303030 + pastNine * 7;
        std::memcpy(out, &text, sizeof text);
    } else {
        for (int i = 0; i < 4; ++i) std::memcpy(out + 2 * i, kHexPairs.text + 2 * bytes[i], 2);
    }
}

// Eight bytes as sixteen upper-case hexadecimal digits at once: a byte a 16-bit lane of one
// vector (an SSE2 register on x86-64), split into its two nibbles, '0' added to each and 7 more
// to those past 9. Where vectors are no help (a big-endian machine), two of four.
inline void putHexEight(char* out, const uint8_t* bytes) {
#if defined(__GNUC__)
    if constexpr (std::endian::native == std::endian::little) {
        using Bytes = uint8_t __attribute__((vector_size(8)));
        using Pairs = uint16_t __attribute__((vector_size(16)));
        using Lanes = uint8_t __attribute__((vector_size(16)));
        Bytes eight;
        std::memcpy(&eight, bytes, sizeof eight);
        Pairs pairs = __builtin_convertvector(eight, Pairs);
        pairs = pairs >> 4 | (pairs & 0x0F) << 8;  // the high nibble first
        Lanes nibbles;
        std::memcpy(&nibbles, &pairs, sizeof nibbles);
        const Lanes text = nibbles + '0' + (reinterpret_cast<Lanes>(nibbles > 9) & 7);
        std::memcpy(out, &text, sizeof text);
        return;
    }
#endif
    putHexFour(out, bytes);
    putHexFour(out + 8, bytes + 4);
}

// Bytes as pairs of upper-case hexadecimal digits, with nothing between them.
inline char* putHexBytes(char* out, const uint8_t* bytes, int count) {
    int i = 0;
    for (; i + 4 <= count; i += 4) putHexFour(out + 2 * i, bytes + i);
    for (; i < count; ++i) std::memcpy(out + 2 * i, kHexPairs.text + 2 * bytes[i], 2);
    return out + 2 * (count > 0 ? count : 0);
}

// Exactly six decimal digits of `value` (0..999999): the microseconds of a time.
inline char* putSixDigits(char* out, uint32_t value) {
    const uint32_t high = value / 10000;
    const uint32_t low = value % 10000;
    std::memcpy(out, kDecimalPairs.text + 2 * high, 2);
    std::memcpy(out + 2, kDecimalPairs.text + 2 * (low / 100), 2);
    std::memcpy(out + 4, kDecimalPairs.text + 2 * (low % 100), 2);
    return out + 6;
}

// Upper-case hexadecimal without leading zeros, at least `minDigits` digits (1..8).
inline char* putHex(char* out, uint32_t value, int minDigits = 1) {
    int digits = 1;
    while (digits < 8 && (value >> (4 * digits)) != 0) ++digits;
    if (digits < minDigits) digits = minDigits;
    for (int i = digits - 1; i >= 0; --i) *out++ = kUpperHex[(value >> (4 * i)) & 0x0F];
    return out;
}

// Decimal in at least `width` characters, filled on the left with `fill`.
inline char* putDecimalFilled(char* out, uint64_t value, int width, char fill) {
    char digits[20];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (int pad = width - count; pad > 0; --pad) *out++ = fill;
    while (count > 0) *out++ = digits[--count];
    return out;
}

// Decimal, at least `minDigits` digits with leading zeros (the fraction of a time).
inline char* putDecimal(char* out, uint64_t value, int minDigits = 1) {
    return putDecimalFilled(out, value, minDigits, '0');
}

// Decimal right-aligned in `width` characters (more when the number needs them).
inline char* putDecimalRight(char* out, uint64_t value, int width) {
    return putDecimalFilled(out, value, width, ' ');
}

inline char* putText(char* out, const char* text) {
    while (*text != '\0') *out++ = *text++;
    return out;
}

}  // namespace frame_text

}  // namespace canlog
