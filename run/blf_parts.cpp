#include "run/blf_parts.h"

#include <algorithm>
#include <new>
#include <optional>
#include <utility>
#include <vector>

namespace run {

namespace {

constexpr size_t kReadStep = 4096;  // frames read at a time

// A part's frames: those read ahead, then the rest read from the part's source as the walk asks
// for them. The counts are the part's own.
class PartFrames final : public sources::FrameSource {
public:
    void start(const sources::TimeOrigin& origin, sources::BlfSource* source,
               uint64_t objectsBefore, const platform::Status& failure) {
        origin_ = origin;
        source_ = source;
        objectsBefore_ = objectsBefore;
        failure_ = failure;
        frames_.clear();
        next_ = 0;
        ended_ = source == nullptr;
        refreshCounts();
    }
    // Reads ahead up to `most` frames: whether the part's source has ended.
    bool readAhead(size_t most) {
        while (!ended_ && frames_.size() < most) {
            const size_t have = frames_.size();
            const size_t step = std::min(kReadStep, most - have);
            frames_.resize(have + step);
            const size_t got = source_->read({frames_.data() + have, step});
            frames_.resize(have + got);
            ended_ = got == 0;
        }
        refreshCounts();
        return ended_;
    }
    bool ended() const { return ended_; }

    size_t read(std::span<can::Frame> out) override {
        size_t count = std::min(out.size(), frames_.size() - next_);
        std::copy_n(frames_.begin() + static_cast<std::ptrdiff_t>(next_), count, out.begin());
        next_ += count;
        if (count == 0 && !ended_) {
            count = source_->read(out);
            ended_ = count == 0;
            refreshCounts();
        }
        return count;
    }
    platform::Status status() const override {
        if (next_ < frames_.size() || !ended_) return {};
        return source_ != nullptr ? source_->status() : failure_;
    }
    uint64_t bytesRead() const override { return source_ != nullptr ? source_->bytesRead() : 0; }
    const sources::TimeOrigin& timeOrigin() const override { return origin_; }
    const sources::SourceCounts& counts() const override { return counts_; }
    std::string_view formatName() const override { return "BLF log"; }

private:
    void refreshCounts() {
        if (source_ == nullptr) {
            counts_ = {};
            return;
        }
        counts_ = source_->counts();
        counts_.records -= std::min(counts_.records, objectsBefore_);
    }

    sources::TimeOrigin origin_;
    sources::BlfSource* source_ = nullptr;
    uint64_t objectsBefore_ = 0;
    platform::Status failure_;
    std::vector<can::Frame> frames_;
    size_t next_ = 0;
    bool ended_ = true;
    sources::SourceCounts counts_;
};

class BlfPartReader final : public PartReader {
public:
    explicit BlfPartReader(BlfParts& parts) : parts_(parts) {}
    ~BlfPartReader() override { endPart(); }
    BlfPartReader(const BlfPartReader&) = delete;
    BlfPartReader& operator=(const BlfPartReader&) = delete;

    sources::FrameSource& readPart(size_t index, uint64_t first, uint64_t end) override {
        endPart();
        // Every part hands on, whatever happens to its reading, so that none waits for ever:
        // here once its frames are read, else in endPart().
        pending_ = index;
        source_.reset();
        frames_.start(parts_.origin(), nullptr, 0, platform::Status::failure(platform::kFail));

        // The part's bytes read and its containers inflated first, side by side with the other
        // workers; then its objects are walked once the part before has handed on.
        std::unique_ptr<sources::ByteInput> input;
        if (const platform::Status read = readBytes(first, end, input); !read.ok()) {
            frames_.start(parts_.origin(), nullptr, 0, read);
            return frames_;
        }
        if (input != nullptr) inflated_.inflate({bytes_.get(), end - first}, first, inflater_);
        sources::BlfSource::PartState state;
        if (!parts_.stateBefore(index, state)) return frames_;
        if (input == nullptr) {
            auto range = std::make_unique<sources::FileRangeInput>();
            if (const platform::Status opened = range->open(parts_.input(), first, end);
                !opened.ok()) {
                frames_.start(parts_.origin(), nullptr, 0, opened);
                return frames_;
            }
            input = std::move(range);
        }
        const bool inMemory = dynamic_cast<sources::MemoryInput*>(input.get()) != nullptr;
        source_ = std::make_unique<sources::BlfSource>(std::move(input));
        source_->openPart(parts_.origin(), first, state, end == parts_.end());
        if (inMemory) source_->useInflated(&inflated_);
        frames_.start(parts_.origin(), source_.get(), state.stream.objects, {});
        if (frames_.readAhead(parts_.maxReadAhead())) endPart();
        return frames_;
    }

