#include "cli/rules/option_values.h"

#include <cctype>
#include <cmath>

namespace cli {

bool sameWordIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

bool parseJobCount(std::string_view text, unsigned& jobs) {
    unsigned count = 0;
    if (!parseNumber(text, count) || count == 0 || count > 256) return false;
    jobs = count;
    return true;
}

bool parseNameList(std::string_view list, std::vector<std::string>& names) {
    if (list.empty()) return true;
    std::vector<std::string> added;
    while (true) {
        const size_t comma = list.find(',');
        const std::string_view entry = list.substr(0, comma);
        if (entry.empty()) return false;
        added.emplace_back(entry);
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    names.insert(names.end(), added.begin(), added.end());
    return true;
}

namespace {

bool parseHex(std::string_view text, uint32_t& value) {
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
    }
    if (text.empty() || text.size() > 8) return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return result.ec == std::errc{} && result.ptr == text.data() + text.size() &&
           value <= 0x1FFFFFFF;
}

}  // namespace

bool parseIdList(std::string_view list, std::vector<can::IdRange>& ranges, std::string& problem) {
    std::vector<std::string> entries;
    if (!parseNameList(list, entries) || entries.empty()) {
        problem = "invalid identifier '" + std::string(list) + "'";
        return false;
    }
    std::vector<can::IdRange> added;
    for (const std::string& entry : entries) {
        const size_t dash = entry.find('-');
        can::IdRange range;
        const std::string_view text(entry);
        const bool ok = dash == std::string::npos
                            ? parseHex(text, range.low) && ((range.high = range.low), true)
                            : parseHex(text.substr(0, dash), range.low) &&
                                  parseHex(text.substr(dash + 1), range.high);
        if (!ok) {
            problem = "invalid identifier '" + entry + "'";
            return false;
        }
        if (range.low > range.high) {
            problem = "the range " + entry + " runs backwards";
            return false;
        }
        added.push_back(range);
    }
    ranges.insert(ranges.end(), added.begin(), added.end());
    return true;
}

bool parsePeriod(std::string_view text, uint64_t& microseconds) {
    size_t unitAt = 0;
    while (unitAt < text.size() &&
           ((text[unitAt] >= '0' && text[unitAt] <= '9') || text[unitAt] == '.')) {
        ++unitAt;
    }
    const std::string_view number = text.substr(0, unitAt);
    const std::string_view unit = text.substr(unitAt);
    double scale = 0;
    if (unit == "us") scale = 1;
    if (unit == "ms") scale = 1e3;
    if (unit == "s") scale = 1e6;
    if (unit == "min") scale = 60e6;
    if (unit == "h") scale = 3600e6;
    double value = 0;
    const auto parsed = std::from_chars(number.data(), number.data() + number.size(), value);
    if (scale == 0 || number.empty() || parsed.ec != std::errc{} ||
        parsed.ptr != number.data() + number.size()) {
        return false;
    }
    const double total = value * scale;
    // At least a microsecond, at most a day.
    if (!(total >= 0.5 && total <= 86400e6)) return false;
    microseconds = static_cast<uint64_t>(std::llround(total));
    return true;
}

bool parseColumns(std::string_view list, settings::Columns& columns) {
    columns = settings::Columns{false, false, false, false, false, false};
    while (!list.empty()) {
        const size_t comma = list.find(',');
        const std::string_view word = list.substr(0, comma);
        if (sameWordIgnoringCase(word, "ch"))
            columns.channel = true;
        else if (sameWordIgnoringCase(word, "id"))
            columns.identifier = true;
        else if (sameWordIgnoringCase(word, "msg"))
            columns.message = true;
        else if (sameWordIgnoringCase(word, "unit"))
            columns.unit = true;
        else if (sameWordIgnoringCase(word, "enum"))
            columns.description = true;
        else if (sameWordIgnoringCase(word, "raw"))
            columns.rawData = true;
        else
            return false;
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
        if (list.empty()) return false;  // a trailing comma names no column
    }
    return true;
}

}  // namespace cli
