#include "cli/inspect_log.h"

#include <algorithm>
#include <cinttypes>
#include <string>

#include "cli/json_text.h"
#include "cli/report_pieces.h"
#include "sources/frame_walk.h"

namespace cli {

namespace {

const char* kindWord(can::FrameKind kind) {
    switch (kind) {
        case can::FrameKind::kData:
            return "data";
        case can::FrameKind::kRemote:
            return "remote";
        case can::FrameKind::kError:
            return "error";
        case can::FrameKind::kDamaged:
            return "damaged";
        default:
            return "event";
    }
}

std::string hexOf(const can::Frame& frame, bool spaced) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    if (frame.kind == can::FrameKind::kRemote) return text;  // asks for bytes, carries none
    for (int i = 0; i < frame.dataLength && i < can::kMaxDataLength; ++i) {
        if (i > 0 && spaced) text += ' ';
        text += kDigits[frame.data[i] >> 4];
        text += kDigits[frame.data[i] & 0x0F];
    }
    return text;
}

void printStart(const sources::FrameSource& source, bool json, std::FILE* out) {
    const sources::TimeOrigin& origin = source.timeOrigin();
    const bool dated = origin.kind == sources::TimeOrigin::Kind::kDated;
    const std::string name(source.formatName());
    if (json) {
        std::fprintf(out,
                     "{\"format\":%s,\"dated\":%s,\"startSeconds\":%" PRId64
                     ",\"startNanoseconds\":%" PRId64 "}\n",
                     jsonString(name).c_str(), dated ? "true" : "false", origin.startSeconds,
                     origin.startNanoseconds);
    } else if (dated) {
        std::fprintf(out, "%s, start %" PRId64 " s %" PRId64 " ns (UTC)\n", name.c_str(),
                     origin.startSeconds, origin.startNanoseconds);
    } else {
        std::fprintf(out, "%s, no date: times from the start of the log\n", name.c_str());
    }
}

void printFrame(const can::Frame& frame, bool json, std::FILE* out) {
    if (json) {
        std::fprintf(out,
                     "{\"place\":%" PRIu64 ",\"kind\":\"%s\",\"time\":%" PRIu64
                     ",\"channel\":%d,\"canId\":%" PRIu32
                     ",\"isExtended\":%s,\"isFd\":%s,"
                     "\"brs\":%s,\"esi\":%s,\"tx\":%s,\"dataLength\":%d,\"data\":\"%s\"}\n",
                     frame.place, kindWord(frame.kind), frame.time, frame.channel + 1, frame.canId,
                     frame.isExtended ? "true" : "false", frame.isFd ? "true" : "false",
                     frame.bitRateSwitch ? "true" : "false", frame.errorState ? "true" : "false",
                     frame.transmitted ? "true" : "false", frame.dataLength,
                     hexOf(frame, false).c_str());
        return;
    }
    std::string flags;
    if (frame.isFd) flags += " FD";
    if (frame.bitRateSwitch) flags += " BRS";
    if (frame.errorState) flags += " ESI";
    flags += frame.transmitted ? " Tx" : " Rx";
    std::fprintf(out, "%10" PRIu64 "  %-6s  time %-18" PRIu64 "  CH%d %s 0x%" PRIX32 " [%d]%s %s\n",
                 frame.place, kindWord(frame.kind), frame.time, frame.channel + 1,
                 frame.isExtended ? "ext" : "std", frame.canId, frame.dataLength, flags.c_str(),
                 hexOf(frame, true).c_str());
}

// The channels of a log as this program numbers them (CH1 for a log's first channel, can0 or
// another interface name), with the name the log gives each and its frames by kind: lines of
// text, or the members of a JSON list.
std::string channelsText(const sources::FrameSource& source, const sources::WalkCounts& walked,
                         bool json) {
    const std::vector<std::string> names = source.channelNames();
    const size_t count = std::max(names.size(), walked.channels.size());
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        const std::string name = i < names.size() ? names[i] : std::string();
        const sources::ChannelFrames frames = walked.of(static_cast<int32_t>(i));
        if (name.empty() && !frames.any()) continue;
        if (!json) {
            text += "CH" + std::to_string(i + 1) + ": " + name + (name.empty() ? "" : ", ") +
                    report::kindsText(frames) + "\n";
            continue;
        }
        if (!text.empty()) text += ',';
        text += "{\"channel\":" + std::to_string(i + 1) + ",\"name\":" + jsonString(name) +
                ",\"data\":" + std::to_string(frames.data) +
                ",\"fd\":" + std::to_string(frames.fd) +
                ",\"remote\":" + std::to_string(frames.remote) +
                ",\"error\":" + std::to_string(frames.error) +
                ",\"damaged\":" + std::to_string(frames.damaged) + "}";
    }
    return text;
}

void printCounts(const sources::FrameSource& source, const sources::WalkCounts& walked, bool json,
                 std::FILE* out) {
    const sources::SourceCounts& counts = source.counts();
    const std::vector<std::string> names = source.channelNames();
    if (json) {
        std::string line = "{\"skipped\":{";
        bool first = true;
        for (const auto& [kind, count] : counts.skipped) {
            if (!first) line += ',';
            first = false;
            line += jsonString(kind) + ":" + std::to_string(count);
        }
        line += "},\"unreadable\":" + std::to_string(counts.unreadable) + ",\"firstUnreadable\":[";
        for (size_t i = 0; i < counts.firstUnreadable.size(); ++i) {
            if (i > 0) line += ',';
            line += std::to_string(counts.firstUnreadable[i]);
        }
        line += "],\"channelNames\":[";
        for (size_t i = 0; i < names.size(); ++i) {
            if (i > 0) line += ',';
            line += jsonString(names[i]);
        }
        line += "],\"cutShort\":";
        line += counts.cutShort ? jsonString(counts.cutShortWhere) : std::string("false");
        line += ",\"channels\":[" + channelsText(source, walked, true) + "]";
        std::fprintf(out, "%s}\n", line.c_str());
        return;
    }
    for (const auto& [kind, count] : counts.skipped) {
        std::fprintf(out, "skipped: %" PRIu64 " %s\n", count, kind.c_str());
    }
    if (counts.unreadable > 0) {
        std::fprintf(out, "unreadable: %" PRIu64 " (the first at", counts.unreadable);
        for (const uint64_t place : counts.firstUnreadable) std::fprintf(out, " %" PRIu64, place);
        std::fputs(")\n", out);
    }
    std::fputs(channelsText(source, walked, false).c_str(), out);
    if (counts.cutShort) std::fprintf(out, "cut short: %s\n", counts.cutShortWhere.c_str());
}

}  // namespace

int32_t printLog(sources::FrameSource& source, bool json, std::FILE* out) {
    printStart(source, json, out);
    const sources::FrameFilter everything;
    sources::FrameWalk walk(source, everything, {});
    const platform::Status walked = walk.run([&](const can::Frame& frame) {
        printFrame(frame, json, out);
        return true;
    });
    printCounts(source, walk.counts(), json, out);
    return walked.code();
}

}  // namespace cli
