// Logs of frames of every kind and flag on several channels, written by the three writers and
// read back frame for frame: by the program's own readers (sources/), by python-can's readers
// (ASCReader, BLFReader, CanutilsLogReader, through tests/canlog/canlog_readback.py) and, for the
// candump log, by can-utils' log2asc. Each reader must give what the format carries of each
// frame: identifier, kind, flags, length, bytes, channel and time to the microsecond.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "can/fd_lengths.h"
#include "canlog/asc_writer.h"
#include "canlog/blf_writer.h"
#include "canlog/candump_writer.h"
#include "sources/asc/asc_source.h"
#include "sources/blf/blf_source.h"
#include "sources/candump/candump_source.h"
#include "tests/canlog/frame_writer_support.h"

namespace {

constexpr int64_t kStartSeconds = 1714566896;
constexpr uint32_t kStartNanoseconds = 789250123;  // below the microsecond: cut, not rounded
const std::string kNames[2] = {"vcan0", "bus_b"};  // the interfaces of channels 0 and 1

enum class Reader {
    kOwnAsc,
    kOwnBlf,
    kOwnCandump,
    kPythonAsc,
    kPythonBlf,
    kPythonCandump,
    kLog2Asc
};

bool readsCandump(Reader reader) {
    return reader == Reader::kOwnCandump || reader == Reader::kPythonCandump ||
           reader == Reader::kLog2Asc;
}

std::string interfaceName(int32_t channel) {
    return channel < 2 ? kNames[channel] : "can" + std::to_string(channel);
}

// A frame as a reader gives it, in words: kind channel id extended fd brs esi tx length data
// time (microseconds since 1970).
struct Seen {
    std::string kind;
    std::string channel;
    uint32_t id = 0;
    int extended = 0, fd = 0, brs = 0, esi = 0, tx = 0, length = 0;
    std::string data = "-";
    int64_t timeUs = 0;

