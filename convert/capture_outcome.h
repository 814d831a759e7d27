// The parts of a file's outcome that come from its capture, the same for every kind of output:
// a capture that cannot be read, and one that ends inside its frame records.
#pragma once

#include <filesystem>

#include "convert/outcome.h"
#include "monitor/monitor_file.h"

namespace convert {

// Loads the capture; false with the failure (kLoadFailed, and whether it was too large) in
// `failure` when it cannot be read.
bool loadCapture(monitor::MonitorFile& capture, const std::filesystem::path& input,
                 FileOutcome& failure);

// The outcome of an output written completely as far as the capture goes: converted, or cut
// short with the records the capture claims and the whole records present, all of them written.
FileOutcome writtenOutcome(const monitor::MonitorFile& capture);

}  // namespace convert
