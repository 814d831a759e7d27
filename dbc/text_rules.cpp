#include "dbc/text_rules.h"

#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>

#include "dbc/char_classes.h"

namespace dbc {

namespace {

bool isDigit(char c) { return chars::is(c, chars::kDigit); }

bool isSpace(char c) { return chars::is(c, chars::kSpace); }

}  // namespace

bool isIdentifierWord(std::string_view text) {
    for (char c : text) {
        if (!chars::is(c, chars::kIdentifier)) return false;
    }
    return true;
}

bool isNumberWord(std::string_view text) {
    for (char c : text) {
        if (!isDigit(c)) return false;
    }
    return true;
}

bool isQuotedWord(std::string_view text) {
    return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

int64_t toInt64(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && isSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Accumulate as a negative number so that INT64_MIN itself is representable.
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    int64_t value = 0;
    bool saturated = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        const int digit = text[i] - '0';
        if (value < (kMin + digit) / 10) {
            saturated = true;
            continue;
        }
        value = value * 10 - digit;
    }
    if (saturated) return negative ? kMin : std::numeric_limits<int64_t>::max();
    if (negative) return value;
    return value == kMin ? std::numeric_limits<int64_t>::max() : -value;
}

int32_t toInt32(std::string_view text) {
    const int64_t wide = toInt64(text);
    if (wide > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (wide < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(wide);
}

uint32_t toIdentifier(std::string_view text) {
    return static_cast<uint32_t>(static_cast<uint64_t>(toInt64(text)) & 0xFFFFFFFFu);
}

double toReal(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && isSpace(text[i])) ++i;
    const size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && isDigit(text[i]); ++i) ++digits;
    }
    if (digits == 0) return 0.0;
    size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j])) ++j;
            end = j;
        }
    }
    // The prefix is known to be plain decimal: from_chars reads it as strtod would (both round
    // correctly), without a terminated copy. It takes no '+', and leaves the value alone when it
    // is out of range, where strtod gives +-infinity or the nearest value towards zero.
    const size_t digitsStart = text[start] == '+' ? start + 1 : start;
    double value = 0.0;
    const auto [ptr, error] = std::from_chars(text.data() + digitsStart, text.data() + end, value);
    if (error == std::errc() && ptr == text.data() + end) return value;
    const std::string number(text.substr(start, end - start));
    return std::strtod(number.c_str(), nullptr);
}

std::string unquote(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '"') {
            out += '"';
            ++i;
        } else if (text[i] != '"') {
            out += text[i];
        }
    }
    return out;
}

}  // namespace dbc