    std::string text() const {
        std::ostringstream out;
        out << kind << ' ' << channel << ' ' << id << ' ' << extended << ' ' << fd << ' ' << brs
            << ' ' << esi << ' ' << tx << ' ' << length << ' ' << data << ' ' << timeUs;
        return out.str();
    }
};

// `length` bytes in lower-case hex, zeros past the frame's own; "-" for none.
std::string hexOf(const can::Frame& frame, int length) {
    if (length <= 0) return "-";
    std::string out;
    char pair[3];
    for (int i = 0; i < length; ++i) {
        std::snprintf(pair, sizeof pair, "%02x", i < frame.dataLength ? frame.data[i] : 0);
        out += pair;
    }
    return out;
}

const char* kindName(can::FrameKind kind) {
    switch (kind) {
        case can::FrameKind::kData:
            return "data";
        case can::FrameKind::kRemote:
            return "remote";
        case can::FrameKind::kError:
            return "error";
        default:
            return "other";
    }
}

int64_t absoluteUs(uint64_t sinceOrigin) {
    return kStartSeconds * 1000000 + static_cast<int64_t>((kStartNanoseconds + sinceOrigin) / 1000);
}

// What `reader` must give for a frame written into its format: what the format carries, and
// where python-can 4.1 reads less or otherwise, what it reads.
Seen expectedBy(Reader reader, const can::Frame& frame) {
    const bool python = reader == Reader::kPythonAsc || reader == Reader::kPythonBlf ||
                        reader == Reader::kPythonCandump || reader == Reader::kLog2Asc;
    Seen seen;
    seen.kind = kindName(frame.kind);
    seen.channel =
        readsCandump(reader) ? interfaceName(frame.channel) : std::to_string(frame.channel);
    seen.id = frame.canId;
    seen.extended = frame.isExtended;
    seen.tx = frame.transmitted;
    seen.timeUs = absoluteUs(frame.time);
    if (frame.kind == can::FrameKind::kData) {
        const bool fd = frame.isFd || frame.dataLength > can::kClassicMaxLength;
        seen.fd = fd;
        seen.brs = fd && frame.bitRateSwitch;
        seen.esi = fd && frame.errorState;
        seen.length = fd ? can::canFdLength(frame.dataLength) : frame.dataLength;
        seen.data = hexOf(frame, seen.length);
        // python-can's ASCReader takes a CANFD line without data for a remote request.
        if (fd && seen.length == 0 &&
            (reader == Reader::kPythonAsc || reader == Reader::kLog2Asc)) {
            seen.kind = "remote";
        }
        return seen;
    }
    if (frame.kind == can::FrameKind::kRemote) {
        seen.length = std::min(frame.dataLength, can::kClassicMaxLength);
        return seen;
    }
    // Error frames. ASC lines hold a channel and, in the CANFD form of an FD error frame, a
    // direction; log2asc writes every error frame in the classic form.
    const bool fdLine = frame.isFd && reader != Reader::kLog2Asc;
    const int length = std::min(frame.dataLength, can::kClassicMaxLength);
    switch (reader) {
        case Reader::kOwnAsc:
        case Reader::kPythonAsc:
        case Reader::kLog2Asc:
            seen.id = 0;
            seen.extended = python;      // python-can's default for a message without identifier
            seen.fd = python && fdLine;  // the source reads the CANFD form as an error frame only
            seen.tx = fdLine && frame.transmitted;
            break;
        case Reader::kOwnBlf:
        case Reader::kPythonBlf:
            // CAN_ERROR_EXT: identifier and 8 bytes; no direction, no CAN FD flags.
            seen.tx = 0;
            seen.length = length;
            seen.data = hexOf(frame, length);
            break;
        case Reader::kOwnCandump:
            // The error classes in the identifier, 8 bytes and the direction mark.
            seen.extended = 0;
            seen.length = length;
            seen.data = hexOf(frame, length);
            break;
        case Reader::kPythonCandump:
            // CanutilsLogReader keeps nothing of an error frame but its time.
            seen.channel = "-";
            seen.id = 0;
            seen.extended = 1;
            seen.tx = 0;
            break;
    }
    return seen;
}

// Frames of every kind: classic and CAN FD data frames of every length with BRS and ESI,
// remote frames, error frames (SocketCAN's bus-error class and 8 bytes, some of them CAN FD
// ones), sent or received, standard or extended, on channels of one, two and three digits
// (channels 254 and 255 frame the 8-bit channels of BLF's CAN_FD_MESSAGE_64).
std::vector<can::Frame> framesOfEveryKind() {
    std::mt19937 random(20240501);
    const auto pick = [&random](uint32_t count) { return static_cast<uint32_t>(random() % count); };
    constexpr int32_t kChannels[] = {0, 1, 2, 3, 7, 12, 254, 255, 300};
    std::vector<can::Frame> frames;
    uint64_t time = 0;
    for (int i = 0; i < 3000; ++i) {
        can::Frame frame;
        time += 1 + pick(5000000);
        frame.time = time;
        frame.place = static_cast<uint64_t>(i);
        frame.channel = kChannels[pick(std::size(kChannels))];
        frame.isExtended = pick(3) == 0;
        frame.canId = frame.isExtended ? pick(1u << 29) : pick(1u << 11);
        frame.transmitted = pick(2) == 0;
        const uint32_t kind = pick(10);
        if (kind < 3) {
            frame.dataLength = static_cast<int32_t>(pick(9));
        } else if (kind < 6) {
            frame.isFd = true;
            frame.bitRateSwitch = pick(2) == 0;
            frame.errorState = pick(3) == 0;
            frame.dataLength = static_cast<int32_t>(pick(65));  // 9..64: the next FD length
        } else if (kind < 8) {
            frame.kind = can::FrameKind::kRemote;
            frame.dataLength = static_cast<int32_t>(pick(9));
        } else {
            frame.kind = can::FrameKind::kError;
            frame.isExtended = false;
            frame.canId = 0x80 | pick(0x200);
            frame.dataLength = 8;
            frame.isFd = pick(4) == 0;
            frame.bitRateSwitch = frame.isFd && pick(2) == 0;
        }
        if (frame.kind != can::FrameKind::kRemote) {
            for (int b = 0; b < frame.dataLength; ++b)
                frame.data[b] = static_cast<uint8_t>(pick(256));
        }
        frames.push_back(frame);
    }
    return frames;
}

// Writes the frames with `writer` into `path`.
template <class Writer>
void writeLog(Writer& writer, output::BlockOutput& output, const std::filesystem::path& path,
              const std::vector<can::Frame>& frames) {
    ASSERT_EQ(output.open(path), 0);
    writer.begin(export_testing::datedClock(kStartSeconds, kStartNanoseconds));
    for (const can::Frame& frame : frames) writer.frame(frame, frame.time);
    writer.end();
    ASSERT_EQ(writer.leftOut()[canlog::LeftOut::kFrameOnChannel], 0u);
    ASSERT_EQ(output.close(), 0);
}

struct Logs {
    std::filesystem::path asc, blf, candump;
};

Logs writeLogs(const testing_support::ScratchDir& dir, const std::vector<can::Frame>& frames) {
    Logs logs{dir / "frames.asc", dir / "frames.blf", dir / "frames.log"};
    {
        output::BlockOutput output;
        canlog::AscWriter writer(output);
        writeLog(writer, output, logs.asc, frames);
    }
    {
        output::BlockOutput output;
        canlog::BlfWriter writer(output);
        writeLog(writer, output, logs.blf, frames);
    }
    {
        output::BlockOutput output;
        canlog::CandumpWriter writer(output, kNames);
        writeLog(writer, output, logs.candump, frames);
    }
    return logs;
}

// Compares line for line, naming the first few frames that differ.
void compare(const std::vector<Seen>& got, const std::vector<Seen>& expected) {
    EXPECT_EQ(got.size(), expected.size());
    int differences = 0;
    for (size_t i = 0; i < std::min(got.size(), expected.size()); ++i) {
        if (got[i].text() == expected[i].text()) continue;
        ADD_FAILURE() << "frame " << i << ": read " << got[i].text() << "\n  written as "
                      << expected[i].text();
        if (++differences == 10) return;
    }
}

std::vector<Seen> expectedBy(Reader reader, const std::vector<can::Frame>& frames) {
    std::vector<Seen> out;
    for (const can::Frame& frame : frames) out.push_back(expectedBy(reader, frame));
    return out;
}

template <class Source>
std::vector<Seen> readWithOwnReader(Source& source, bool named) {
    EXPECT_TRUE(source.open().ok());
    const sources::TimeOrigin origin = source.timeOrigin();
    EXPECT_EQ(origin.kind, sources::TimeOrigin::Kind::kDated);
    std::vector<Seen> out;
    std::vector<can::Frame> frames(250);
    while (const size_t count = source.read(frames)) {
        for (size_t i = 0; i < count; ++i) {
            const can::Frame& frame = frames[i];
            Seen seen;
            seen.kind = kindName(frame.kind);
            seen.channel = std::to_string(frame.channel);
            seen.id = frame.canId;
            seen.extended = frame.isExtended;
            seen.fd = frame.isFd;
            seen.brs = frame.bitRateSwitch;
            seen.esi = frame.errorState;
            seen.tx = frame.transmitted;
            seen.length = frame.dataLength;
            if (frame.kind != can::FrameKind::kRemote) seen.data = hexOf(frame, frame.dataLength);
            seen.timeUs = origin.startSeconds * 1000000 +
                          (origin.startNanoseconds + static_cast<int64_t>(frame.time)) / 1000;
            out.push_back(seen);
        }
    }
    EXPECT_TRUE(source.status().ok()) << source.status().description();
    EXPECT_EQ(source.counts().unreadable, 0u);
    // A candump log's channels are its interfaces' names.
    if (named) {
        const std::vector<std::string> names = source.channelNames();
        for (Seen& seen : out) {
            const auto channel = static_cast<size_t>(std::stoi(seen.channel));
            seen.channel = channel < names.size() ? names[channel] : "?";
        }
    }
    return out;
}

std::unique_ptr<sources::FileInput> fileInput(const std::filesystem::path& path) {
    auto input = std::make_unique<sources::FileInput>();
    EXPECT_TRUE(input->open(path).ok());
    return input;
}

TEST(CanLogReadBack, OwnReadersReadEveryKindBack) {
    testing_support::useUtc();  // a BLF header's date is read as local time
    testing_support::ScratchDir dir("canlog-readback-own");
    const std::vector<can::Frame> frames = framesOfEveryKind();
    const Logs logs = writeLogs(dir, frames);
    {
        SCOPED_TRACE("ASC");
        sources::AscSource source(fileInput(logs.asc));
        compare(readWithOwnReader(source, false), expectedBy(Reader::kOwnAsc, frames));
    }
    {
        SCOPED_TRACE("BLF");
        sources::BlfSource source(fileInput(logs.blf));
        compare(readWithOwnReader(source, false), expectedBy(Reader::kOwnBlf, frames));
    }
    {
        SCOPED_TRACE("candump");
        sources::CandumpOptions options;
        options.channelNames = {kNames[0], kNames[1]};
        sources::CandumpSource source(fileInput(logs.candump), options);
        compare(readWithOwnReader(source, true), expectedBy(Reader::kOwnCandump, frames));
    }
}

#ifndef _WIN32

// The lines canlog_readback.py writes.
std::vector<Seen> readLines(const std::filesystem::path& path) {
    std::vector<Seen> out;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Seen seen;
        fields >> seen.kind >> seen.channel >> seen.id >> seen.extended >> seen.fd >> seen.brs >>
            seen.esi >> seen.tx >> seen.length >> seen.data >> seen.timeUs;
        out.push_back(seen);
    }
    return out;
}

