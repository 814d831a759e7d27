// A BLF log cut into parts between its containers for several workers. An object may run from
// one container into the next, so each part's objects go on from where the reading of the part
// before left them: a worker reads its part whole into memory (inflating its containers), hands
// on where the reading ended, and only then converts the part's frames. The reading goes part
// after part; the decoding and writing, the larger share, goes on side by side.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>

#include "run/part_file.h"
#include "sources/blf/blf_part_cut.h"
#include "sources/blf/blf_source.h"

namespace run {

class BlfParts final : public PartFile {
public:
    // Parts are sized in bytes of the file.
    static constexpr PartSizes kSizes{.firstUnits = uint64_t{256} << 10,
                                      .minUnits = uint64_t{16} << 10,
                                      .maxUnits = uint64_t{16} << 20,
                                      .outputBytes = uint64_t{2} << 20};

    // A worker reads a part of up to this many bytes into memory and inflates its containers
    // before it waits for the part before; a larger one (the rest of a file holding more than
    // containers) it reads from the file as it walks it.
    static constexpr uint64_t kMaxInMemory = uint64_t{8} << 20;
    // The frames a worker reads ahead of its conversion at most (about 7 MiB): the frames of a
    // part beyond them (a part of one huge container, or the rest of a file that could not be
    // cut) are read as they are converted, and the part after waits until then.
    static constexpr size_t kMaxReadAhead = 65536;

    // `head`: the log opened already, its file header read.
    BlfParts(const std::filesystem::path& input, const sources::BlfSource& head,
             uint64_t maxInMemory = kMaxInMemory, size_t maxReadAhead = kMaxReadAhead);
    platform::Status open();
    // Whether the log is worth several workers: less than two parts of the first size is not.
    bool worthParts(unsigned workers) const {
        return workers > 1 && end() - begin() > kSizes.firstUnits * 2;
    }

    uint64_t begin() const override { return objectsStart_; }
    uint64_t end() const override { return cut_.fileSize(); }
    uint64_t cutAfter(uint64_t first, uint64_t units) override {
        return cut_.cutAfter(first, units);
    }
    std::unique_ptr<PartReader> openReader(platform::Status& failure) override;

    // The state part `index` goes on from, once the part before has handed it on: false when
    // the reading of a part before it failed.
    bool stateBefore(size_t index, sources::BlfSource::PartState& state);
    // Hands on the state after part `index`; null when its reading failed.
    void handOn(size_t index, const sources::BlfSource::PartState* state);

    const std::filesystem::path& input() const { return input_; }
    uint64_t maxInMemory() const { return maxInMemory_; }
    size_t maxReadAhead() const { return maxReadAhead_; }
    const sources::TimeOrigin& origin() const { return origin_; }

private:
    const std::filesystem::path input_;
    sources::TimeOrigin origin_;
    uint64_t objectsStart_;
    uint64_t maxInMemory_;
    size_t maxReadAhead_;
    sources::blf::PartCut cut_;
    std::mutex mutex_;
    std::condition_variable handedOn_;
    std::map<size_t, sources::BlfSource::PartState> states_;  // by the part that takes it
    size_t failedAfter_ = static_cast<size_t>(-1);            // the first part that failed
};

}  // namespace run
