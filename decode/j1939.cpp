#include "decode/j1939.h"

#include <algorithm>

namespace decode {

J1939Index::J1939Index(const dbc::CanDatabase& database) {
    for (const dbc::DbcMessage& message : database.messages) {
        if (message.isExtended) entries_.push_back({parameterGroupOf(message.canId), &message});
    }
    std::stable_sort(entries_.begin(), entries_.end(),
                     [](const Entry& a, const Entry& b) { return a.group < b.group; });
}

const dbc::DbcMessage* J1939Index::find(uint32_t identifier) const {
    const uint32_t group = parameterGroupOf(identifier);
    const auto found =
        std::lower_bound(entries_.begin(), entries_.end(), group,
                         [](const Entry& entry, uint32_t value) { return entry.group < value; });
    return found != entries_.end() && found->group == group ? found->message : nullptr;
}

}  // namespace decode
