#include "tests/faults/fault_job.h"

#include <atomic>

#include "app/conversion_job.h"
#include "dbc/loader.h"
#include "run/batch.h"
#include "tools/dtgen/capture_builder.h"

namespace faults {

FaultJob::FaultJob() : dir("faults") {
    const Path dbc = testing_support::sourceDir() / "examples" / "vehicle.dbc";
    EXPECT_TRUE(dbc::loadDbcFile(database, dbc, dir / "dbcload.log"));
    settings::ConversionSettings settings;
    settings.columns.rawData = true;
    options = tables::buildConversionOptions(settings);
}

std::string FaultJob::capture(uint64_t seed, uint64_t frames) {
    dtgen::CaptureBuilder builder(29);
    builder.startTime(1700000000, 0);
    builder.random({.count = frames,
                    .seed = seed,
                    .ids = {{0x100, false},
                            {0x200, false},
                            {0x300, false},
                            {0x400, false},
                            {0x18FF50E5, true},
                            {0x0CF00400, true},
                            {0x7FF, false}}});
    return builder.build();
}

std::vector<Path> FaultJob::writeCaptures(const Path& folder,
                                          const std::vector<std::string>& bytes) {
    std::filesystem::create_directories(folder);
    std::vector<Path> paths;
    for (size_t i = 0; i < bytes.size(); ++i) {
        paths.push_back(folder / (std::string(1, static_cast<char>('a' + i)) + ".DT"));
        testing_support::writeFileBytes(paths.back(), bytes[i]);
    }
    return paths;
}

std::vector<std::string> FaultJob::referenceOutputs(const std::vector<std::string>& bytes) {
    const std::vector<Path> inputs = writeCaptures(dir / "reference", bytes);
    const JobReport report = runJob(inputs);
    std::vector<std::string> outputs;
    for (size_t i = 0; i < inputs.size(); ++i) {
        EXPECT_EQ(report.results[i], 0);
        Path output = inputs[i];
        outputs.push_back(testing_support::readFileBytes(output.replace_extension(".csv")));
    }
    return outputs;
}

JobReport FaultJob::runJob(const std::vector<Path>& inputs) {
    JobReport report;
    const run::FileConversion convertOne = run::makeFileConversion(database, options);
    for (const Path& input : inputs) {
        Path output;
        report.results.push_back(run::outputPathFor(input, output));
    }
    size_t current = 0;
    app::JobCallbacks callbacks;
    callbacks.progress = [&](int32_t position) {
        report.progress.push_back(position);
        if (position % 2 == 1) current = static_cast<size_t>(position / 2);
    };
    callbacks.done = [&](int32_t result) { report.done = result; };
    const auto one = [&](const Path& input, const Path& output) {
        const run::FileOutcome outcome = convertOne(input, output);
        report.results[current] = outcome.code;
        return outcome;
    };
    const std::atomic<bool> neverStop{false};
    app::runConversionJob(inputs, one, callbacks, neverStop);
    return report;
}

}  // namespace faults
