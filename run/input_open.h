// Opening an input for the walk of its frames, whatever its format, and the outcome of a file
// whose frames were all handed on: the parts of a file's outcome that come from its input, the
// same for every kind of output.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "run/file_outcome.h"
#include "sources/format_detection.h"
#include "sources/frame_source.h"

namespace run {

// How inputs are read: their format told by content or given, and the names candump logs'
// interfaces stand for.
struct InputChoice {
    std::optional<sources::InputFormat> format;  // empty: told by each file's content
    std::vector<std::string> channelNames;       // interfaces that are CH1, CH2, ...
};

struct OpenedInput {
    std::unique_ptr<sources::FrameSource> source;  // nullptr when the input cannot be read
    FileOutcome failure;                           // then: kLoadFailed, and what is known of why
};

// Opens the input: an analyzer's capture, or a BLF, ASC, candump or TRC log (the text ones also
// gzip-compressed). A file that is none of them is read as a capture, whose loader says why not;
// but one named as a log (sources::logNamedBy) fails as that log, with why it is none.
OpenedInput openInput(const std::filesystem::path& input, const InputChoice& choice = {});

// The outcome of an output written completely as far as the input goes: converted, or cut short
// (a capture with the records it claims and the whole records present, a log with where it
// ends), all of its frames written.
FileOutcome writtenOutcome(const sources::FrameSource& source);

}  // namespace run
