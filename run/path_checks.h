// The files a run reads and the files it writes, compared before anything is written: a run
// never writes over one of its inputs (a capture, a database, a settings file) nor writes one
// file twice (a report over an output, a load log over a database). Paths are compared as the
// file system compares them: the same file through another name or a link, and on Windows in
// another case, is the same file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "platform/status.h"

namespace run {

struct RunFile {
    std::filesystem::path path;
    std::string role;  // for messages: "the input", "the report", "the output of a.DT"
    // An output of the batch: two inputs with one output are the batch's to sort out (the first
    // is converted, the others say so), so outputs are not held against each other here.
    bool batchOutput = false;
};

// Success, or kInvalidArgument naming the first file written that is a file read or another
// file written: "the report x.DT is the capture x.DT".
platform::Status checkRunFiles(const std::vector<RunFile>& reads,
                               const std::vector<RunFile>& writes);

// Whether two paths name the same file, existing or not.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace run
