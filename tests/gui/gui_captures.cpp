#include "tests/gui/gui_captures.h"

#include <memory>

#include "dbc/loader.h"
#include "monitor/monitor_file.h"
#include "run/file_converter.h"
#include "tables/table_options.h"
#include "tests/support/test_paths.h"
#include "tools/dtgen/capture_builder.h"

namespace gui_testing {

std::filesystem::path exampleDbc() {
    return testing_support::sourceDir() / "examples" / "vehicle.dbc";
}

void writeCapture(const std::filesystem::path& path, uint64_t frames, uint64_t seed) {
    dtgen::CaptureBuilder builder(29);
    builder.startTime(1714566896, 789000000);
    dtgen::RandomFrames random;
    random.count = frames;
    random.seed = seed;
    random.length = 8;
    random.ids = {{0x100, false}, {0x200, false}, {0x400, false}, {0x18FF50E5, true}};
    builder.random(random);
    testing_support::writeFileBytes(path, builder.build());
}

void writeCorruptCapture(const std::filesystem::path& path) {
    dtgen::CaptureBuilder builder(29);
    builder.random({.count = 4}).breakSignature();
    testing_support::writeFileBytes(path, builder.build());
}

std::string referenceConversion(const std::filesystem::path& capture,
                                const settings::ConversionSettings& settings) {
    auto database = std::make_unique<dbc::CanDatabase>();
    const std::filesystem::path log = capture.parent_path() / "reference.log";
    if (!dbc::loadDbcFile(*database, exampleDbc(), log)) return "<no database>";
    const tables::ConversionOptions options = tables::buildConversionOptions(settings);
    const std::filesystem::path output = capture.parent_path() / "reference.out";
    const run::FileOutcome outcome =
        run::FileConverter(decode::Decoding::of(*database), options).convert(capture, output);
    std::string bytes = testing_support::readFileBytes(output);
    std::filesystem::remove(output);
    std::filesystem::remove(log);
    return outcome.converted() ? bytes : "<conversion failed>";
}

}  // namespace gui_testing
