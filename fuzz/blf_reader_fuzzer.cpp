// The BLF reader. An input starting with "LOGG" is read as a log of its own (the seed logs);
// any other input is the recipe of a log, built here: a file header, then objects of the frame
// types and others with fuzzed fields, sizes, header versions and padding, cut at fuzzed places
// into containers, stored or compressed here with zlib, with fuzzed claims and sizes now and
// then. So the mutations explore containers and objects rather than the signature. Every log
// is read twice, by the best inflater (libdeflate) in large batches and by zlib in small ones:
// both must hand on the same frames, counts and failure, each frame one a frame can be. It is
// read a third time in parts cut between its containers, as several workers read a large log,
// each part's containers inflated first (or not), its objects going on from the part before:
// the same frames, counts (added up) and failure again.
#include <fuzzer/FuzzedDataProvider.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sources/blf/blf_inflated_containers.h"
#include "sources/blf/blf_part_cut.h"
#include "sources/blf/blf_source.h"

namespace {

using sources::blf::InflateEngine;

void put16(std::string& out, uint32_t value) {
    for (int i = 0; i < 2; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}
void put32(std::string& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}
void put64(std::string& out, uint64_t value) {
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}

constexpr uint32_t kFrameTypes[] = {1, 2, 73, 86, 100, 101, 104};
constexpr uint32_t kOtherTypes[] = {0, 4, 10, 65, 71, 96, 102, 500};
constexpr size_t kMaxFile = 256 * 1024;

std::string fileHeader(FuzzedDataProvider& fuzz) {
    const uint32_t size = fuzz.ConsumeBool() ? 144 : fuzz.PickValueInArray({72u, 100u, 300u});
    std::string out = "LOGG";
    put32(out, size);
    out.resize(40, '\0');
    const bool dated = fuzz.ConsumeBool();
    const uint16_t start[8] = {2024, 2, 3, 29, 23, 59, 59, 999};
    for (const uint16_t field : start) put16(out, dated ? field : fuzz.ConsumeIntegral<uint16_t>());
    out.resize(size, '\0');
    return out;
}

// The fields of an object of `type`: the size its type has (with fuzzed data lengths), filled
// with fuzz bytes, on a channel that exists most of the time.
std::string fieldsOf(FuzzedDataProvider& fuzz, uint32_t type) {
    const uint8_t valid = fuzz.ConsumeIntegralInRange<uint8_t>(0, 70);
    size_t size = 0;
    size_t validAt = 0;
    switch (type) {
        case 1:
            size = 16;
            break;
        case 2:
            size = 4;
            break;
        case 73:
            size = 32;
            break;
        case 86:
            size = 24;
            break;
        case 100:
            size = 84;
            validAt = 14;
            break;
        case 101:
            size = 40 + valid;
            validAt = 2;
            break;
        case 104:
            size = 44 + valid;
            validAt = 2;
            break;
        default:
            size = fuzz.ConsumeIntegralInRange<size_t>(0, 300);
            break;
    }
    std::string fields = fuzz.ConsumeBytesAsString(size);
    fields.resize(size, '\0');
    if (size >= 2 && fuzz.ConsumeBool()) {
        fields[0] = static_cast<char>(1 + fuzz.ConsumeIntegralInRange(0, 3));
        if (type != 101 && type != 104) fields[1] = 0;
    }
    if (validAt != 0 && fuzz.ConsumeBool()) fields[validAt] = static_cast<char>(valid);
    return fields;
}

std::string objectOf(FuzzedDataProvider& fuzz) {
    const uint32_t type = fuzz.ConsumeIntegralInRange(0, 3) != 0
                              ? fuzz.PickValueInArray(kFrameTypes)
                              : (fuzz.ConsumeBool() ? fuzz.PickValueInArray(kOtherTypes)
                                                    : fuzz.ConsumeIntegral<uint32_t>());
    const uint16_t headerSize = fuzz.PickValueInArray<uint16_t>({32, 32, 32, 40, 48, 16, 24});
    const std::string fields = fieldsOf(fuzz, type);
    uint32_t objectSize = static_cast<uint32_t>(headerSize + fields.size());
    if (fuzz.ConsumeIntegralInRange(0, 15) == 0) objectSize = fuzz.ConsumeIntegral<uint32_t>();
    std::string out = "LOBJ";
    put16(out, headerSize);
    put16(out, headerSize == 40 ? 2 : 1);
    put32(out, objectSize);
    put32(out, type);
    put32(out, fuzz.PickValueInArray({1u, 2u, 2u, 0u, 3u}));
    put32(out, 0);
    put64(out, fuzz.ConsumeBool() ? fuzz.ConsumeIntegralInRange<uint64_t>(0, 1u << 30)
                                  : fuzz.ConsumeIntegral<uint64_t>());
    out.resize(headerSize, '\0');
    out += fields;
    switch (fuzz.ConsumeIntegralInRange(0, 3)) {
        case 0:
            out.append(out.size() % 4, '\0');
            break;  // Vector's padding
        case 1:
            out.append((4 - out.size() % 4) % 4, '\0');
            break;  // to 4 bytes
        case 2:
            out += fuzz.ConsumeBytesAsString(fuzz.ConsumeIntegralInRange<size_t>(0, 9));
            break;
        default:
            break;
    }
    return out;
}

std::string compressed(const std::string& content, int level) {
    uLongf size = compressBound(static_cast<uLong>(content.size()));
    std::string out(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                  reinterpret_cast<const Bytef*>(content.data()),
                  static_cast<uLong>(content.size()), level) != Z_OK) {
        std::abort();
    }
    out.resize(size);
    return out;
}

std::string containerOf(FuzzedDataProvider& fuzz, const std::string& content) {
    uint16_t method = fuzz.PickValueInArray<uint16_t>({0, 2, 2, 2, 1});
    const std::string payload =
        method == 2 ? compressed(content, fuzz.ConsumeIntegralInRange(0, 9)) : content;
    uint32_t claimed = static_cast<uint32_t>(content.size());
    uint32_t objectSize = static_cast<uint32_t>(32 + payload.size());
    if (fuzz.ConsumeIntegralInRange(0, 15) == 0) claimed = fuzz.ConsumeIntegral<uint32_t>();
    if (fuzz.ConsumeIntegralInRange(0, 15) == 0) objectSize = fuzz.ConsumeIntegral<uint32_t>();
    std::string out = "LOBJ";
    put16(out, 16);
    put16(out, 1);
    put32(out, objectSize);
    put32(out, 10);
    put16(out, method);
    out.append(6, '\0');
    put32(out, claimed);
    put32(out, 0);
    out += payload;
    out.append(out.size() % 4, '\0');
    return out;
}

std::string buildLog(FuzzedDataProvider& fuzz) {
    std::string file = fileHeader(fuzz);
    std::string stream;  // objects not in a container yet
    while (fuzz.remaining_bytes() > 0 && file.size() + stream.size() < kMaxFile) {
        switch (fuzz.ConsumeIntegralInRange(0, 7)) {
            case 0: {  // the stream so far, up to a fuzzed byte, into a container
                const size_t cut = fuzz.ConsumeIntegralInRange<size_t>(0, stream.size());
                file += containerOf(fuzz, stream.substr(0, cut));
                stream.erase(0, cut);
                break;
            }
            case 1:  // junk, between objects or between containers
                (fuzz.ConsumeBool() ? stream : file) +=
                    fuzz.ConsumeBytesAsString(fuzz.ConsumeIntegralInRange<size_t>(0, 40));
                break;
            case 2:  // an object outside the containers
                if (stream.empty()) file += objectOf(fuzz);
                break;
            default:
                stream += objectOf(fuzz);
                break;
        }
    }
    if (!stream.empty()) file += containerOf(fuzz, stream);
    if (fuzz.ConsumeIntegralInRange(0, 7) == 0) {
        file.resize(fuzz.ConsumeIntegralInRange<size_t>(0, file.size()));
    }
    return file;
}

struct Outcome {
    bool opened = false;
    std::vector<can::Frame> frames;
    sources::SourceCounts counts;
    int32_t code = 0;
    std::string description;
};

// A broken rule stops the run with the rule's line.
#define check(condition)                                                                  \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            std::fprintf(stderr, "blf_reader_fuzzer.cpp:%d: %s\n", __LINE__, #condition); \
            std::abort();                                                                 \
        }                                                                                 \
    } while (false)

