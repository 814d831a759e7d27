#include "tools/dtgen/record_encoder.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "monitor/byte_order.h"

namespace dtgen {

namespace {

constexpr size_t kHeadDataBytes = 8;
constexpr size_t kContinuationDataBytes = 28;

void checkFrame(const FrameSpec& frame) {
    if (frame.data.size() > 64) throw std::invalid_argument("a frame holds at most 64 data bytes");
    if (frame.channel != 0 && frame.channel != 1) {
        throw std::invalid_argument("the channel is 0 (CH1) or 1 (CH2)");
    }
}

size_t continuationCount(const FrameSpec& frame) {
    if (frame.data.size() <= kHeadDataBytes) return 0;
    return (frame.data.size() - kHeadDataBytes + kContinuationDataBytes - 1) /
           kContinuationDataBytes;
}

void copyHeadData(const FrameSpec& frame, Record& head) {
    std::memcpy(head.data() + 24, frame.data.data(), std::min(frame.data.size(), kHeadDataBytes));
}

// Continuation records carry 28 data bytes from byte 4; `mark` writes the layout's own byte 0-3.
void emitContinuations(const FrameSpec& frame, const std::function<void(Record&, int)>& mark,
                       const RecordSink& out) {
    for (size_t i = 0; i < continuationCount(frame); ++i) {
        Record record{};
        const size_t from = kHeadDataBytes + i * kContinuationDataBytes;
        const size_t bytes = std::min(kContinuationDataBytes, frame.data.size() - from);
        std::memcpy(record.data() + 4, frame.data.data() + from, bytes);
        mark(record, static_cast<int>(i + 1));
        out(record);
    }
}

uint8_t lengthField(const FrameSpec& frame) {
    return static_cast<uint8_t>(frame.lengthField.value_or(static_cast<int>(frame.data.size())));
}

void encodeFrame27(const FrameSpec& frame, const RecordSink& out) {
    Record head{};
    uint32_t word0 = 0x80000000u | (lengthField(frame) & 0x7Fu);
    if (frame.extensionRecord) word0 |= 0x40000000u;
    const uint32_t classBits = frame.channel == 0 ? 0x20000000u : 0x60000000u;
    const uint32_t idField = frame.extended ? (frame.id & 0x1FFFFFFFu) : (frame.id & 0x7FFu) << 18;
    monitor::writeLe32(head.data(), word0);
    monitor::writeLe32(head.data() + 4, static_cast<uint32_t>(frame.time & 0x7FFFFFFFu));
    monitor::writeLe32(head.data() + 8, classBits | idField);
    head[12] = frame.extended ? 0x10 : 0x00;
    copyHeadData(frame, head);
    out(head);
    if (frame.extensionRecord) out(Record{});
    emitContinuations(
        frame, [](Record&, int) {}, out);
}

void writeTime29(Record& head, uint64_t time) {
    monitor::writeLe16(head.data() + 2, static_cast<uint16_t>(time & 0xFFFF));
    monitor::writeLe32(head.data() + 4, static_cast<uint32_t>(time >> 16));
}

void encodeFrame29(const FrameSpec& frame, const RecordSink& out) {
    Record head{};
    head[0] = frame.channel == 0 ? 0x01 : 0x11;
    head[1] = static_cast<uint8_t>(0x80 | continuationCount(frame));
    writeTime29(head, frame.time);
    head[10] = frame.extended ? 0x03 : 0x01;
    head[12] = lengthField(frame);
    monitor::writeLe32(head.data() + 16, frame.id & (frame.extended ? 0x1FFFFFFFu : 0x7FFu));
    copyHeadData(frame, head);
    out(head);
    emitContinuations(
        frame, [](Record& record, int sequence) { record[1] = static_cast<uint8_t>(sequence); },
        out);
}

}  // namespace

void encodeFrame(int variant, const FrameSpec& frame, const RecordSink& out) {
    checkFrame(frame);
    if (variant == 27) {
        encodeFrame27(frame, out);
    } else {
        encodeFrame29(frame, out);
    }
}

void encodeEvent(int variant, const EventSpec& event, const RecordSink& out) {
    Record head{};
    if (variant == 27) {
        static constexpr uint32_t kClass[] = {0x80000000u, 0x40000000u, 0xE0000000u, 0xE0000001u};
        if (event.kind < 3 || event.kind > 6) {
            throw std::invalid_argument("layout 27 events are kinds 3 to 6");
        }
        monitor::writeLe32(head.data(), 0x80000000u);
        monitor::writeLe32(head.data() + 4, static_cast<uint32_t>(event.time & 0x7FFFFFFFu));
        monitor::writeLe32(head.data() + 8, kClass[event.kind - 3]);
    } else {
        switch (event.kind) {
            case 5:
                head[0] = 0x81;
                break;
            case 6:
                head[0] = 0x80;
                break;
            case 8:
                head[0] = 0x30;
                break;
            case 9:
                head[0] = 0x20;
                break;
            default:
                throw std::invalid_argument("layout 29 events are kinds 5, 6, 8 and 9");
        }
        head[1] = 0x80;
        writeTime29(head, event.time);
    }
    out(head);
}

uint64_t FrameRandom::next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

FrameSpec FrameRandom::frame(uint64_t time) {
    const uint64_t bits = next();
    FrameSpec frame;
    frame.channel = static_cast<int>(bits & 1);
    if (wanted_.ids.empty()) {
        frame.extended = (bits & 2) != 0;
        frame.id = static_cast<uint32_t>(bits >> 8) & (frame.extended ? 0x1FFFFFFFu : 0x7FFu);
    } else {
        const auto& chosen = wanted_.ids[(bits >> 8) % wanted_.ids.size()];
        frame.id = chosen.first;
        frame.extended = chosen.second;
    }
    frame.data.resize(wanted_.length > 0 ? static_cast<size_t>(wanted_.length)
                                         : 1 + (bits >> 40) % 64);
    uint64_t dataBits = 0;
    for (size_t i = 0; i < frame.data.size(); ++i) {
        if (i % 8 == 0) dataBits = next();
        frame.data[i] = static_cast<uint8_t>(dataBits >> (8 * (i % 8)));
    }
    frame.time = time;
    return frame;
}

}  // namespace dtgen
