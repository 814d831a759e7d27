// The frame-record walk. The mutator keeps the chunks of a capture valid (signature, an accepted
// information chunk of layout 27 or 29, one record chunk, sometimes cut short), so that the
// mutations go into the records themselves: heads of every kind, extension and continuation
// records, frames lying across the boundaries of small blocks. The walk in blocks must stop on
// the same heads and assemble the same frames as the walk over all records in place, and the
// capture then converts through the example database.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "dbc/database.h"
#include "fuzz/capture_fuzzing.h"
#include "monitor/byte_order.h"
#include "monitor/monitor_file.h"
#include "monitor/record_walk.h"
#include "monitor/records.h"
#include "platform/platform.h"
#include "tools/dtgen/capture_builder.h"

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

using monitor::kRecordSize;
using Random = std::minstd_rand;

dbc::CanDatabase database;
// Information chunks to choose from: layout 27 in several time-stamp modes, layout 29 with and
// without a start time.
struct InformationChunk {
    int variant;
    std::string bytes;
};
std::vector<InformationChunk> informationChunks;

// Identifiers of the example database (29-bit ones flagged), so that frames decode.
constexpr struct {
    uint32_t id;
    bool extended;
} kKnownIds[] = {{0x100, false}, {0x200, false},     {0x300, false},     {0x400, false},
                 {0x1A0, false}, {0x18FF50E5, true}, {0x0CF00400, true}, {0x7FF, false}};

// A capture in the form the mutator works on.
struct Capture {
    size_t information = 0;  // index into informationChunks
    bool alternateTag = false;
    uint32_t missing = 0;  // bytes the record chunk claims beyond the end of the file
    std::string records;   // the record chunk's payload that is present
};

Capture parse(const uint8_t* data, size_t size) {
    Capture capture;
    const std::string signature = dtgen::signatureBytes();
    for (size_t i = 0; i < informationChunks.size(); ++i) {
        const std::string& chunk = informationChunks[i].bytes;
        const size_t head = signature.size() + chunk.size();
        if (size < head + 8 || std::memcmp(data, signature.data(), signature.size()) != 0 ||
            std::memcmp(data + signature.size(), chunk.data(), chunk.size()) != 0) {
            continue;
        }
        capture.information = i;
        capture.alternateTag = std::memcmp(data + head, "MDAC", 4) == 0;
        capture.records.assign(reinterpret_cast<const char*>(data + head + 8), size - head - 8);
        const uint32_t claimed = monitor::readLe32(data + head + 4);
        if (claimed > capture.records.size()) {
            capture.missing =
                std::min<uint32_t>(claimed - static_cast<uint32_t>(capture.records.size()), 1024);
        }
        return capture;
    }
    // Anything else is taken as records.
    capture.information = size % informationChunks.size();
    capture.records.assign(reinterpret_cast<const char*>(data), size);
    return capture;
}

std::string serialise(const Capture& capture) {
    std::string bytes = dtgen::signatureBytes() + informationChunks[capture.information].bytes;
    bytes += capture.alternateTag ? "MDAC" : "MOND";
    bytes.resize(bytes.size() + 4);
    monitor::writeLe32(reinterpret_cast<uint8_t*>(bytes.data() + bytes.size() - 4),
                       static_cast<uint32_t>(capture.records.size()) + capture.missing);
    return bytes + capture.records;
}

int variantOf(const Capture& capture) { return informationChunks[capture.information].variant; }

uint8_t* recordAt(Capture& capture, size_t index) {
    return reinterpret_cast<uint8_t*>(capture.records.data()) + index * kRecordSize;
}

// A data length that is mostly valid, sometimes 0 or beyond 64.
uint8_t dataLength(Random& random) {
    static constexpr uint8_t kEdges[] = {0, 1, 8, 9, 36, 37, 64, 65, 127};
    return random() % 4 == 0 ? kEdges[random() % sizeof kEdges]
                             : static_cast<uint8_t>(1 + random() % 64);
}

void fillRandom(uint8_t* bytes, size_t count, Random& random) {
    for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(random());
}

// A head record of any class, usually a CAN frame with a known identifier.
void writeHead27(uint8_t* record, Random& random) {
    static constexpr uint8_t kClasses[] = {0x20, 0x60, 0x20, 0x60, 0x80, 0x40, 0xE0, 0xA0};
    const auto known = kKnownIds[random() % std::size(kKnownIds)];
    const uint8_t length = dataLength(random);
    fillRandom(record, kRecordSize, random);
    const uint32_t extension = random() % 4 == 0 ? 0x40000000u : 0;
    monitor::writeLe32(record, 0x80000000u | extension | (length & 0x7Fu));
    const uint32_t id = known.extended ? known.id : known.id << 18;
    const uint8_t cls = kClasses[random() % sizeof kClasses];
    monitor::writeLe32(record + 8, (static_cast<uint32_t>(cls) << 24) | (id & 0x1FFFFFFF));
    if (cls == 0xE0) record[8] = static_cast<uint8_t>(random() % 3);
    record[12] = known.extended ? 0x10 : 0x00;
}