void checkFrame(const can::Frame& frame, uint64_t previousPlace) {
    check(frame.place > previousPlace);
    check(frame.channel >= 0 && frame.channel <= can::kMaxChannel);
    check(frame.dataLength >= 0 && frame.dataLength <= (frame.isFd ? 64 : 8));
    check(frame.canId <= 0x1FFFFFFF);
    check(frame.kind == can::FrameKind::kData || frame.kind == can::FrameKind::kRemote ||
          frame.kind == can::FrameKind::kError);
    const int used = frame.kind == can::FrameKind::kRemote ? 0 : frame.dataLength;
    for (int i = used; i < can::kMaxDataLength; ++i) check(frame.data[i] == 0);
}

Outcome readLog(const std::string& file, InflateEngine engine, size_t batch) {
    Outcome outcome;
    sources::BlfSource source(std::make_unique<sources::MemoryInput>(std::span<const uint8_t>(
                                  reinterpret_cast<const uint8_t*>(file.data()), file.size())),
                              engine);
    outcome.opened = source.open().ok();
    if (outcome.opened) {
        std::vector<can::Frame> frames(batch);
        while (const size_t count = source.read(frames)) {
            check(count <= batch);
            for (size_t i = 0; i < count; ++i) {
                checkFrame(frames[i], outcome.frames.empty() ? 0 : outcome.frames.back().place);
                outcome.frames.push_back(frames[i]);
            }
        }
        check(source.read(frames) == 0);
        check(source.bytesRead() <= file.size());
    }
    outcome.counts = source.counts();
    outcome.code = source.status().code();
    outcome.description = source.status().description();
    check(outcome.counts.firstUnreadable.size() <= sources::SourceCounts::kKeptUnreadable);
    check(outcome.counts.cutShort == !outcome.counts.cutShortWhere.empty());
    return outcome;
}

