// The choice of signals behind the "Signals..." dialog: every signal of the loaded database as a
// row with its message, a filter with the command line's wildcards, and the choice kept as the
// list of Message.Signal patterns that --signals takes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "dbc/database.h"
#include "decode/selection.h"

namespace app {

struct SignalRow {
    std::string message;
    std::string signal;
    bool chosen = true;
};

class SignalChoice {
public:
    // Every signal of the database in database order; the stored list (comma-separated
    // patterns, as --signals takes them; empty for every signal) says which are chosen.
    SignalChoice(const dbc::CanDatabase& database, std::u16string_view stored);

    const std::vector<SignalRow>& rows() const { return rows_; }
    // The rows the filter shows: a pattern matching the signal, Message.Signal or the message
    // (an empty filter shows all).
    std::vector<size_t> shownRows(std::string_view filter) const;
    void setChosen(size_t row, bool chosen);
    // "All" and "None" act on the rows shown.
    void chooseAll(const std::vector<size_t>& shown, bool chosen);
    size_t chosenCount() const;

    // The list to keep: empty when every signal is chosen, else a message whose signals are all
    // chosen as "Message.*" and each other chosen signal as "Message.Signal".
    std::u16string storedList() const;

private:
    std::vector<SignalRow> rows_;
};

// The selection of a stored list, as --signals gives it to the decoding (empty: every signal).
decode::SelectionRequest selectionOfStoredList(std::u16string_view stored);

}  // namespace app
