// What the decoding of a run uses: a database for every channel, or one per channel (any channel
// number; a channel without one then counts its frames as unknown), the signals kept of each,
// J1939 matching, and the frame identifiers admitted.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "dbc/database.h"
#include "decode/j1939.h"
#include "decode/selection.h"

namespace decode {

struct ChannelDecoding {
    const dbc::CanDatabase* database = nullptr;  // nullptr: every frame is unknown
    const SignalSelection* selection = nullptr;  // nullptr: every signal
    const J1939Index* j1939 = nullptr;           // nullptr: exact identifiers only
};

struct Decoding {
    // The decoding of every channel that has none of its own (one --dbc FILE for all).
    ChannelDecoding every;
    // The channels with a database of their own, by channel number (0 for CH1), ascending.
    std::vector<std::pair<int32_t, ChannelDecoding>> own;
    std::vector<IdRange> ids;  // the frame identifiers admitted; empty: all

    // Every channel through one database, every signal, exact identifiers.
    static Decoding of(const dbc::CanDatabase& database) {
        Decoding decoding;
        decoding.every.database = &database;
        return decoding;
    }
    // The decoding of a channel: its own, else the one of every channel.
    const ChannelDecoding& of(int32_t channel) const {
        for (const auto& [number, decoding] : own) {
            if (number == channel) return decoding;
        }
        return every;
    }
    // Every decoding of the run: every channel's, then each channel's own.
    std::vector<const ChannelDecoding*> all() const {
        std::vector<const ChannelDecoding*> list{&every};
        for (const auto& [number, decoding] : own) list.push_back(&decoding);
        return list;
    }
    // Whether the channels have databases of their own (table columns then name their channel).
    bool perChannel() const { return !own.empty(); }
};

// The selections and J1939 indexes of a run, owned in one place for the run's lifetime.
class DecodingSetup {
public:
    using ChannelDatabase = std::pair<int32_t, const dbc::CanDatabase*>;
    // `every`: the database of every channel (nullptr: none); `own`: databases of single
    // channels by channel number (0 CH1). Fills `unmatched` with the patterns that match nothing
    // in any of the databases.
    DecodingSetup(const dbc::CanDatabase* every, const std::vector<ChannelDatabase>& own,
                  const SelectionRequest& request, bool j1939, std::vector<std::string>& unmatched);
    // CH1's and CH2's databases (either may be nullptr); the same one for both serves every
    // channel.
    DecodingSetup(const dbc::CanDatabase* ch1, const dbc::CanDatabase* ch2,
                  const SelectionRequest& request, bool j1939, std::vector<std::string>& unmatched);
    const Decoding& decoding() const { return decoding_; }
    // Whether the selection keeps any signal of any database (each pattern may match something
    // while together they keep nothing).
    bool keepsAnySignal() const;
    // The identifier ranges of the request that no message of any database lies in.
    std::vector<IdRange> idsMatchingNoMessage() const;

private:
    void setUp(const dbc::CanDatabase* every, const std::vector<ChannelDatabase>& own,
               const SelectionRequest& request, bool j1939, std::vector<std::string>& unmatched);
    ChannelDecoding decodingOf(const dbc::CanDatabase* database, const SelectionRequest& request,
                               bool j1939, std::vector<std::string>& missed);

    std::vector<std::unique_ptr<SignalSelection>> selections_;
    std::vector<std::unique_ptr<J1939Index>> indexes_;
    std::vector<const dbc::CanDatabase*> databases_;
    std::vector<ChannelDecoding> made_;  // by database, as databases_
    Decoding decoding_;
};

}  // namespace decode