void writeHead29(uint8_t* record, Random& random) {
    static constexpr uint8_t kTypes[] = {0x01, 0x02, 0x03, 0x11, 0x12, 0x13,
                                         0x04, 0x30, 0x20, 0x81, 0x80, 0x90};
    static constexpr uint8_t kFormats[] = {0x01, 0x03, 0x11, 0x13, 0x21, 0x23, 0x02};
    const auto known = kKnownIds[random() % std::size(kKnownIds)];
    const uint8_t length = dataLength(random);
    fillRandom(record, kRecordSize, random);
    record[0] = kTypes[random() % sizeof kTypes];
    // Usually the continuations the length needs, sometimes any count up to 3.
    const uint32_t continuations = random() % 4 == 0 ? random() % 4
                                   : length <= 8     ? 0
                                   : length <= 36    ? 1
                                                     : 2;
    record[1] = static_cast<uint8_t>(0x80 | continuations);
    uint8_t format = known.extended ? 0x03 : 0x01;
    if (random() % 4 == 0) format = kFormats[random() % sizeof kFormats];
    record[10] = format;
    record[12] = length;
    monitor::writeLe32(record + 16, known.id);
}

// A whole frame: its head, layout 27's extension record when announced, its continuations.
void writeFrame(Capture& capture, size_t index, Random& random) {
    const bool is27 = variantOf(capture) == 27;
    uint8_t head[kRecordSize];
    is27 ? writeHead27(head, random) : writeHead29(head, random);
    const uint8_t length = is27 ? (head[0] & 0x7F) : head[12];
    const bool extension = is27 && (head[3] & 0x40) != 0;
    const int continuations = length <= 8 ? 0 : length <= 36 ? 1 : 2;
    std::string frame(reinterpret_cast<const char*>(head), kRecordSize);
    for (int i = -(extension ? 1 : 0); i < continuations; ++i) {
        uint8_t record[kRecordSize];
        fillRandom(record, kRecordSize, random);
        if (is27) {
            record[3] &= 0x7F;
        } else {
            record[1] = static_cast<uint8_t>(i + 1);
        }
        frame.append(reinterpret_cast<const char*>(record), kRecordSize);
    }
    capture.records.insert(std::min(index * kRecordSize, capture.records.size()), frame);
}

void mutateRecords(Capture& capture, size_t maxBytes, Random& random) {
    const size_t count = capture.records.size() / kRecordSize;
    const size_t index = count == 0 ? 0 : random() % count;
    switch (random() % 6) {
        case 0:  // a frame, its records lying wherever the blocks end
            writeFrame(capture, random() % (count + 1), random);
            break;
        case 1:  // a record turned into a head of another kind
            if (count == 0) break;
            variantOf(capture) == 27 ? writeHead27(recordAt(capture, index), random)
                                     : writeHead29(recordAt(capture, index), random);
            break;
        case 2:  // a head turned into a continuation, with a right or a wrong sequence number
            if (count == 0) break;
            if (variantOf(capture) == 27) {
                recordAt(capture, index)[3] &= 0x7F;
            } else {
                recordAt(capture, index)[1] = static_cast<uint8_t>(random() % 4);
            }
            break;
        case 3:  // records removed, shifting the rest against the block boundaries
            if (count == 0) break;
            capture.records.erase(
                index * kRecordSize,
                (1 + random() % std::min<size_t>(count - index, 4)) * kRecordSize);
            break;
        case 4: {  // records repeated
            if (count == 0) break;
            const size_t length = (1 + random() % std::min<size_t>(count - index, 4)) * kRecordSize;
            const std::string repeated = capture.records.substr(index * kRecordSize, length);
            capture.records.insert(index * kRecordSize, repeated);
            break;
        }
        default: {  // any bytes
            const size_t size = std::min(capture.records.size(), maxBytes);
            capture.records.resize(std::max<size_t>(maxBytes, 1));
            capture.records.resize(LLVMFuzzerMutate(
                reinterpret_cast<uint8_t*>(capture.records.data()), size, capture.records.size()));
            break;
        }
    }
}

