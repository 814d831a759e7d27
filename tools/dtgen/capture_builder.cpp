#include "tools/dtgen/capture_builder.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "monitor/byte_order.h"
#include "tools/dtgen/information_writer.h"
#include "tools/dtgen/record_encoder.h"

namespace dtgen {

namespace {

constexpr size_t kWriteBufferSize = 1 << 20;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Clang 14 does not deduce aggregate template arguments by itself.
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

std::string chunkHeader(std::string_view tag, uint64_t length) {
    if (tag.size() != 4) throw std::invalid_argument("a chunk tag has four characters");
    if (length > std::numeric_limits<uint32_t>::max()) {
        throw std::length_error("a chunk holds less than 4 GiB");
    }
    std::string header(tag);
    header.resize(8);
    monitor::writeLe32(reinterpret_cast<uint8_t*>(header.data() + 4),
                       static_cast<uint32_t>(length));
    return header;
}

// Passes bytes on until `limit` bytes have gone out, so a truncated file can still stream.
class LimitedSink {
public:
    LimitedSink(const std::function<void(const uint8_t*, size_t)>& sink, uint64_t limit)
        : sink_(sink), left_(limit) {}
    void operator()(const void* bytes, size_t size) {
        const size_t taken = static_cast<size_t>(std::min<uint64_t>(size, left_));
        if (taken > 0) sink_(static_cast<const uint8_t*>(bytes), taken);
        left_ -= taken;
    }

private:
    const std::function<void(const uint8_t*, size_t)>& sink_;
    uint64_t left_;
};

}  // namespace

std::string signatureBytes() { return std::string("TALVERO DATA   \0", 16); }

std::string chunk(std::string_view tag, std::string_view payload) {
    return chunkHeader(tag, payload.size()) + std::string(payload);
}

CaptureBuilder::CaptureBuilder(int variant) : variant_(variant) {
    if (variant != 27 && variant != 29) throw std::invalid_argument("the variant is 27 or 29");
}

CaptureBuilder& CaptureBuilder::startTime(int64_t seconds, int64_t nanoseconds) {
    startSeconds_ = seconds;
    startNanoseconds_ = nanoseconds;
    return *this;
}

CaptureBuilder& CaptureBuilder::timeStampMode(int mode) {
    timeStampMode_ = mode;
    return *this;
}

CaptureBuilder& CaptureBuilder::subKind(int value) {
    subKind_ = value;
    return *this;
}

CaptureBuilder& CaptureBuilder::frame(const FrameSpec& wanted) {
    encodeFrame(variant_, wanted, [](const Record&) {});  // rejects a bad frame now, not later
    entries_.emplace_back(wanted);
    return *this;
}

CaptureBuilder& CaptureBuilder::event(const EventSpec& wanted) {
    encodeEvent(variant_, wanted, [](const Record&) {});
    entries_.emplace_back(wanted);
    return *this;
}

CaptureBuilder& CaptureBuilder::random(const RandomFrames& wanted) {
    entries_.emplace_back(wanted);
    return *this;
}

CaptureBuilder& CaptureBuilder::record(const Record& raw) {
    entries_.emplace_back(raw);
    return *this;
}

CaptureBuilder& CaptureBuilder::recordTag(std::string_view tag) {
    chunkHeader(tag, 0);
    recordTag_ = std::string(tag);
    return *this;
}

CaptureBuilder& CaptureBuilder::breakSignature() {
    breakSignature_ = true;
    return *this;
}

CaptureBuilder& CaptureBuilder::truncate(uint64_t bytes) {
    truncate_ = bytes;
    return *this;
}

CaptureBuilder& CaptureBuilder::damageItemLength(const ItemLengthDamage& damage) {
    const InformationBlock block = writeInformationBlock({});
    if (block.itemOffsets.count(damage.item) == 0) {
        throw std::invalid_argument("no information item named '" + damage.item + "'");
    }
    itemDamage_.push_back(damage);
    return *this;
}

void CaptureBuilder::forEachRecord(const std::function<void(const Record&)>& out) const {
    for (const Entry& entry : entries_) {
        std::visit(Overloaded{
                       [&](const FrameSpec& wanted) { encodeFrame(variant_, wanted, out); },
                       [&](const EventSpec& wanted) { encodeEvent(variant_, wanted, out); },
                       [&](const Record& raw) { out(raw); },
                       [&](const RandomFrames& wanted) {
                           FrameRandom random(wanted);
                           for (uint64_t i = 0; i < wanted.count; ++i) {
                               encodeFrame(variant_, random.frame(i * wanted.timeStep), out);
                           }
                       },
                   },
                   entry);
    }
}

std::string CaptureBuilder::informationBlock() const {
    InformationBlock block = writeInformationBlock(
        {variant_, subKind_, timeStampMode_, startSeconds_, startNanoseconds_});
    for (const ItemLengthDamage& damage : itemDamage_) {
        auto* field =
            reinterpret_cast<uint8_t*>(block.bytes.data() + block.itemOffsets[damage.item]);
        monitor::writeLe32(field, damage.length);
    }
    return block.bytes;
}

std::string CaptureBuilder::informationChunk() const { return chunk("DINF", informationBlock()); }

std::vector<Record> CaptureBuilder::records() const {
    std::vector<Record> all;
    forEachRecord([&](const Record& record) { all.push_back(record); });
    return all;
}

uint64_t CaptureBuilder::recordCount() const {
    uint64_t count = 0;
    forEachRecord([&](const Record&) { ++count; });
    return count;
}

std::string CaptureBuilder::recordChunk() const {
    std::string bytes = chunkHeader(recordTag_, recordCount() * 32);
    forEachRecord([&](const Record& record) {
        bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
    });
    return bytes;
}

void CaptureBuilder::write(const std::function<void(const uint8_t*, size_t)>& sink) const {
    std::string head = signatureBytes();
    if (breakSignature_) head[0] = 'X';
    head += informationChunk();
    const uint64_t count = recordCount();
    head += chunkHeader(recordTag_, count * 32);
    const uint64_t total = head.size() + count * 32;
    LimitedSink out(sink, total - std::min(truncate_, total));
    out(head.data(), head.size());

    std::vector<uint8_t> buffer;
    buffer.reserve(kWriteBufferSize);
    forEachRecord([&](const Record& record) {
        buffer.insert(buffer.end(), record.begin(), record.end());
        if (buffer.size() >= kWriteBufferSize) {
            out(buffer.data(), buffer.size());
            buffer.clear();
        }
    });
    out(buffer.data(), buffer.size());
}

std::string CaptureBuilder::build() const {
    std::string bytes;
    write([&](const uint8_t* data, size_t size) {
        bytes.append(reinterpret_cast<const char*>(data), size);
    });
    return bytes;
}

}  // namespace dtgen
