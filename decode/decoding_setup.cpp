#include "decode/decoding_setup.h"

#include <algorithm>

namespace decode {

DecodingSetup::DecodingSetup(const dbc::CanDatabase* ch1, const dbc::CanDatabase* ch2,
                             const SelectionRequest& request, bool j1939,
                             std::vector<std::string>& unmatched) {
    decoding_.ids = request.ids;
    const dbc::CanDatabase* databases[2] = {ch1, ch2};
    // A pattern is a mistake only when no database of the run has what it names.
    std::vector<std::string> unmatchedEverywhere;
    bool first = true;
    for (int channel = 0; channel < 2; ++channel) {
        const dbc::CanDatabase* database = databases[channel];
        ChannelDecoding& out = decoding_.channels[channel];
        out.database = database;
        if (database == nullptr) continue;
        databases_.push_back(database);
        if (channel == 1 && database == ch1) {
            out = decoding_.channels[0];
            continue;
        }
        std::vector<std::string> missed;
        if (!request.messages.empty() || !request.signals.empty()) {
            selections_.push_back(std::make_unique<SignalSelection>(*database, request, &missed));
            out.selection = selections_.back().get();
        }
        if (j1939) {
            indexes_.push_back(std::make_unique<J1939Index>(*database));
            out.j1939 = indexes_.back().get();
        }
        if (first) {
            unmatchedEverywhere = missed;
        } else {
            std::erase_if(unmatchedEverywhere, [&](const std::string& pattern) {
                return std::find(missed.begin(), missed.end(), pattern) == missed.end();
            });
        }
        first = false;
    }
    unmatched.insert(unmatched.end(), unmatchedEverywhere.begin(), unmatchedEverywhere.end());
}

bool DecodingSetup::keepsAnySignal() const {
    if (selections_.empty()) return true;
    for (const std::unique_ptr<SignalSelection>& selection : selections_) {
        if (selection->keepsAnySignal()) return true;
    }
    return false;
}

std::vector<IdRange> DecodingSetup::idsMatchingNoMessage() const {
    std::vector<IdRange> unmatched;
    for (const IdRange& range : decoding_.ids) {
        bool found = false;
        for (const dbc::CanDatabase* database : databases_) {
            for (const dbc::DbcMessage& message : database->messages) {
                found = found || (range.low <= message.canId && message.canId <= range.high);
            }
        }
        if (!found) unmatched.push_back(range);
    }
    return unmatched;
}

}  // namespace decode
