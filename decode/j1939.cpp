#include "decode/j1939.h"

#include <algorithm>

namespace decode {

namespace {

enum KeyKind : uint64_t { kGroup = 0, kGroupDestination = 1, kGroupSource = 2, kGroupBoth = 3 };

constexpr uint64_t keyOf(KeyKind kind, uint32_t group, uint32_t source, uint32_t destination) {
    return (uint64_t{kind} << 40) | (uint64_t{group} << 16) | (uint64_t{source} << 8) | destination;
}

// The addresses of an identifier; a PDU2 group has no destination address (0 stands for none).
struct Addresses {
    uint32_t group;
    uint32_t source;
    uint32_t destination;
    bool pdu1;
};

Addresses addressesOf(uint32_t identifier) {
    const uint32_t group = parameterGroupOf(identifier);
    const bool pdu1 = ((group >> 8) & 0xFF) < 240;
    return {group, identifier & 0xFF, pdu1 ? (identifier >> 8) & 0xFF : 0, pdu1};
}

}  // namespace

J1939Index::J1939Index(const dbc::CanDatabase& database) {
    for (const dbc::DbcMessage& message : database.messages) {
        if (!message.isExtended) continue;
        const Addresses a = addressesOf(message.canId);
        entries_.push_back({keyOf(kGroup, a.group, 0, 0), &message, 1});
        entries_.push_back({keyOf(kGroupSource, a.group, a.source, 0), &message, 1});
        if (!a.pdu1) continue;
        entries_.push_back({keyOf(kGroupDestination, a.group, 0, a.destination), &message, 1});
        entries_.push_back({keyOf(kGroupBoth, a.group, a.source, a.destination), &message, 1});
    }
    // Of messages of one identifier the first in the database's order, as an exact match takes.
    std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
        return a.key != b.key ? a.key < b.key : a.message->canId < b.message->canId;
    });
    size_t kept = 0;
    for (const Entry& entry : entries_) {
        if (kept > 0 && entries_[kept - 1].key == entry.key) {
            ++entries_[kept - 1].count;
        } else {
            entries_[kept++] = entry;
        }
    }
    entries_.resize(kept);
}

const J1939Index::Entry* J1939Index::entryOf(uint64_t key) const {
    const auto found =
        std::lower_bound(entries_.begin(), entries_.end(), key,
                         [](const Entry& entry, uint64_t value) { return entry.key < value; });
    return found != entries_.end() && found->key == key ? &*found : nullptr;
}

J1939Match J1939Index::find(uint32_t identifier) const {
    const Addresses a = addressesOf(identifier);
    const uint64_t keys[] = {
        keyOf(kGroupBoth, a.group, a.source, a.destination),
        keyOf(kGroupSource, a.group, a.source, 0),
        keyOf(kGroupDestination, a.group, 0, a.destination),
        keyOf(kGroup, a.group, 0, 0),
    };
    for (const uint64_t key : keys) {
        const bool needsDestination = (key >> 40) == kGroupBoth || (key >> 40) == kGroupDestination;
        if (needsDestination && !a.pdu1) continue;
        if (const Entry* entry = entryOf(key)) return {entry->message, entry->count > 1};
    }
    return {};
}

}  // namespace decode
