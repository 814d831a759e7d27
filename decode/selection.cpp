#include "decode/selection.h"

#include <charconv>

#include "decode/wildcard.h"

namespace decode {

bool matchesPattern(std::string_view pattern, std::string_view name) {
    return matchesWildcard(pattern, name, false);
}

bool parseNameList(std::string_view list, std::vector<std::string>& names) {
    names.clear();
    if (list.empty()) return true;
    while (true) {
        const size_t comma = list.find(',');
        const std::string_view entry = list.substr(0, comma);
        if (entry.empty()) return false;
        names.emplace_back(entry);
        if (comma == std::string_view::npos) return true;
        list.remove_prefix(comma + 1);
    }
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

bool parseIdList(std::string_view list, std::vector<IdRange>& ranges, std::string& bad) {
    ranges.clear();
    std::vector<std::string> entries;
    if (!parseNameList(list, entries) || entries.empty()) {
        bad = std::string(list);
        return false;
    }
    for (const std::string& entry : entries) {
        const size_t dash = entry.find('-');
        IdRange range;
        const std::string_view text(entry);
        const bool ok = dash == std::string::npos
                            ? parseHex(text, range.low) && ((range.high = range.low), true)
                            : parseHex(text.substr(0, dash), range.low) &&
                                  parseHex(text.substr(dash + 1), range.high) &&
                                  range.low <= range.high;
        if (!ok) {
            bad = entry;
            return false;
        }
        ranges.push_back(range);
    }
    return true;
}

namespace {

bool anyMatches(const std::vector<std::string>& patterns, std::string_view name,
                std::vector<bool>& used) {
    bool matched = false;
    for (size_t i = 0; i < patterns.size(); ++i) {
        if (matchesPattern(patterns[i], name)) {
            used[i] = true;
            matched = true;
        }
    }
    return matched;
}

// A signal pattern names "Signal" or "Message.Signal".
bool signalMatches(const std::vector<std::string>& patterns, const dbc::DbcMessage& message,
                   const dbc::DbcSignal& signal, std::vector<bool>& used) {
    bool matched = false;
    const std::string qualified = message.name.str() + "." + signal.name.str();
    for (size_t i = 0; i < patterns.size(); ++i) {
        const bool qualifiedPattern = patterns[i].find('.') != std::string::npos;
        if (matchesPattern(patterns[i], qualifiedPattern ? std::string_view(qualified)
                                                         : std::string_view(signal.name))) {
            used[i] = true;
            matched = true;
        }
    }
    return matched;
}

}  // namespace

SignalSelection::SignalSelection(const dbc::CanDatabase& database, const SelectionRequest& request,
                                 std::vector<std::string>* unmatched)
    : database_(database) {
    std::vector<bool> messagePatternUsed(request.messages.size());
    std::vector<bool> signalPatternUsed(request.signals.size());
    for (const dbc::DbcMessage& message : database.messages) {
        signalBase_.push_back(signalSelected_.size());
        const bool messageKept = request.messages.empty() ||
                                 anyMatches(request.messages, message.name, messagePatternUsed);
        bool anySignal = false;
        for (const dbc::DbcSignal& signal : message.signals) {
            // Every pattern is tried, so that one that matches only here is not reported.
            const bool signalKept =
                request.signals.empty() ||
                signalMatches(request.signals, message, signal, signalPatternUsed);
            signalSelected_.push_back(messageKept && signalKept);
            anySignal = anySignal || (messageKept && signalKept);
        }
        messageSelected_.push_back(anySignal);
    }
    if (unmatched == nullptr) return;
    for (size_t i = 0; i < request.messages.size(); ++i) {
        if (!messagePatternUsed[i]) unmatched->push_back(request.messages[i]);
    }
    for (size_t i = 0; i < request.signals.size(); ++i) {
        if (!signalPatternUsed[i]) unmatched->push_back(request.signals[i]);
    }
}

}  // namespace decode
