// What happened to one input of a batch, said in words rather than by a raw result code. The
// code stays with it for the user (and for the Windows program's message table).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "tables/resample_counts.h"

namespace run {

class FileStats;
class ExportStats;

enum class FileStatus {
    kConverted,     // the output was written completely
    kCutShort,      // the capture ends inside its frame records: the whole records present were
                    // converted and the output written, but frames are missing at the end
    kLoadFailed,    // the capture could not be read, or holds data the program cannot convert
    kOutputFailed,  // the output could not be formed, created or written
    kSameOutput,    // not converted: an earlier, different input of the batch has this output
    kStopped,       // not converted, or not finished: the batch was asked to stop
    kFailed,        // anything else (out of memory, an unexpected failure)
};

// What the code alone does not say.
enum class FailureDetail {
    kNone,
    kCaptureTooLarge,  // kLoadFailed: the capture is larger than 1 GiB
};

struct FileOutcome {
    FileStatus status = FileStatus::kConverted;
    int32_t code = 0;  // 0, or the result code in the HRESULT convention
    FailureDetail detail = FailureDetail::kNone;
    uint64_t recordsClaimed = 0;  // kCutShort: the records the capture announces
    uint64_t recordsPresent = 0;  // kCutShort: the whole records present, all converted
    // A log other than a capture: what it is ("BLF log"), and for kLoadFailed and kCutShort
    // where in it and what the reading met ("line 12: ...", "byte 4096: container 3 runs past
    // the end of the file").
    std::string inputName = {};
    std::string where = {};
    // The gaps a resampled table left out and the frames whose time runs backwards: warnings.
    tables::ResampleCounts resample = {};
    // What the conversion met, when the options asked for it (the report).
    std::shared_ptr<const FileStats> stats = nullptr;
    // What an export met and what its format could not carry, when asked for (the report).
    std::shared_ptr<const ExportStats> exportStats = nullptr;

    bool converted() const { return status == FileStatus::kConverted; }
    // Converted, completely or as far as the capture goes: the output was written.
    bool wroteOutput() const {
        return status == FileStatus::kConverted || status == FileStatus::kCutShort;
    }
    static FileOutcome loadFailed(int32_t code) { return {FileStatus::kLoadFailed, code}; }
    static FileOutcome outputFailed(int32_t code) { return {FileStatus::kOutputFailed, code}; }
};

// The Windows program's English message for a failed result: "The specified data file is
// unsupported or corrupt." for data it cannot read, "Cannot convert." for any other failure,
// nullptr for success or a cancelled file.
const char* failureMessage(int32_t code);

}  // namespace run
