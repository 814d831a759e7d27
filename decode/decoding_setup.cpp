#include "decode/decoding_setup.h"

#include <algorithm>

namespace decode {

namespace {

std::vector<DecodingSetup::ChannelDatabase> pairOf(const dbc::CanDatabase* ch1,
                                                   const dbc::CanDatabase* ch2) {
    std::vector<DecodingSetup::ChannelDatabase> own;
    if (ch1 != nullptr) own.emplace_back(0, ch1);
    if (ch2 != nullptr) own.emplace_back(1, ch2);
    return own;
}

}  // namespace

DecodingSetup::DecodingSetup(const dbc::CanDatabase* every, const std::vector<ChannelDatabase>& own,
                             const SelectionRequest& request, bool j1939,
                             std::vector<std::string>& unmatched) {
    setUp(every, own, request, j1939, unmatched);
}

DecodingSetup::DecodingSetup(const dbc::CanDatabase* ch1, const dbc::CanDatabase* ch2,
                             const SelectionRequest& request, bool j1939,
                             std::vector<std::string>& unmatched) {
    if (ch1 != nullptr && ch1 == ch2) {
        setUp(ch1, {}, request, j1939, unmatched);
    } else {
        setUp(nullptr, pairOf(ch1, ch2), request, j1939, unmatched);
    }
}

// One selection and J1939 index per database, shared by every channel that uses it.
ChannelDecoding DecodingSetup::decodingOf(const dbc::CanDatabase* database,
                                          const SelectionRequest& request, bool j1939,
                                          std::vector<std::string>& missed) {
    for (size_t i = 0; i < databases_.size(); ++i) {
        if (databases_[i] == database) return made_[i];
    }
    ChannelDecoding out;
    out.database = database;
    if (!request.messages.empty() || !request.signals.empty()) {
        selections_.push_back(std::make_unique<SignalSelection>(*database, request, &missed));
        out.selection = selections_.back().get();
    }
    if (j1939) {
        indexes_.push_back(std::make_unique<J1939Index>(*database));
        out.j1939 = indexes_.back().get();
    }
    databases_.push_back(database);
    made_.push_back(out);
    return out;
}

void DecodingSetup::setUp(const dbc::CanDatabase* every, const std::vector<ChannelDatabase>& own,
                          const SelectionRequest& request, bool j1939,
                          std::vector<std::string>& unmatched) {
    decoding_.ids = request.ids;
    // A pattern is a mistake only when no database of the run has what it names.
    std::vector<std::string> unmatchedEverywhere;
    bool first = true;
    const auto add = [&](const dbc::CanDatabase* database) -> ChannelDecoding {
        const bool known =
            std::find(databases_.begin(), databases_.end(), database) != databases_.end();
        std::vector<std::string> missed;
        const ChannelDecoding made = decodingOf(database, request, j1939, missed);
        if (known) return made;
        if (first) {
            unmatchedEverywhere = missed;
        } else {
            std::erase_if(unmatchedEverywhere, [&](const std::string& pattern) {
                return std::find(missed.begin(), missed.end(), pattern) == missed.end();
            });
        }
        first = false;
        return made;
    };
    if (every != nullptr) decoding_.every = add(every);
    for (const auto& [channel, database] : own) {
        if (database == nullptr) continue;
        decoding_.own.emplace_back(channel, add(database));
    }
    std::sort(decoding_.own.begin(), decoding_.own.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
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
