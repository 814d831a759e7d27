#include "tables/text_format.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

#include "output/small_copy.h"

namespace tables {

namespace {

constexpr char kPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

[[gnu::always_inline]] inline void putPair(char* out, uint32_t pair) {
    std::memcpy(out, kPairs + 2 * static_cast<size_t>(pair), 2);
}

// Digits of a decimal number, at least 1.
int decimalDigits(uint64_t value) {
    int digits = 1;
    for (; value >= 10000; value /= 10000) digits += 4;
    if (value >= 1000) return digits + 3;
    if (value >= 100) return digits + 2;
    return value >= 10 ? digits + 1 : digits;
}

// The `digits` lowest decimal digits of value, zero-padded; returns the end.
char* writeDecimal(char* out, uint64_t value, int digits) {
    char* p = out + digits;
    while (p - out >= 2) {
        p -= 2;
        putPair(p, static_cast<uint32_t>(value % 100));
        value /= 100;
    }
    if (p != out) *out = static_cast<char>('0' + value % 10);
    return out + digits;
}

// The whole part and the millionths of m * 2^-s, rounded half to even as printf rounds an exact
// tie. In 64 bits for up to 50 bits after the point (m * 10^6 = m * 15625 * 2^6 then fits);
// false for more.
bool splitSmallValue(uint64_t mantissa, int shift, uint64_t& whole, uint64_t& millionths) {
    if (mantissa == 0) {
        whole = millionths = 0;
        return true;
    }
    const int zeros = std::countr_zero(mantissa);
    const int bits = shift - zeros;  // significant bits after the point
    mantissa >>= zeros;
    if (bits <= 0) {
        whole = mantissa << -bits;  // below 2^43, as the caller checked
        millionths = 0;
        return true;
    }
    if (bits > 50) return false;
    whole = mantissa >> bits;
    const uint64_t scaled = (mantissa & ((uint64_t{1} << bits) - 1)) * 15625;
    if (bits <= 6) {
        millionths = scaled << (6 - bits);
        return true;
    }
    const int drop = bits - 6;
    millionths = scaled >> drop;
    const uint64_t rest = scaled & ((uint64_t{1} << drop) - 1);
    const uint64_t half = uint64_t{1} << (drop - 1);
    if (rest > half || (rest == half && (millionths & 1) != 0)) ++millionths;
    if (millionths == 1000000) {
        millionths = 0;
        ++whole;
    }
    return true;
}

// The same for any shift, in 128 bits.
void splitSmallValueWide(uint64_t mantissa, int shift, uint64_t& whole, uint64_t& millionths) {
    using Wide = unsigned __int128;
    const Wide scaled = static_cast<Wide>(mantissa) * 1000000u;  // below 2^73
    uint64_t units = 0;                                          // the value in millionths, rounded
    if (shift < 100) {                                           // else far below half a millionth
        const Wide one = Wide{1} << shift;
        Wide quotient = scaled >> shift;
        const Wide twiceRemainder = (scaled & (one - 1)) << 1;
        if (twiceRemainder > one || (twiceRemainder == one && (quotient & 1) != 0)) ++quotient;
        units = static_cast<uint64_t>(quotient);
    }
    whole = units / 1000000;
    millionths = units % 1000000;
}

// The eight decimal digits of a number below 10^8 as ASCII bytes in memory order (the first
// digit in the lowest byte), all lanes worked at once: 4-digit halves, then pairs, then digits.
[[gnu::always_inline]] inline uint64_t eightDigits(uint32_t value) {
    const uint64_t high = value / 10000;
    const uint64_t halves = high | ((value - high * 10000) << 32);
    const uint64_t hundreds = ((halves * 10486) >> 20) & 0x0000007F0000007F;
    const uint64_t pairs = hundreds | ((halves - hundreds * 100) << 16);
    const uint64_t tens = ((pairs * 103) >> 10) & 0x000F000F000F000F;
    return (tens | ((pairs - tens * 10) << 8)) + 0x3030303030303030;
}

// Writes the whole part and the six decimals; `out` must have room for 8 bytes past the text.
char* writeFixed(char* out, uint64_t whole, uint32_t millionths) {
    if (std::endian::native == std::endian::little && whole < 100000000) {
        // Eight digits of each part at once: leading zero digits of the whole part are the low
        // bytes equal to '0' (one digit stays), and the decimals' two leading zeros make room
        // for the point.
        const uint64_t digits = eightDigits(static_cast<uint32_t>(whole));
        const int zeros = std::min(std::countr_zero(digits ^ 0x3030303030303030) / 8, 7);
        const uint64_t significant = digits >> (8 * zeros);
        std::memcpy(out, &significant, 8);
        out += 8 - zeros;
        const uint64_t decimals = (eightDigits(millionths) >> 8 & ~uint64_t{0xFF}) | '.';
        std::memcpy(out, &decimals, 8);
        return out + 7;
    }
    out = writeDecimal(out, whole, decimalDigits(whole));
    *out = '.';
    const uint32_t high = millionths / 10000;
    const uint32_t low = millionths - high * 10000;
    putPair(out + 1, high);
    putPair(out + 3, low / 100);
    putPair(out + 5, low % 100);
    return out + 7;
}

// "%lf" for magnitudes below 2^43 (about 8.8e12), worked out exactly in integers: the value is
// m * 2^-s, so the scaled value m * 10^6 / 2^s and its remainder are exact. 0 for values it
// does not cover.
size_t formatSmallValue(char* out, double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int exponentField = static_cast<int>((bits >> 52) & 0x7FF);
    uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    int exponent;  // value = mantissa * 2^exponent
    if (exponentField == 0) {
        exponent = -1074;
    } else {
        mantissa |= uint64_t{1} << 52;
        exponent = exponentField - 1075;
    }
    // Beyond 2^53 * 2^-10 = 2^43, and for infinities and not-a-number, the general path.
    if (exponent > -10) return 0;
    uint64_t whole;
    uint64_t millionths;
    if (!splitSmallValue(mantissa, -exponent, whole, millionths)) {
        splitSmallValueWide(mantissa, -exponent, whole, millionths);
    }
    char* p = out;
    if (negative) *p++ = '-';
    return static_cast<size_t>(writeFixed(p, whole, static_cast<uint32_t>(millionths)) - out);
}

}  // namespace

size_t formatValue(char* out, double value) {
    if (const size_t length = formatSmallValue(out, value); length != 0) return length;
    if (std::isnan(value)) {
        std::memcpy(out, "nan", 3);
        return 3;
    }
    if (std::isinf(value)) {
        if (value < 0) {
            std::memcpy(out, "-inf", 4);
            return 4;
        }
        std::memcpy(out, "inf", 3);
        return 3;
    }
    const auto result =
        std::to_chars(out, out + kValueTextCapacity, value, std::chars_format::fixed, 6);
    return static_cast<size_t>(result.ptr - out);
}

size_t formatMillionths(char* out, int64_t millionths) {
    // Without a branch: signs follow no pattern a predictor could learn.
    const bool negative = millionths < 0;
    const auto bits = static_cast<uint64_t>(millionths);
    const uint64_t magnitude = negative ? 0 - bits : bits;
    *out = '-';
    char* const p = out + (negative ? 1 : 0);
    const uint64_t whole = magnitude / 1000000;
    const auto fraction = static_cast<uint32_t>(magnitude - whole * 1000000);
    return static_cast<size_t>(writeFixed(p, whole, fraction) - out);
}

void appendValue(std::string& out, double value) {
    char buffer[kValueTextCapacity];
    out.append(buffer, formatValue(buffer, value));
}

void appendHex(std::string& out, uint32_t value, int minDigits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char buffer[8];
    int count = 0;
    do {
        buffer[count++] = kDigits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    for (int i = count; i < minDigits; ++i) out.push_back('0');
    while (count > 0) out.push_back(buffer[--count]);
}

void appendChannel(std::string& out, int32_t channel) {
    out += "CH";
    out += std::to_string(static_cast<int64_t>(channel) + 1);
}

void appendRawData(std::string& out, const uint8_t* data, int length) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (int i = 0; i < length; ++i) {
        if (i > 0) out.push_back(' ');
        out.push_back(kDigits[data[i] >> 4]);
        out.push_back(kDigits[data[i] & 0xF]);
    }
}

void appendDecimal(std::string& out, uint64_t value, int minDigits) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    const auto digits = static_cast<int>(result.ptr - buffer);
    for (int i = digits; i < minDigits; ++i) out.push_back('0');
    out.append(buffer, result.ptr);
}

void appendElapsed(std::string& out, uint64_t microseconds) {
    appendDecimal(out, microseconds / 1000000, 1);
    out.push_back('.');
    appendDecimal(out, microseconds % 1000000, 6);
}

}  // namespace tables
