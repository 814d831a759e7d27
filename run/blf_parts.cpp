#include "run/blf_parts.h"

#include <new>
#include <optional>
#include <utility>

#include "sources/frame_list_source.h"

namespace run {

namespace {

constexpr size_t kReadStep = 4096;  // frames read at a time

class BlfPartReader final : public PartReader {
public:
    explicit BlfPartReader(BlfParts& parts) : parts_(parts) {}

    sources::FrameSource& readPart(size_t index, uint64_t first, uint64_t end) override {
        list_.reset(parts_.origin(), "BLF log");
        // Every part hands on, whatever happens to its reading, so that none waits for ever.
        bool handedOn = false;
        struct Failed {
            BlfParts& parts;
            size_t index;
            bool& handedOn;
            ~Failed() {
                if (!handedOn) parts.handOn(index, nullptr);
            }
        } failed{parts_, index, handedOn};

        // The part's bytes read and its containers inflated first, side by side with the other
        // workers; then its objects are walked once the part before has handed on.
        std::unique_ptr<sources::ByteInput> input;
        if (const platform::Status read = readBytes(first, end, input); !read.ok()) {
            list_.end(read, 0);
            return list_;
        }
        if (input != nullptr) inflated_.inflate({bytes_.get(), end - first}, first, inflater_);
        sources::BlfSource::PartState state;
        if (!parts_.stateBefore(index, state)) {
            list_.end(platform::Status::failure(platform::kFail), 0);
            return list_;
        }
        if (input == nullptr) {
            auto range = std::make_unique<sources::FileRangeInput>();
            if (const platform::Status opened = range->open(parts_.input(), first, end);
                !opened.ok()) {
                list_.end(opened, 0);
                return list_;
            }
            input = std::move(range);
        }
        const uint64_t objectsBefore = state.stream.objects;
        const bool inMemory = dynamic_cast<sources::MemoryInput*>(input.get()) != nullptr;
        sources::BlfSource source(std::move(input));
        source.openPart(parts_.origin(), first, state, end == parts_.end());
        if (inMemory) source.useInflated(&inflated_);
        std::vector<can::Frame>& frames = list_.frames();
        for (;;) {
            const size_t have = frames.size();
            frames.resize(have + kReadStep);
            const size_t got = source.read({frames.data() + have, kReadStep});
            frames.resize(have + got);
            if (got == 0) break;
        }
        list_.partCounts() = source.counts();
        list_.partCounts().records = source.counts().records - objectsBefore;
        list_.end(source.status(), end - first);
        if (source.status().ok()) {
            const sources::BlfSource::PartState after = source.partState();
            handedOn = true;
            parts_.handOn(index, &after);
        }
        return list_;
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
    sources::FrameListSource list_;
    std::optional<platform::InputFile> file_;
    std::unique_ptr<uint8_t[]> bytes_;
    uint64_t capacity_ = 0;
    sources::blf::Inflater inflater_;
    sources::blf::InflatedContainers inflated_;
};

}  // namespace

BlfParts::BlfParts(const std::filesystem::path& input, const sources::BlfSource& head,
                   uint64_t maxInMemory)
    : input_(input),
      origin_(head.timeOrigin()),
      objectsStart_(head.objectsStart()),
      maxInMemory_(maxInMemory) {}

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
