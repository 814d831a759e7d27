// What the command line says about a file that did not convert cleanly: the path, what
// happened in words (with the system's own text where there is one) and the code.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "run/batch.h"

namespace cli {

// The line for inputs[index] ("" for a file that converted completely). Cut-short files give a
// warning line; every other failure an error line.
// `done` is the command's word of what becomes of a file: "converted", "exported".
std::string outcomeLine(const std::vector<std::filesystem::path>& inputs, size_t index,
                        const run::FileResult& result, std::string_view done = "converted");

// What happened, in words alone ("" for a file that converted completely).
std::string outcomeWords(const std::vector<std::filesystem::path>& inputs,
                         const run::FileResult& result, std::string_view done = "converted");

// The warnings of a file whose resampled table left out the rows of gaps in its time, or whose
// time runs backwards: a line each, with the path ("" when none).
std::vector<std::string> resampleWarnings(const std::filesystem::path& input,
                                          const run::FileOutcome& outcome);

// "0x8007000D": the code as eight hexadecimal digits.
std::string codeText(int32_t code);

}  // namespace cli
