// Which messages and signals a conversion keeps: names with '*' and '?' wildcards
// ("Engine*.Rpm", "VehicleSpeed") and identifier ranges ("100-1FF,18FEF100"). Every given
// filter narrows: a signal is kept when its message matches --messages, its signal (or
// Message.Signal) matches --signals and the frame's own identifier lies in --ids, as far as
// each is given. The identifiers are those of the captured frames, so that they select the same
// frames in every output, the frame exports included.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "can/id_range.h"
#include "dbc/database.h"

namespace decode {

using can::IdRange;

// The patterns and ranges as the user gave them.
struct SelectionRequest {
    std::vector<std::string> messages;  // empty: every message
    std::vector<std::string> signals;   // empty: every signal
    std::vector<IdRange> ids;           // empty: every identifier

    bool empty() const { return messages.empty() && signals.empty() && ids.empty(); }
};

// '*' any run of characters, '?' one character; case matters, as in DBC names.
bool matchesPattern(std::string_view pattern, std::string_view name);

// The request laid over one database: a flag per message and per signal.
class SignalSelection {
public:
    // Builds the flags; the patterns that match nothing in this database are listed in
    // `unmatched` (the caller decides whether that is an error).
    SignalSelection(const dbc::CanDatabase& database, const SelectionRequest& request,
                    std::vector<std::string>* unmatched = nullptr);

    bool messageSelected(const dbc::DbcMessage& message) const {
        return messageSelected_[indexOf(message)];
    }
    bool signalSelected(const dbc::DbcMessage& message, const dbc::DbcSignal& signal) const {
        return signalSelected_[signalBase_[indexOf(message)] +
                               static_cast<size_t>(&signal - message.signals.data())];
    }

    // Whether the selection keeps any signal of the database at all.
    bool keepsAnySignal() const {
        for (const bool kept : messageSelected_) {
            if (kept) return true;
        }
        return false;
    }

private:
    size_t indexOf(const dbc::DbcMessage& message) const {
        return static_cast<size_t>(&message - database_.messages.data());
    }

    const dbc::CanDatabase& database_;
    std::vector<size_t> signalBase_;
    std::vector<bool> messageSelected_;
    std::vector<bool> signalSelected_;
};

}  // namespace decode