std::vector<Seen> readWithPythonCan(const char* form, const std::filesystem::path& log) {
    const std::filesystem::path script =
        testing_support::sourceDir() / "tests" / "canlog" / "canlog_readback.py";
    const std::filesystem::path lines = log.string() + ".lines";
    const std::string command = "/usr/bin/python3 " + script.string() + " " + form + " " +
                                log.string() + " " + lines.string();
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return readLines(lines);
}

// Times as from the first frame's: log2asc counts its times from there, from a date that
// holds whole seconds only.
void fromFirstFrame(std::vector<Seen>& frames) {
    if (frames.empty()) return;
    const int64_t first = frames.front().timeUs;
    for (Seen& seen : frames) seen.timeUs -= first;
}

#endif

TEST(CanLogReadBack, PythonCanAndLog2AscReadEveryKindBack) {
#ifdef _WIN32
    GTEST_SKIP() << "python-can and log2asc are run on Linux";
#else
    if (std::system("/usr/bin/python3 -c 'import can' 2>/dev/null") != 0) {
        GTEST_SKIP() << "no python-can for /usr/bin/python3";
    }
    testing_support::ScratchDir dir("canlog-readback-python");
    const std::vector<can::Frame> frames = framesOfEveryKind();
    const Logs logs = writeLogs(dir, frames);
    {
        SCOPED_TRACE("ASCReader");
        compare(readWithPythonCan("asc", logs.asc), expectedBy(Reader::kPythonAsc, frames));
    }
    {
        SCOPED_TRACE("BLFReader");
        compare(readWithPythonCan("blf", logs.blf), expectedBy(Reader::kPythonBlf, frames));
    }
    {
        SCOPED_TRACE("CanutilsLogReader");
        compare(readWithPythonCan("candump", logs.candump),
                expectedBy(Reader::kPythonCandump, frames));
    }
    if (std::system("command -v log2asc >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "no log2asc (can-utils): the candump log's conversion is not checked";
    }
    SCOPED_TRACE("log2asc, then ASCReader");
    // log2asc numbers the interfaces as they are listed: ASC channel 1 is the first.
    std::map<int32_t, std::string> names;
    for (const can::Frame& frame : frames) names[frame.channel] = interfaceName(frame.channel);
    std::string command =
        "log2asc -I " + logs.candump.string() + " -O " + (dir / "log2asc.asc").string();
    std::vector<std::string> order;
    for (const auto& [channel, name] : names) {
        command += " " + name;
        order.push_back(name);
    }
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::vector<Seen> got = readWithPythonCan("asc", dir / "log2asc.asc");
    for (Seen& seen : got) {
        const auto index = static_cast<size_t>(std::stoi(seen.channel));
        seen.channel = index < order.size() ? order[index] : "?";
    }
    std::vector<Seen> expected = expectedBy(Reader::kLog2Asc, frames);
    fromFirstFrame(got);
    fromFirstFrame(expected);
    compare(got, expected);
#endif
}

}  // namespace
