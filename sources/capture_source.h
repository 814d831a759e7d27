// The analyzer's monitor data files (*.DT) as a frame source: the record walk of either layout,
// a block of records at a time. Every head record becomes one entry, in file order: a frame
// (kData), a frame record whose continuation records are missing or wrong (kDamaged), or a bus
// event of another kind (kEvent, with the record kind as its code). Frame::place is the head
// record's index among all records.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "monitor/monitor_file.h"
#include "sources/frame_source.h"

namespace sources {

class CaptureSource final : public FrameSource {
public:
    CaptureSource();
    // Walks a capture loaded elsewhere (tests and fuzzers build captures in memory), which must
    // outlive the source.
    explicit CaptureSource(const monitor::MonitorFile& loaded);
    ~CaptureSource() override;

    // Loads the capture's information block; the records are read by read(). The failure is
    // the load's code (0x8007000D for no capture this program reads, the system's error for a
    // file that cannot be read); `report` tells whether it was refused for its size alone.
    platform::Status open(const std::filesystem::path& path, monitor::LoadReport* report = nullptr);

    // Walks from now on only the head records from `first` to before `end` (indexes among all
    // records): one part of a capture converted by several workers. bytesRead() counts the
    // part's records; counts() stays the whole capture's.
    void walkPart(uint32_t first, uint32_t end);

    size_t read(std::span<can::Frame> frames) override;
    platform::Status status() const override { return status_; }
    uint64_t bytesRead() const override;
    const TimeOrigin& timeOrigin() const override { return origin_; }
    const SourceCounts& counts() const override { return counts_; }
    std::string_view formatName() const override { return "capture"; }

    const monitor::MonitorFile& capture() const { return *file_; }
    // Nanoseconds of one count of the records' time field (a layout-27 capture without a time
    // unit is read in microseconds, and its times are shown nowhere).
    uint64_t nanosecondsPerCount() const { return nanosecondsPerCount_; }

    class Reader;  // the walk of one record layout

private:
    void start();

    monitor::MonitorFile owned_;
    const monitor::MonitorFile* file_;
    std::unique_ptr<Reader> reader_;
    platform::Status status_;
    TimeOrigin origin_;
    SourceCounts counts_;
    uint64_t nanosecondsPerCount_ = 1000;
};

}  // namespace sources
