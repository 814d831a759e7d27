#include "cli/report_pieces.h"

#include <cinttypes>
#include <cstdio>

#include "cli/json_text.h"
#include "platform/local_time.h"
#include "tables/text_format.h"

namespace cli::report {

std::string number(uint64_t value) { return std::to_string(value); }

std::string seconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

const char* flag(bool value) { return value ? "true" : "false"; }

std::string hexId(uint32_t id, bool extended) {
    std::string text;
    tables::appendHex(text, id, extended ? 7 : 3);
    return text;
}

std::string channelKey(int32_t channel) { return "ch" + std::to_string(channel + 1); }

namespace {

void putTime(std::string& out, const char* name, uint64_t microseconds,
             const tables::TimeBase& base) {
    put(out, ",\"", name, "Seconds\":", seconds(static_cast<double>(microseconds) / 1e6));
    if (base.scheme != tables::TimeScheme::kDateTime) return;
    const uint64_t nanoseconds =
        (microseconds % 1000000) * 1000 + static_cast<uint64_t>(base.startNanoseconds);
    const auto whole = static_cast<int64_t>(static_cast<uint64_t>(base.startSeconds) +
                                            microseconds / 1000000 + nanoseconds / 1000000000);
    platform::CivilTime civil;
    if (!platform::utcTime(whole, civil)) return;
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%06" PRIu64 "Z", civil.year,
                  civil.month, civil.day, civil.hour, civil.minute, civil.second,
                  (nanoseconds % 1000000000) / 1000);
    put(out, ",\"", name, "Time\":\"", text, "\"");
}

}  // namespace

std::string kindsText(const sources::ChannelFrames& frames) {
    std::string text = number(frames.data) + " data";
    if (frames.fd > 0) text += " (" + number(frames.fd) + " FD)";
    if (frames.remote > 0) text += ", " + number(frames.remote) + " remote";
    if (frames.error > 0) text += ", " + number(frames.error) + " error";
    if (frames.damaged > 0) text += ", " + number(frames.damaged) + " not read whole";
    return text;
}

void putTimes(std::string& out, const run::WalkStats& stats) {
    if (!stats.timed) return;
    putTime(out, "first", stats.firstMicroseconds, stats.time);
    putTime(out, "last", stats.lastMicroseconds, stats.time);
}

void putFrames(std::string& out, const run::ChannelStats& channels) {
    put(out, "\"frames\":{\"ch1\":", number(channels.framesOf(0)),
        ",\"ch2\":", number(channels.framesOf(1)));
    for (const int32_t channel : channels.beyondTwo()) {
        put(out, ",\"", channelKey(channel), "\":", number(channels.framesOf(channel)));
    }
    put(out, "}");
}

void putChannelKinds(std::string& out, const run::ChannelStats& channels) {
    put(out, "{");
    const char* separator = "";
    for (const int32_t channel : channels.met()) {
        const sources::ChannelFrames frames = channels.of(channel);
        put(out, separator, "\"", channelKey(channel), "\":{\"data\":", number(frames.data),
            ",\"fd\":", number(frames.fd), ",\"remote\":", number(frames.remote),
            ",\"error\":", number(frames.error), ",\"damaged\":", number(frames.damaged), "}");
        separator = ",";
    }
    put(out, "}");
}

void putLog(std::string& out, const run::WalkStats& stats, bool file) {
    if (!stats.log) return;
    const run::LogCounts& counts = stats.logCounts;
    put(out, ",\"log\":{");
    if (file) {
        put(out, "\"format\":", jsonString(counts.format));
    } else {
        put(out, "\"logs\":", number(counts.logs));
    }
    put(out, ",\"channels\":");
    putChannelKinds(out, counts.channels);
    put(out, ",\"skipped\":{");
    const char* separator = "";
    for (const auto& [kind, count] : counts.skipped) {
        put(out, separator, jsonString(kind), ":", number(count));
        separator = ",";
    }
    put(out, "},\"unreadable\":", number(counts.unreadable));
    if (file) {
        put(out, ",\"firstUnreadable\":[");
        separator = "";
        for (const uint64_t place : counts.firstUnreadable) {
            put(out, separator, number(place));
            separator = ",";
        }
        put(out, "],\"cutShort\":", flag(counts.cutShort > 0), "}");
    } else {
        put(out, ",\"cutShort\":", number(counts.cutShort), "}");
    }
}

std::string channelList(const run::ChannelStats& channels) {
    std::string text =
        "CH1 " + number(channels.framesOf(0)) + ", CH2 " + number(channels.framesOf(1));
    for (const int32_t channel : channels.beyondTwo()) {
        put(text, ", CH", std::to_string(channel + 1), " ", number(channels.framesOf(channel)));
    }
    return text;
}

std::string logSummary(const run::WalkStats& totals) {
    if (!totals.log) return {};
    const run::LogCounts& counts = totals.logCounts;
    std::string out = "  " + number(counts.logs) + (counts.logs == 1 ? " log" : " logs");
    if (counts.cutShort > 0) put(out, " (", number(counts.cutShort), " cut short)");
    const char* separator = ": ";
    for (const int32_t channel : counts.channels.met()) {
        put(out, separator, "CH", std::to_string(channel + 1), " ",
            kindsText(counts.channels.of(channel)));
        separator = "; ";
    }
    out += "\n  skipped: ";
    separator = "";
    for (const auto& [kind, count] : counts.skipped) {
        put(out, separator, number(count), " ", kind);
        separator = ", ";
    }
    if (counts.skipped.empty()) out += "nothing";
    put(out, "; ", number(counts.unreadable), " unreadable line(s) or object(s)\n");
    return out;
}

std::string unreadableLine(std::string_view input, const run::WalkStats& stats) {
    if (!stats.log || stats.logCounts.firstUnreadable.empty()) return {};
    std::string out;
    put(out, "  ", input, ": ", number(stats.logCounts.unreadable),
        " unreadable line(s) or object(s), the first: ");
    const char* separator = "";
    for (const uint64_t place : stats.logCounts.firstUnreadable) {
        put(out, separator, number(place));
        separator = ", ";
    }
    out += "\n";
    return out;
}

}  // namespace cli::report
