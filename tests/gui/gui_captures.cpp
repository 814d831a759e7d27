#include "tests/gui/gui_captures.h"

#include <memory>

#include "convert/converter.h"
#include "convert/options.h"
#include "convert/output_writer.h"
#include "dbc/loader.h"
#include "monitor/monitor_file.h"
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
                                const convert::ConversionSettings& settings) {
    auto database = std::make_unique<dbc::CanDatabase>();
    const std::filesystem::path log = capture.parent_path() / "reference.log";
    if (!dbc::loadDbcFile(*database, exampleDbc(), log)) return "<no database>";
    convert::ConversionOptions options;
    convert::buildConversionOptions(settings, options);
    options.outputPath = capture.parent_path() / "reference.out";
    monitor::MonitorFile monitor;
    if (monitor::loadMonitorFile(monitor, capture) != 0) return "<no capture>";
    convert::Converters converters(*database);
    convert::OutputWriter writer;
    const int32_t result = convert::convertFile(converters, monitor, writer, options);
    monitor::releaseMonitorFile(monitor);
    std::string bytes = testing_support::readFileBytes(options.outputPath);
    std::filesystem::remove(options.outputPath);
    std::filesystem::remove(log);
    return result == 0 ? bytes : "<conversion failed>";
}

}  // namespace gui_testing
