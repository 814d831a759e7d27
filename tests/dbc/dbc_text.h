// Feeding DBC text to the line parser in tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dbc/database.h"
#include "dbc/finalise.h"
#include "dbc/line_parser.h"

namespace dbc_test {

// Gives every line of `text` (split at '\n') to the parser; the result of each line.
inline std::vector<int32_t> feed(dbc::DbcParser& parser, std::string_view text) {
    std::vector<int32_t> results;
    size_t begin = 0;
    while (begin < text.size()) {
        size_t end = text.find('\n', begin);
        if (end == std::string_view::npos) end = text.size();
        results.push_back(dbc::parseDbcLine(parser, text.substr(begin, end - begin)));
        begin = end + 1;
    }
    return results;
}

// Resets, feeds and finalises.
inline void load(dbc::DbcParser& parser, std::string_view text) {
    parser.reset();
    feed(parser, text);
    dbc::finaliseDatabase(parser);
}

// The same with a parser of its own, for tests that only need the loaded database.
inline void load(dbc::CanDatabase& db, std::string_view text) {
    dbc::DbcParser parser(db);
    load(parser, text);
}

}  // namespace dbc_test
