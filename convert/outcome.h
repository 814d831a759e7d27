// What happened to one input of a batch, said in words rather than by a raw result code. The
// code stays with it for the user (and for the Windows program's message table).
#pragma once

#include <cstdint>

namespace convert {

enum class FileStatus {
    kConverted,     // the output was written completely
    kLoadFailed,    // the capture could not be read, or holds data the program cannot convert
    kOutputFailed,  // the output could not be formed, created or written
    kStopped,       // not converted: the batch was asked to stop before this file
    kFailed,        // anything else (out of memory, an unexpected failure)
};

struct FileOutcome {
    FileStatus status = FileStatus::kConverted;
    int32_t code = 0;  // 0, or the result code in the HRESULT convention

    bool converted() const { return status == FileStatus::kConverted; }
    static FileOutcome loadFailed(int32_t code) { return {FileStatus::kLoadFailed, code}; }
    static FileOutcome outputFailed(int32_t code) { return {FileStatus::kOutputFailed, code}; }
};

// The Windows program's English message for a failed result: "The specified data file is
// unsupported or corrupt." for data it cannot read, "Cannot convert." for any other failure,
// nullptr for success or a cancelled file.
const char* failureMessage(int32_t code);

}  // namespace convert
