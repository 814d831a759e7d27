// Small text rules shared by the DBC statement parser and finalisation: word classes, number
// conversions that never overflow, and the unquoting of DBC strings.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dbc {

// Every character an ASCII letter, digit or '_' (bytes 0x80 and above are not).
bool isIdentifierWord(std::string_view text);
// Every character a decimal digit.
bool isNumberWord(std::string_view text);
// At least two characters, the first and the last a double quote.
bool isQuotedWord(std::string_view text);

// Decimal conversion as strtoll does it: optional sign, digits up to the first other
// character, 0 when nothing converts; out-of-range values saturate at the int64 limits.
int64_t toInt64(std::string_view text);
// The same, saturated to the int32 range (so "99999999999" gives INT32_MAX on every platform).
int32_t toInt32(std::string_view text);
// A message identifier: the int64 conversion, low 32 bits kept.
uint32_t toIdentifier(std::string_view text);
// Decimal real conversion ('.' as decimal point, exponent allowed, no hex or inf/nan forms);
// reads the longest such prefix, 0.0 when there is none. Overflow gives +-infinity.
double toReal(std::string_view text);

// Removes the double quotes of a DBC string; a backslash before a quote keeps that quote
// (the backslash goes), every other backslash stays.
std::string unquote(std::string_view text);

}  // namespace dbc