    // Hands the state after the part on: its source read to the end, or a failure that ends
    // the parts after it.
    void endPart() override {
        if (!pending_.has_value()) return;
        const size_t index = *pending_;
        pending_.reset();
        if (source_ != nullptr && frames_.ended() && source_->status().ok()) {
            const sources::BlfSource::PartState after = source_->partState();
            parts_.handOn(index, &after);
        } else {
            parts_.handOn(index, nullptr);
        }
    }

private:
    // A part of at most maxInMemory() bytes into memory, `input` reading it; else `input` stays
    // null, for the part to be read from the file as it is walked.
    platform::Status readBytes(uint64_t first, uint64_t end,
                               std::unique_ptr<sources::ByteInput>& input) {
        const uint64_t size = end - first;
        if (size > parts_.maxInMemory()) return {};
        if (size > capacity_) {
            bytes_.reset(new (std::nothrow) uint8_t[size]);
            capacity_ = bytes_ != nullptr ? size : 0;
            if (bytes_ == nullptr) return {};
        }
        if (!file_.has_value()) {
            file_.emplace();
            if (const int32_t opened = file_->open(parts_.input()); opened != platform::kOk) {
                file_.reset();
                return platform::Status::failure(opened);
            }
        }
        if (const int32_t read = file_->readAt(first, bytes_.get(), size); read != platform::kOk) {
            return platform::Status::failure(read, {}, platform::Place::byte(first));
        }
        input = std::make_unique<sources::MemoryInput>(
            std::span<const uint8_t>(bytes_.get(), static_cast<size_t>(size)));
        return {};
    }

    BlfParts& parts_;
    std::optional<size_t> pending_;  // the part read last, until it hands on
    std::unique_ptr<sources::BlfSource> source_;
    PartFrames frames_;
    std::optional<platform::InputFile> file_;
    std::unique_ptr<uint8_t[]> bytes_;
    uint64_t capacity_ = 0;
    sources::blf::Inflater inflater_;
    sources::blf::InflatedContainers inflated_;
};

}  // namespace

BlfParts::BlfParts(const std::filesystem::path& input, const sources::BlfSource& head,
                   uint64_t maxInMemory, size_t maxReadAhead)
    : input_(input),
      origin_(head.timeOrigin()),
      objectsStart_(head.objectsStart()),
      maxInMemory_(maxInMemory),
      maxReadAhead_(maxReadAhead) {}

platform::Status BlfParts::open() { return cut_.open(input_); }

std::unique_ptr<PartReader> BlfParts::openReader(platform::Status& failure) {
    failure = {};
    return std::make_unique<BlfPartReader>(*this);
}

bool BlfParts::stateBefore(size_t index, sources::BlfSource::PartState& state) {
    if (index == 0) return true;
    std::unique_lock lock(mutex_);
    handedOn_.wait(lock, [&] { return states_.count(index) != 0 || failedAfter_ < index; });
    const auto found = states_.find(index);
    if (found == states_.end()) return false;
    state = found->second;
    states_.erase(found);
    return true;
}

void BlfParts::handOn(size_t index, const sources::BlfSource::PartState* state) {
    {
        const std::lock_guard lock(mutex_);
        if (state != nullptr) {
            states_[index + 1] = *state;
        } else if (index < failedAfter_) {
            failedAfter_ = index;
        }
    }
    handedOn_.notify_all();
}

}  // namespace run
