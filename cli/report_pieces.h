// The pieces of the run reports of `convert` and `export`: numbers, times, identifiers as the
// CSV writes them, the frames per channel, and what a log's source left out, as JSON members
// and as lines of a summary.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "run/file_stats.h"
#include "tables/time_base.h"

namespace cli::report {

// Appends every part in turn: no temporary strings (GCC 12 for MinGW warns wrongly about
// chains of operator+ on them).
template <class... Parts>
void put(std::string& out, const Parts&... parts) {
    (out.append(std::string_view(parts)), ...);
}

std::string number(uint64_t value);
std::string seconds(double value);
const char* flag(bool value);
// An identifier with the CSV's digits: at least 3 for standard, at least 7 for extended ones.
std::string hexId(uint32_t id, bool extended);
// "ch1", "ch2", ...: a channel's key (0 for CH1).
std::string channelKey(int32_t channel);

// ",\"firstSeconds\":...": seconds since the time base, and for a dated base the date and time
// in UTC as ISO 8601; both ends of a walk that handed on any frame.
void putTimes(std::string& out, const run::WalkStats& stats);
// "\"frames\":{\"ch1\":7,\"ch2\":4}": CH1 and CH2 always, every further channel met.
void putFrames(std::string& out, const run::ChannelStats& channels);
// "{\"ch1\":{\"data\":7,\"fd\":0,\"remote\":0,\"error\":0,\"damaged\":0},...}": every channel met
// with its frames by kind.
void putChannelKinds(std::string& out, const run::ChannelStats& channels);
// ",\"log\":{...}" for a log (nothing for a capture): its format, its frames per channel by
// kind, what its source skipped and could not read, and whether it is cut short. `file`: one
// file's (format, first unreadable places), or the totals of a run (logs counted).
void putLog(std::string& out, const run::WalkStats& stats, bool file);

// "7 data (1 FD), 1 remote, 1 error": a channel's frames by kind.
std::string kindsText(const sources::ChannelFrames& frames);
// "CH1 7, CH2 4": CH1 and CH2 always, every further channel met.
std::string channelList(const run::ChannelStats& channels);
// The summary's lines of the logs of a run (none without a log): frames by kind per channel,
// what was skipped and could not be read.
std::string logSummary(const run::WalkStats& totals);
// A log's unreadable places for the summary ("  x.asc: unreadable lines 5, 9"), or nothing.
std::string unreadableLine(std::string_view input, const run::WalkStats& stats);

}  // namespace cli::report
