// Conversion jobs over real capture files with the command line's worker, for the tests that
// break the output or stop the job: captures made by dtgen, the example database, and the
// outputs of an undisturbed job to compare with.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "dbc/database.h"
#include "tables/table_options.h"
#include "tests/support/test_paths.h"

namespace faults {

using Path = std::filesystem::path;

// What a job reported: one result per input (the output-path code for a file the job skips),
// the progress positions and the result passed to done (-1 when done was never called).
struct JobReport {
    std::vector<int32_t> results;
    std::vector<int32_t> progress;
    int32_t done = -1;
};

class FaultJob : public testing::Test {
protected:
    FaultJob();

    // A capture of `frames` random frames on the example database's messages.
    static std::string capture(uint64_t seed, uint64_t frames);
    // Writes the captures a.DT, b.DT, ... into `folder` and returns their paths.
    std::vector<Path> writeCaptures(const Path& folder, const std::vector<std::string>& bytes);
    // The outputs an undisturbed job writes for these captures.
    std::vector<std::string> referenceOutputs(const std::vector<std::string>& bytes);
    // The Windows program's job on this thread with the per-file conversion of both programs.
    JobReport runJob(const std::vector<Path>& inputs);

    dbc::CanDatabase database;
    tables::ConversionOptions options;
    testing_support::ScratchDir dir;
};

}  // namespace faults
