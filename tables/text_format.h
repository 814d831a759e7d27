// Number and time texts of the output columns, produced without printf (which is too slow for
// millions of lines) but byte for byte as the printf formats the columns are defined by.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tables {

// "%lf": fixed notation, six decimals, '.' whatever the locale, written in full however large.
// Not-a-number and infinities as "nan", "inf" and "-inf" on every platform.
void appendValue(std::string& out, double value);

// The same into a buffer of kValueTextCapacity bytes (the largest double has 309 integer
// digits); returns the number of bytes written.
inline constexpr size_t kValueTextCapacity = 400;
size_t formatValue(char* out, double value);

// The same text for a value given exactly in millionths (-1.5 as -1500000), which "%lf" shows
// digit for digit: whole part, point, six decimals. Needs 8 bytes of room past the text.
size_t formatMillionths(char* out, int64_t millionths);

// "%0*lX": upper-case hexadecimal, at least `minDigits` digits, zero-padded, never cut.
void appendHex(std::string& out, uint32_t value, int minDigits);
// The Ch column's text of a channel (0 for CH1): "CH1", "CH2", ... "CH65536".
void appendChannel(std::string& out, int32_t channel);

// Data bytes as "%02X" each, joined by one space.
void appendRawData(std::string& out, const uint8_t* data, int length);

// Unsigned decimal, zero-padded to at least `minDigits` digits ("%0Nllu" / "%0Nd").
void appendDecimal(std::string& out, uint64_t value, int minDigits);

// "%llu.%06llu" for a microsecond count: seconds, point, six digits of microseconds.
void appendElapsed(std::string& out, uint64_t microseconds);

}  // namespace tables
