#include "convert/text_format.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "convert/small_copy.h"

namespace convert {

namespace {

// "%lf" for magnitudes below 2^43 (about 8.8e12), worked out exactly in integers: the value is
// m * 2^-s, so the scaled value m * 10^6 / 2^s and its remainder are exact, and the last digit
// is rounded half to even as printf rounds an exact tie. False for values it does not cover.
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
    const int shift = -exponent;
    using Wide = unsigned __int128;
    const Wide scaled = static_cast<Wide>(mantissa) * 1000000u;  // below 2^73
    uint64_t units;                                              // the value in millionths, rounded
    if (shift >= 100) {
        units = 0;  // far below half a millionth
    } else {
        const Wide one = Wide{1} << shift;
        Wide quotient = scaled >> shift;
        const Wide twiceRemainder = (scaled & (one - 1)) << 1;
        if (twiceRemainder > one || (twiceRemainder == one && (quotient & 1) != 0)) ++quotient;
        units = static_cast<uint64_t>(quotient);
    }
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    char buffer[32];
    char* end = buffer + sizeof buffer;
    char* p = end;
    auto fraction = static_cast<uint32_t>(units % 1000000);
    for (int i = 0; i < 3; ++i) {
        p -= 2;
        std::memcpy(p, kPairs + 2 * static_cast<size_t>(fraction % 100), 2);
        fraction /= 100;
    }
    *--p = '.';
    uint64_t whole = units / 1000000;
    while (whole >= 100) {
        p -= 2;
        std::memcpy(p, kPairs + 2 * (whole % 100), 2);
        whole /= 100;
    }
    if (whole >= 10) {
        p -= 2;
        std::memcpy(p, kPairs + 2 * whole, 2);
    } else {
        *--p = static_cast<char>('0' + whole);
    }
    if (negative) *--p = '-';
    const auto length = static_cast<size_t>(end - p);
    copySmall(out, p, length);
    return length;
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

}  // namespace convert
