// Capture files, the example database and reference conversions for the GUI tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "settings/conversion_settings.h"

namespace gui_testing {

// The example DBC file of the source tree.
std::filesystem::path exampleDbc();

// Writes a variant-29 capture of `frames` random frames whose identifiers the example database
// knows; the same seed gives the same file.
void writeCapture(const std::filesystem::path& path, uint64_t frames, uint64_t seed);
// Writes a file that is no capture at all.
void writeCorruptCapture(const std::filesystem::path& path);

// What the conversion engine writes for `capture` with `settings` and the example database.
std::string referenceConversion(const std::filesystem::path& capture,
                                const settings::ConversionSettings& settings);

}  // namespace gui_testing
