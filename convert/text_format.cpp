#include "convert/text_format.h"

#include <charconv>
#include <cmath>

namespace convert {

void appendValue(std::string& out, double value) {
    if (std::isnan(value)) {
        out += "nan";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-inf" : "inf";
        return;
    }
    // The largest double has 309 integer digits; fixed notation with six decimals fits here.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, 6);
    out.append(buffer, result.ptr);
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
