// Opening an input for the walk of its frames, and the outcome of a file whose frames were all
// handed on: the parts of a file's outcome that come from its input, the same for every kind of
// output.
#pragma once

#include <filesystem>
#include <memory>

#include "run/file_outcome.h"
#include "sources/frame_source.h"

namespace run {

struct OpenedInput {
    std::unique_ptr<sources::FrameSource> source;  // nullptr when the input cannot be read
    FileOutcome failure;                           // then: kLoadFailed, and what is known of why
};

// Opens the input: the analyzer's capture.
OpenedInput openInput(const std::filesystem::path& input);

// The outcome of an output written completely as far as the input goes: converted, or cut short
// (a capture with the records it claims and the whole records present, all of them written).
FileOutcome writtenOutcome(const sources::FrameSource& source);

}  // namespace run
