// What the frame exports share: the CAN FD data lengths, and the few number forms their text
// lines are made of, written straight into the output buffer (millions of lines a second).
#pragma once

#include <cstdint>

namespace convert {

// A frame with more data bytes than classic CAN carries goes out as a CAN FD frame.
constexpr int kClassicMaxLength = 8;

// The data length a frame is written with: classic lengths as they are, longer ones as the
// next length CAN FD can carry (9 -> 12, 36 -> 48), the bytes added being zero.
inline int canFdLength(int dataLength) {
    if (dataLength <= 8) return dataLength < 0 ? 0 : dataLength;
    if (dataLength <= 24) return (dataLength + 3) / 4 * 4;
    if (dataLength <= 32) return 32;
    if (dataLength <= 48) return 48;
    return 64;
}

// The data length code of a length canFdLength gives: 0-8, then 9 (12 bytes) .. 15 (64 bytes).
inline int canFdDlc(int length) {
    if (length <= 8) return length;
    if (length <= 24) return 6 + length / 4;  // 12 -> 9, 16 -> 10, 20 -> 11, 24 -> 12
    if (length <= 32) return 13;
    if (length <= 48) return 14;
    return 15;
}

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

}  // namespace convert
