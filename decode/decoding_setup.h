// What the decoding of a run uses: a database per channel (the same one for both, or one each,
// or none for a channel whose frames then count as unknown), the signals kept of each, J1939
// matching, and the frame identifiers admitted.
#pragma once

#include <memory>
#include <string>
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
    ChannelDecoding channels[2];
    std::vector<IdRange> ids;  // the frame identifiers admitted; empty: all

    // Both channels through one database, every signal, exact identifiers.
    static Decoding of(const dbc::CanDatabase& database) {
        Decoding decoding;
        decoding.channels[0].database = decoding.channels[1].database = &database;
        return decoding;
    }
    bool twoDatabases() const { return channels[0].database != channels[1].database; }
};

// The selections and J1939 indexes of a run, owned in one place for the run's lifetime.
class DecodingSetup {
public:
    // `databases` per channel (either may be nullptr, both may be the same). Fills `unmatched`
    // with the patterns that match nothing in any of the databases.
    DecodingSetup(const dbc::CanDatabase* ch1, const dbc::CanDatabase* ch2,
                  const SelectionRequest& request, bool j1939, std::vector<std::string>& unmatched);
    const Decoding& decoding() const { return decoding_; }
    // Whether the selection keeps any signal of any database (each pattern may match something
    // while together they keep nothing).
    bool keepsAnySignal() const;
    // The identifier ranges of the request that no message of any database lies in.
    std::vector<IdRange> idsMatchingNoMessage() const;

private:
    std::vector<std::unique_ptr<SignalSelection>> selections_;
    std::vector<std::unique_ptr<J1939Index>> indexes_;
    std::vector<const dbc::CanDatabase*> databases_;
    Decoding decoding_;
};

}  // namespace decode
