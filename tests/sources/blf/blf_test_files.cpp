#include "tests/sources/blf/blf_test_files.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "sources/blf/blf_source.h"

namespace blf_test {

void put8(std::string& out, uint8_t value) { out.push_back(static_cast<char>(value)); }

void put16(std::string& out, uint16_t value) {
    for (int i = 0; i < 2; ++i) put8(out, static_cast<uint8_t>(value >> (8 * i)));
}

void put32(std::string& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) put8(out, static_cast<uint8_t>(value >> (8 * i)));
}

void put64(std::string& out, uint64_t value) {
    for (int i = 0; i < 8; ++i) put8(out, static_cast<uint8_t>(value >> (8 * i)));
}

SystemTime systemTime(int year, int month, int day, int hour, int minute, int second,
                      int millisecond) {
    SystemTime time;
    const int fields[8] = {year, month, 0, day, hour, minute, second, millisecond};
    for (int i = 0; i < 8; ++i) time.fields[i] = static_cast<uint16_t>(fields[i]);
    return time;
}

std::string fileHeader(const SystemTime& start, uint32_t headerSize) {
    std::string out = "LOGG";
    put32(out, headerSize);
    out += bytesOf({5, 0, 0, 0, 2, 6, 8, 1});  // application and library versions
    put64(out, 123456);                        // file size, object counts: not read
    put64(out, 654321);
    put32(out, 77);
    put32(out, 0);
    for (const uint16_t field : start.fields) put16(out, field);
    for (const uint16_t field : start.fields) put16(out, field);
    out.resize(std::max<size_t>(out.size(), headerSize), '\0');
    return out;
}

std::string object(uint32_t type, std::string_view fields, uint64_t stamp, HeaderForm form) {
    std::string out = "LOBJ";
    put16(out, form.size);
    put16(out, form.version);
    put32(out, static_cast<uint32_t>(form.size + fields.size()));
    put32(out, type);
    put32(out, form.flags);
    put16(out, 0);  // client index, or time stamp status and a reserved byte
    put16(out, 0);  // object version
    put64(out, stamp);
    out.resize(form.size, '\0');  // the original time stamp of version 2, or more
    out += fields;
    return out;
}

std::string padding(std::string_view object) { return std::string(object.size() % 4, '\0'); }

namespace {

std::string dataField(std::string_view data, size_t size) {
    std::string out(data.substr(0, size));
    out.resize(size, '\0');
    return out;
}

}  // namespace

std::string canMessage(uint16_t channel, uint8_t flags, uint8_t dlc, uint32_t id,
                       std::string_view data) {
    std::string out;
    put16(out, channel);
    put8(out, flags);
    put8(out, dlc);
    put32(out, id);
    return out + dataField(data, 8);
}

std::string canMessage2(uint16_t channel, uint8_t flags, uint8_t dlc, uint32_t id,
                        std::string_view data) {
    std::string out = canMessage(channel, flags, dlc, id, data);
    put32(out, 111000);  // frame length in ns
    put8(out, 111);      // bit count
    out += bytesOf({0, 0, 0});
    return out;
}

std::string canFdMessage(uint16_t channel, uint8_t flags, uint8_t dlc, uint32_t id, uint8_t fdFlags,
                         std::string_view data) {
    std::string out;
    put16(out, channel);
    put8(out, flags);
    put8(out, dlc);
    put32(out, id);
    put32(out, 0);  // frame length
    put8(out, 0);   // bit count
    put8(out, fdFlags);
    put8(out, static_cast<uint8_t>(data.size()));
    out += std::string(5, '\0');
    return out + dataField(data, 64);
}

std::string canFdMessage64(uint8_t channel, uint8_t dlc, uint32_t id, uint32_t flags,
                           uint8_t direction, std::string_view data) {
    std::string out;
    put8(out, channel);
    put8(out, dlc);
    put8(out, static_cast<uint8_t>(data.size()));
    put8(out, 0);  // Tx count
    put32(out, id);
    put32(out, 0);  // frame length
    put32(out, flags);
    out += std::string(16, '\x11');  // bit timings and offsets: anything
    put16(out, 0);                   // bit count
    put8(out, direction);
    put8(out, 0);  // extension offset
    put32(out, 0xC0FFEE);
    return out + std::string(data);
}

std::string canError(uint16_t channel) {
    std::string out;
    put16(out, channel);
    put16(out, 40);
    return out;
}

std::string canErrorExt(uint16_t channel, uint8_t dlc, uint32_t id, std::string_view data) {
    std::string out;
    put16(out, channel);
    put16(out, 0);
    put32(out, 2);  // flags: the CAN core's error code is valid
    out += bytesOf({0x03, 0x17, dlc, 0});
    put32(out, 52000);
    put32(out, id);
    put16(out, 0x20);
    put16(out, 0);
    return out + dataField(data, 8);
}

