// What the text logs share: the few number forms their lines are made of, written straight into
// the output buffer (millions of lines a second).
#pragma once

#include <cstdint>

namespace canlog {

namespace frame_text {

inline constexpr char kUpperHex[] = "0123456789ABCDEF";

// Two upper-case hexadecimal digits.
inline char* putHexByte(char* out, uint8_t byte) {
    out[0] = kUpperHex[byte >> 4];
    out[1] = kUpperHex[byte & 0x0F];
    return out + 2;
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
