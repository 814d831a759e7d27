// J1939 matching: trucks and machines send one parameter group from many source addresses, and
// with a priority and (for peer-to-peer groups) a destination address of the moment. A frame
// whose 29-bit identifier has no exact match is matched by its parameter group number instead.
#pragma once

#include <cstdint>
#include <vector>

#include "dbc/database.h"

namespace decode {

// The parameter group of a 29-bit identifier: without priority and source address, and for the
// PDU1 formats (PDU format below 240) without the destination address too.
constexpr uint32_t parameterGroupOf(uint32_t identifier) {
    const uint32_t group = (identifier >> 8) & 0x3FFFF;
    const uint32_t pduFormat = (group >> 8) & 0xFF;
    return pduFormat < 240 ? (group & 0x3FF00) : group;
}

// The message a frame is matched to, and whether others were just as close.
struct J1939Match {
    const dbc::DbcMessage* message = nullptr;
    bool ambiguous = false;  // several messages were left after the addresses: the lowest won
};

class J1939Index {
public:
    // Every extended message of the database, by its parameter group and addresses.
    explicit J1939Index(const dbc::CanDatabase& database);
    // The closest message of a 29-bit frame identifier's parameter group: the one with the
    // frame's source address, then (PDU1) its destination address, then the lowest identifier.
    J1939Match find(uint32_t identifier) const;

private:
    // One key per way a message can be close to a frame (its group alone, with its source
    // address, with its destination address, with both), holding the lowest identifier's
    // message and how many messages share the key.
    struct Entry {
        uint64_t key;
        const dbc::DbcMessage* message;
        uint32_t count;
    };
    const Entry* entryOf(uint64_t key) const;
    std::vector<Entry> entries_;  // sorted by key
};

}  // namespace decode
