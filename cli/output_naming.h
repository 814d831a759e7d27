// Where the outputs of a run go, from -o DIR and --output FILE: beside their inputs, into a
// folder (made when missing), or one named output (or standard output) for a single input.
#pragma once

#include <string>

#include "run/batch.h"

namespace cli {

// Fills the naming's folder or single output (its extension stays as it is). false, after
// saying why on standard error with `command` in front, when that cannot be.
bool outputNamingOf(const char* command, const std::string& outputDir,
                    const std::string& outputFile, size_t inputCount, run::OutputNaming& naming);

}  // namespace cli
