#include "app/signal_choice.h"

#include "cli/rules/option_values.h"
#include "platform/text_encoding.h"

namespace app {

namespace {

bool anyMatches(const std::vector<std::string>& patterns, const SignalRow& row) {
    const std::string qualified = row.message + "." + row.signal;
    for (const std::string& pattern : patterns) {
        if (decode::matchesPattern(pattern, row.signal) ||
            decode::matchesPattern(pattern, qualified)) {
            return true;
        }
    }
    return false;
}

}  // namespace

SignalChoice::SignalChoice(const dbc::CanDatabase& database, std::u16string_view stored) {
    const decode::SelectionRequest request = selectionOfStoredList(stored);
    for (const dbc::DbcMessage& message : database.messages) {
        for (const dbc::DbcSignal& signal : message.signals) {
            SignalRow row{message.name.str(), signal.name.str(), true};
            row.chosen = request.signals.empty() || anyMatches(request.signals, row);
            rows_.push_back(std::move(row));
        }
    }
}

std::vector<size_t> SignalChoice::shownRows(std::string_view filter) const {
    std::vector<size_t> shown;
    const std::vector<std::string> patterns{std::string(filter)};
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (filter.empty() || anyMatches(patterns, rows_[i]) ||
            decode::matchesPattern(filter, rows_[i].message)) {
            shown.push_back(i);
        }
    }
    return shown;
}

void SignalChoice::setChosen(size_t row, bool chosen) {
    if (row < rows_.size()) rows_[row].chosen = chosen;
}

void SignalChoice::chooseAll(const std::vector<size_t>& shown, bool chosen) {
    for (size_t row : shown) setChosen(row, chosen);
}

size_t SignalChoice::chosenCount() const {
    size_t count = 0;
    for (const SignalRow& row : rows_) count += row.chosen ? 1 : 0;
    return count;
}

std::u16string SignalChoice::storedList() const {
    if (chosenCount() == rows_.size()) return {};
    std::string list;
    const auto add = [&list](const std::string& pattern) {
        if (!list.empty()) list += ',';
        list += pattern;
    };
    // Rows of one message stand together, in database order.
    for (size_t first = 0; first < rows_.size();) {
        size_t end = first;
        bool all = true;
        while (end < rows_.size() && rows_[end].message == rows_[first].message) {
            all = all && rows_[end].chosen;
            ++end;
        }
        if (all) {
            add(rows_[first].message + ".*");
        } else {
            for (size_t i = first; i < end; ++i) {
                if (rows_[i].chosen) add(rows_[i].message + "." + rows_[i].signal);
            }
        }
        first = end;
    }
    return platform::utf8ToUtf16(list);
}

decode::SelectionRequest selectionOfStoredList(std::u16string_view stored) {
    decode::SelectionRequest request;
    std::vector<std::string> names;
    if (cli::parseNameList(platform::utf16ToUtf8(stored), names)) request.signals = names;
    return request;
}

}  // namespace app
