// Builds monitor data files: the signature, an information chunk of variant 27 or 29 with every
// item the loader knows, and a frame-record chunk with head, extension and continuation records.
// It can also damage what it writes (signature, item lengths, truncation) for tests.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace dtgen {

struct FrameSpec {
    int channel = 0;  // 0 CH1, 1 CH2
    uint32_t id = 0;
    bool extended = false;
    std::vector<uint8_t> data;  // 1..64 bytes
    uint64_t time = 0;          // time count: 31 bits in layout 27, 48 bits in layout 29
    // For broken frames: a length field other than data.size() (continuations still follow
    // the data), and layout 27's extension record.
    std::optional<int> lengthField = std::nullopt;
    bool extensionRecord = false;
};

// A head record that is not a CAN frame: kinds 3-6 in layout 27, 5, 6, 8 and 9 in layout 29.
struct EventSpec {
    int kind = 5;
    uint64_t time = 0;
};

// `count` frames with random channel, identifier kind, identifier and data (1..64 bytes), at
// times that grow by `timeStep`; the same seed always gives the same frames.
struct RandomFrames {
    uint64_t count = 0;
    uint64_t seed = 1;
    uint64_t timeStep = 100;
    int length = 0;  // data bytes of every frame; 0 for random lengths 1..64
    // Identifiers to choose from (extended when the flag is set); empty for any identifier.
    std::vector<std::pair<uint32_t, bool>> ids = {};
};

using Record = std::array<uint8_t, 32>;

// Damage to the information block: the length field of one named item is overwritten.
// Names: block, identification, kind, time, settings1 ... settings5.
struct ItemLengthDamage {
    std::string item;
    uint32_t length = 0;
};

class CaptureBuilder {
public:
    explicit CaptureBuilder(int variant);

    CaptureBuilder& startTime(int64_t seconds, int64_t nanoseconds);
    CaptureBuilder& timeStampMode(int mode);
    CaptureBuilder& subKind(int value);
    CaptureBuilder& frame(const FrameSpec& wanted);
    CaptureBuilder& event(const EventSpec& wanted);
    CaptureBuilder& random(const RandomFrames& wanted);
    CaptureBuilder& record(const Record& raw);        // written as it is
    CaptureBuilder& recordTag(std::string_view tag);  // "MOND" (default) or "MDAC"

    CaptureBuilder& breakSignature();
    CaptureBuilder& truncate(uint64_t bytes);  // leaves the last `bytes` bytes out
    CaptureBuilder& damageItemLength(const ItemLengthDamage& damage);

    int variant() const { return variant_; }

    // The pieces, for tests that arrange chunks themselves.
    std::string informationChunk() const;
    std::string informationBlock() const;
    std::string recordChunk() const;
    std::vector<Record> records() const;
    uint64_t recordCount() const;

    // The whole file.
    std::string build() const;
    // The whole file in pieces, for captures too large to hold in memory.
    void write(const std::function<void(const uint8_t*, size_t)>& sink) const;

private:
    using Entry = std::variant<FrameSpec, EventSpec, RandomFrames, Record>;
    void forEachRecord(const std::function<void(const Record&)>& out) const;

    int variant_;
    int64_t startSeconds_ = 0;
    int64_t startNanoseconds_ = 0;
    int timeStampMode_ = 0;
    int subKind_ = 0;
    std::string recordTag_ = "MOND";
    std::vector<Entry> entries_;
    bool breakSignature_ = false;
    uint64_t truncate_ = 0;
    std::vector<ItemLengthDamage> itemDamage_;
};

// The signature every monitor data file starts with, and one chunk (tag, length, payload).
std::string signatureBytes();
std::string chunk(std::string_view tag, std::string_view payload);

}  // namespace dtgen