void mutateChunks(Capture& capture, Random& random) {
    switch (random() % 4) {
        case 0:
            capture.information = random() % informationChunks.size();
            break;
        case 1:
            capture.alternateTag = !capture.alternateTag;
            break;
        case 2:  // cut short, or whole again
            capture.missing = random() % 2 == 0 ? 0 : static_cast<uint32_t>(1 + random() % 100);
            break;
        default:  // a record cut off at the end
            if (!capture.records.empty()) capture.records.pop_back();
            break;
    }
}

// One stop of a walk, with the frame it assembles.
struct Stop {
    uint32_t index;
    monitor::RecordKind kind;
    uint64_t time;
    bool assembled;
    can::Frame frame;

    bool operator==(const Stop& other) const {
        return index == other.index && kind == other.kind && time == other.time &&
               assembled == other.assembled &&
               (!assembled ||
                (frame.channel == other.frame.channel && frame.canId == other.frame.canId &&
                 frame.isExtended == other.frame.isExtended &&
                 frame.dataLength == other.frame.dataLength &&
                 std::memcmp(frame.data, other.frame.data, sizeof frame.data) == 0));
    }
};

template <class Layout>
Stop stopAt(uint32_t index, monitor::RecordKind kind, const monitor::RecordCursor& cursor) {
    Stop stop{index, kind, Layout::timeCount(cursor), false, {}};
    const int channel = monitor::frameChannelOf(kind);
    stop.assembled = Layout::assemble(cursor, channel < 0 ? 0 : channel, stop.frame);
    return stop;
}

template <class Layout>
std::vector<Stop> walkInPlace(const monitor::MonitorFile& file) {
    std::vector<Stop> stops;
    monitor::RecordCursor cursor{0, file.count, file.records};
    for (auto kind = Layout::first(cursor); kind != monitor::kKindEnd;
         kind = Layout::next(cursor)) {
        stops.push_back(stopAt<Layout>(cursor.index, kind, cursor));
    }
    return stops;
}

template <class Layout>
std::vector<Stop> walkInBlocks(const monitor::MonitorFile& file) {
    std::vector<Stop> stops;
    monitor::RecordWalk<Layout> walk(file);
    for (auto kind = walk.first(); kind != monitor::kKindEnd; kind = walk.next()) {
        stops.push_back(stopAt<Layout>(walk.index(), kind, walk.cursor()));
    }
    if (walk.error() != platform::kOk) {
        std::fprintf(stderr, "the walk in memory failed: 0x%08X\n",
                     static_cast<unsigned>(walk.error()));
        std::abort();
    }
    return stops;
}

void checkWalks(monitor::MonitorFile& file, uint32_t blockRecords) {
    monitor::withRecordLayout(file.variant, [&](auto layout) {
        using Layout = decltype(layout);
        file.blockRecords = 0;
        const std::vector<Stop> inPlace = walkInPlace<Layout>(file);
        if (walkInBlocks<Layout>(file) != inPlace) {
            std::fputs("the walk over records in place differs from itself\n", stderr);
            std::abort();
        }
        file.blockRecords = blockRecords;
        if (walkInBlocks<Layout>(file) != inPlace) {
            std::fprintf(stderr, "the walk in blocks of %u records differs\n", blockRecords);
            std::abort();
        }
    });
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::loadExampleDatabase(database);
    for (int mode : {0, 1, 4, 5, 6}) {
        informationChunks.push_back(
            {27, dtgen::CaptureBuilder(27).timeStampMode(mode).informationChunk()});
    }
    informationChunks.push_back({29, dtgen::CaptureBuilder(29).informationChunk()});
    informationChunks.push_back(
        {29, dtgen::CaptureBuilder(29).startTime(1714566896, 789000000).informationChunk()});
    return 0;
}

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize,
                                          unsigned int seed) {
    Random random(seed);
    Capture capture = parse(data, size);
    const size_t headSize =
        dtgen::signatureBytes().size() + informationChunks[capture.information].bytes.size() + 8;
    const size_t maxRecordBytes = maxSize > headSize ? maxSize - headSize : 0;
    if (random() % 8 == 0) {
        mutateChunks(capture, random);
    } else {
        mutateRecords(capture, maxRecordBytes, random);
    }
    const std::string bytes = serialise(capture);
    const size_t length = std::min(bytes.size(), maxSize);
    std::memcpy(data, bytes.data(), length);
    return length;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    monitor::MonitorFile capture;
    if (!fuzzing::loadCapture(capture, data, size)) return 0;
    // The last byte chooses the block size and the settings.
    const uint8_t choice = data[size - 1];
    const uint32_t blockRecords = 1u + choice % 8u;
    checkWalks(capture, blockRecords);
    capture.blockRecords = blockRecords;
    fuzzing::convertAndCheck(database, capture, choice);
    return 0;
}
