#include "dbc/database.h"

namespace dbc {

// Lower bound over the messages sorted by rawId; the first of several equal ones wins.
const DbcMessage* findMessage(const CanDatabase& db, uint32_t key) {
    size_t first = 0;
    size_t count = db.messages.size();
    while (count > 0) {
        const size_t half = count / 2;
        if (db.messages[first + half].rawId < key) {
            first += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    if (first >= db.messages.size() || db.messages[first].rawId != key) return nullptr;
    return &db.messages[first];
}

}  // namespace dbc
