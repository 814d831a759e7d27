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

class J1939Index {
public:
    // Every extended message of the database, by its parameter group; where several share one,
    // the first in the database's order.
    explicit J1939Index(const dbc::CanDatabase& database);
    // The message of a 29-bit frame identifier's parameter group, or nullptr.
    const dbc::DbcMessage* find(uint32_t identifier) const;

private:
    struct Entry {
        uint32_t group;
        const dbc::DbcMessage* message;
    };
    std::vector<Entry> entries_;  // sorted by group
};

}  // namespace decode
