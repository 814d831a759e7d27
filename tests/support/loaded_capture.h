// A capture built in memory (dtgen), loaded and walked as a frame source, for the tests of
// everything that reads frames.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "monitor/monitor_file.h"
#include "sources/capture_source.h"

namespace testing_support {

class LoadedCapture {
public:
    // `blockRecords`: records per block of the walk, 0 for the default.
    explicit LoadedCapture(const std::string& bytes, uint32_t blockRecords = 0) {
        loadResult_ = monitor::loadMonitorBytes(
            file_, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        file_.blockRecords = blockRecords;
    }
    ~LoadedCapture() { monitor::releaseMonitorFile(file_); }
    LoadedCapture(const LoadedCapture&) = delete;
    LoadedCapture& operator=(const LoadedCapture&) = delete;

    int32_t loadResult() const { return loadResult_; }
    monitor::MonitorFile& file() { return file_; }
    // A new walk of the capture from its first record.
    sources::CaptureSource& source() {
        source_ = std::make_unique<sources::CaptureSource>(file_);
        return *source_;
    }

private:
    monitor::MonitorFile file_;
    int32_t loadResult_ = 0;
    std::unique_ptr<sources::CaptureSource> source_;
};

}  // namespace testing_support
