#include "csv/piece_table.h"

namespace csv {

void PieceTable::insert(const Key& key, const Pieces& pieces) {
    if ((used_ + 1) * 2 > slots_.size()) grow();
    size_t i = slotOf(key);
    while (slots_[i].used) i = (i + 1) & (slots_.size() - 1);
    slots_[i] = {key, pieces, true};
    ++used_;
}

void PieceTable::grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 256 : old.size() * 2, Slot{});
    used_ = 0;
    for (const Slot& slot : old) {
        if (slot.used) insert(slot.key, slot.pieces);
    }
}

void PieceTable::clear() {
    slots_.clear();
    used_ = 0;
}

}  // namespace csv
