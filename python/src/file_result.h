// What the module tells of a file it read: what happened, in the command line's words (an error
// line for a file that could not be read, a warning line for one cut short), and what the
// file's own information says.
#pragma once

#include <pybind11/pybind11.h>

#include <map>
#include <string>
#include <vector>

#include "run/file_outcome.h"
#include "sources/frame_source.h"

namespace txtcvt_python {

// Adds "error" (the line, or None), "code" and "warning" (the cut-short line, or None).
void describeOutcome(pybind11::dict& out, const std::string& display,
                     const run::FileOutcome& outcome);

// What the data frames tell of a capture's information block, kept past the release of the file.
struct CaptureSummary {
    int variant = 0;
    int subKind = 0;
    int timeStampMode = 0;
    int64_t startSeconds = 0;
    int64_t startNanoseconds = 0;
    uint32_t records = 0;
    bool cutShort = false;
    uint32_t recordsClaimed = 0;
    // A log other than a capture: what it is, its start, what its reader left out.
    std::string format;  // empty for a capture
    bool dated = false;
    std::string cutShortWhere;
    std::map<std::string, uint64_t> skipped;
    uint64_t unreadable = 0;
    std::vector<uint64_t> firstUnreadable;
    std::vector<std::string> channelNames;
};
// A capture's information block; defaults for other inputs.
CaptureSummary summaryOf(const sources::FrameSource& source);

// The summary as the frames' attributes.
pybind11::dict captureInformation(const CaptureSummary& summary);

}  // namespace txtcvt_python
