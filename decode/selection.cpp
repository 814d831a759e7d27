#include "decode/selection.h"

#include "decode/wildcard.h"

namespace decode {

bool matchesPattern(std::string_view pattern, std::string_view name) {
    return matchesWildcard(pattern, name, false);
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
