// What happened to a capture read by the module, in the command line's words: an error line
// for a capture that could not be read, a warning line for one cut short.
#pragma once

#include <pybind11/pybind11.h>

#include <string>

#include "convert/outcome.h"
#include "monitor/monitor_file.h"

namespace txtcvt_python {

// The outcome of reading the records of a loaded capture: the error of the walk, or cut short,
// or read completely.
convert::FileOutcome readOutcome(const monitor::MonitorFile& file, int32_t walkResult);

// Adds "error" (the line, or None), "code" and "warning" (the cut-short line, or None).
void describeOutcome(pybind11::dict& out, const std::string& display,
                     const convert::FileOutcome& outcome);

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
};
CaptureSummary summaryOf(const monitor::MonitorFile& file);

// The summary as the frames' attributes.
pybind11::dict captureInformation(const CaptureSummary& summary);

}  // namespace txtcvt_python