// The log read part after part, each part about `partBytes` long.
Outcome readInParts(const std::string& file, uint64_t partBytes, bool inflateFirst) {
    Outcome outcome;
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(file.data()),
                                         file.size());
    sources::BlfSource head(std::make_unique<sources::MemoryInput>(bytes));
    outcome.opened = head.open().ok();
    sources::blf::PartCut cut;
    if (!outcome.opened || !cut.open(bytes).ok()) {
        outcome.counts = head.counts();
        outcome.code = head.status().code();
        outcome.description = head.status().description();
        return outcome;
    }
    sources::blf::Inflater inflater;
    sources::blf::InflatedContainers inflated;
    sources::BlfSource::PartState state;
    for (uint64_t from = head.objectsStart(); from < file.size();) {
        const uint64_t end = cut.cutAfter(from, partBytes);
        check(end > from && end <= file.size());
        const std::span<const uint8_t> part = bytes.subspan(from, end - from);
        if (inflateFirst) inflated.inflate(part, from, inflater);
        sources::BlfSource source(std::make_unique<sources::MemoryInput>(part));
        source.openPart(head.timeOrigin(), from, state, end == file.size());
        if (inflateFirst) source.useInflated(&inflated);
        std::vector<can::Frame> frames(100);
        while (const size_t count = source.read(frames)) {
            for (size_t i = 0; i < count; ++i) {
                checkFrame(frames[i], outcome.frames.empty() ? 0 : outcome.frames.back().place);
                outcome.frames.push_back(frames[i]);
            }
        }
        const sources::SourceCounts& counts = source.counts();
        for (const auto& [kind, count] : counts.skipped) outcome.counts.skipped[kind] += count;
        outcome.counts.unreadable += counts.unreadable;
        for (const uint64_t place : counts.firstUnreadable) {
            if (outcome.counts.firstUnreadable.size() < sources::SourceCounts::kKeptUnreadable) {
                outcome.counts.firstUnreadable.push_back(place);
            }
        }
        if (outcome.counts.cutShortWhere.empty()) {
            outcome.counts.cutShortWhere = counts.cutShortWhere;
        }
        outcome.code = source.status().code();
        outcome.description = source.status().description();
        if (!source.status().ok()) break;
        state = source.partState();
        from = end;
    }
    return outcome;
}

bool sameFrame(const can::Frame& a, const can::Frame& b) {
    return a.time == b.time && a.place == b.place && a.canId == b.canId && a.channel == b.channel &&
           a.dataLength == b.dataLength && a.kind == b.kind && a.isExtended == b.isExtended &&
           a.isFd == b.isFd && a.bitRateSwitch == b.bitRateSwitch && a.errorState == b.errorState &&
           a.transmitted == b.transmitted && std::equal(a.data, a.data + 64, b.data);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider fuzz(data, size);
    const bool aLog =
        size >= 4 && std::string_view(reinterpret_cast<const char*>(data), 4) == "LOGG";
    const std::string file =
        aLog ? std::string(reinterpret_cast<const char*>(data), size) : buildLog(fuzz);
    const Outcome large = readLog(file, InflateEngine::kBest, 4096);
    const Outcome small = readLog(file, InflateEngine::kZlib, 1 + size % 7);
    check(large.opened == small.opened);
    check(large.frames.size() == small.frames.size());
    for (size_t i = 0; i < large.frames.size(); ++i) {
        check(sameFrame(large.frames[i], small.frames[i]));
    }
    check(large.counts.skipped == small.counts.skipped);
    check(large.counts.unreadable == small.counts.unreadable);
    check(large.counts.firstUnreadable == small.counts.firstUnreadable);
    check(large.counts.cutShortWhere == small.counts.cutShortWhere);
    if (large.description != small.description) {
        std::fprintf(stderr, "%s\n%s\n", large.description.c_str(), small.description.c_str());
    }
    check(large.code == small.code && large.description == small.description);

    const Outcome parts = readInParts(file, 1 + (size % 5) * 300, size % 2 == 0);
    check(parts.opened == large.opened);
    check(parts.frames.size() == large.frames.size());
    for (size_t i = 0; i < large.frames.size(); ++i) {
        check(sameFrame(parts.frames[i], large.frames[i]));
    }
    check(parts.counts.skipped == large.counts.skipped);
    check(parts.counts.unreadable == large.counts.unreadable);
    check(parts.counts.firstUnreadable == large.counts.firstUnreadable);
    check(parts.counts.cutShortWhere == large.counts.cutShortWhere);
    if (parts.description != large.description) {
        std::fprintf(stderr, "%s\n%s\n", parts.description.c_str(), large.description.c_str());
    }
    check(parts.code == large.code && parts.description == large.description);
    return 0;
}
