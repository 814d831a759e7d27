// The text description dtgen turns into a monitor data file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tools/dtgen/capture_builder.h"

namespace dtgen {

// One statement a line; '#' starts a comment; numbers are decimal or 0x-prefixed hexadecimal,
// data bytes two hexadecimal digits each. The first statement names the variant:
//   variant 27|29
//   time-stamp-mode N            (-128..127)
//   start SECONDS NANOSECONDS    (recording start, variant 29)
//   sub-kind 0|4
//   record-tag MOND|MDAC
//   frame ch1|ch2 std|ext ID TIME [BYTE...] [length N] [extension]
//   event KIND TIME
//   random COUNT [seed N] [step N] [length N] [ids std:ID,ext:ID,...]
//   record BYTE x 32            (one raw record)
//   damage signature | damage truncate N | damage item-length ITEM LENGTH
// Examples: "variant 29", "frame ch2 ext 0x18FEF100 2500 01 A2 FF", "random 1000 seed 7".
// Answers the builder, or nothing with `error` set to "line N: what is wrong".
std::optional<CaptureBuilder> parseDescription(std::string_view text, std::string& error);

}  // namespace dtgen