std::string canFdError64(uint8_t channel, uint8_t dlc, uint32_t id, uint16_t fdFlags,
                         std::string_view data) {
    std::string out;
    out += bytesOf({channel, dlc, static_cast<int>(data.size()), 0x04});
    put16(out, 2);  // flags
    put16(out, 0);  // extended error code
    put16(out, fdFlags);
    put8(out, 0);  // extension offset
    put8(out, 0);
    put32(out, id);
    out += std::string(24, '\x22');  // frame length, bit timings and offsets, CRC
    put16(out, 37);                  // error position
    put16(out, 0);
    return out + std::string(data);
}

std::string container(uint16_t method, std::string_view payload, uint32_t claimed) {
    std::string out = "LOBJ";
    put16(out, 16);
    put16(out, 1);
    put32(out, static_cast<uint32_t>(32 + payload.size()));
    put32(out, 10);
    put16(out, method);
    out += std::string(6, '\0');
    put32(out, claimed);
    put32(out, 0);
    out += payload;
    return out + padding(out);
}

std::string storedContainer(std::string_view content) {
    return container(0, content, static_cast<uint32_t>(content.size()));
}

std::string zlibCompress(std::string_view content, int level) {
    uLongf size = compressBound(static_cast<uLong>(content.size()));
    std::string out(size, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &size,
              reinterpret_cast<const Bytef*>(content.data()), static_cast<uLong>(content.size()),
              level);
    out.resize(size);
    return out;
}

std::string zlibContainer(std::string_view content, int level, int64_t claimed) {
    return container(
        2, zlibCompress(content, level),
        static_cast<uint32_t>(claimed < 0 ? static_cast<int64_t>(content.size()) : claimed));
}

namespace {

// Hands out its bytes a few at a time, as a pipe or an inflated stream may.
class PieceInput final : public sources::ByteInput {
public:
    PieceInput(std::string bytes, size_t piece) : bytes_(std::move(bytes)), piece_(piece) {}
    size_t read(std::span<uint8_t> buffer) override {
        const size_t count = std::min({buffer.size(), piece_, bytes_.size() - offset_});
        std::memcpy(buffer.data(), bytes_.data() + offset_, count);
        offset_ += count;
        return count;
    }
    platform::Status status() const override { return {}; }
    uint64_t consumed() const override { return offset_; }

private:
    std::string bytes_;
    size_t piece_;
    size_t offset_ = 0;
};

}  // namespace

ReadOutcome readAll(std::string bytes, size_t batch, size_t piece,
                    sources::blf::InflateEngine engine) {
    return readFrom(std::make_unique<PieceInput>(std::move(bytes), piece), batch, engine);
}

ReadOutcome readFrom(std::unique_ptr<sources::ByteInput> input, size_t batch,
                     sources::blf::InflateEngine engine) {
    ReadOutcome outcome;
    sources::BlfSource source(std::move(input), engine);
    outcome.open = source.open();
    if (outcome.open.ok()) {
        std::vector<can::Frame> frames(batch);
        while (const size_t count = source.read(frames)) {
            outcome.frames.insert(outcome.frames.end(), frames.begin(),
                                  frames.begin() + static_cast<std::ptrdiff_t>(count));
        }
        EXPECT_EQ(source.read(frames), 0u) << "the end stays the end";
    }
    outcome.status = source.status();
    outcome.counts = source.counts();
    outcome.origin = source.timeOrigin();
    outcome.bytesRead = source.bytesRead();
    return outcome;
}

std::string describe(const can::Frame& frame) {
    static constexpr const char* kKinds[] = {"data", "remote", "error", "damaged", "event"};
    std::string out = kKinds[static_cast<int>(frame.kind)];
    char text[64];
    std::snprintf(text, sizeof text, " ch%d %X%s", frame.channel, frame.canId,
                  frame.isExtended ? "x" : "");
    out += text;
    if (frame.isFd) out += " fd";
    if (frame.bitRateSwitch) out += " brs";
    if (frame.errorState) out += " esi";
    if (frame.transmitted) out += " tx";
    out += " len" + std::to_string(frame.dataLength);
    if (frame.dataLength > 0 && frame.kind != can::FrameKind::kRemote) out += " ";
    for (int i = 0; i < can::kMaxDataLength; ++i) {
        const bool inside = i < frame.dataLength && frame.kind != can::FrameKind::kRemote;
        if (inside) {
            std::snprintf(text, sizeof text, "%02X", frame.data[i]);
            out += text;
        } else if (frame.data[i] != 0) {
            out += " NONZERO-PAST-LENGTH";
            break;
        }
    }
    return out + " t" + std::to_string(frame.time);
}

std::string bytesOf(std::initializer_list<int> values) {
    std::string out;
    for (const int value : values) out.push_back(static_cast<char>(value));
    return out;
}

}  // namespace blf_test
