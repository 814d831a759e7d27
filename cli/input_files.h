// The input files of a conversion: paths as given, folders as their monitor data files, and
// wildcards expanded by the program itself (the Windows shell leaves them to it).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "sources/format_detection.h"

namespace cli {

// Orders names as the Windows file list does: runs of digits compare as numbers (file2 before
// file10), letters without regard to ASCII case. Negative, zero or positive.
int compareLogical(std::string_view a, std::string_view b);

// '*' (any run) and '?' (one character) against a file name, ASCII case ignored as on Windows.
bool matchesWildcard(std::string_view pattern, std::string_view name);

// Expands the inputs in order. A folder gives its "*.DT" files (hidden files and folders left
// out) in logical order, or with a log format its files of that format (x.blf; x.asc, x.log,
// x.trc and their .gz; never the load logs dbcload*.log); a name with a wildcard gives the matching
// files of its folder in logical order; any other name is kept as it is, so that its conversion
// reports whether it can be read. `problems` receives one line per input that named nothing.
std::vector<std::filesystem::path> expandInputs(
    const Arguments& inputs, std::vector<std::string>& problems,
    std::optional<sources::InputFormat> format = std::nullopt);

}  // namespace cli
