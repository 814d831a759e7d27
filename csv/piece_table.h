// The texts a line shows again and again (names, units, value descriptions of the database),
// each made ready once: the sink keeps their bytes in a store of its own, and this table finds
// where, by the addresses and sizes of the texts they were made from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace csv {

class PieceTable {
public:
    // Up to two texts make one key (a signal's name and unit, or one value description), or a
    // text and a number (a message name and the frame's channel and identifier).
    struct Key {
        const char* first = nullptr;
        size_t firstSize = 0;
        const char* second = nullptr;
        uint64_t secondSize = 0;

        Key(std::string_view a, std::string_view b = {})
            : first(a.data()), firstSize(a.size()), second(b.data()), secondSize(b.size()) {}
        Key(std::string_view a, uint64_t number)
            : first(a.data()), firstSize(a.size()), secondSize(number) {}
        bool operator==(const Key&) const = default;
    };
    // Where the bytes made from a key stand in the sink's store.
    struct Span {
        uint32_t offset = 0;
        uint32_t length = 0;
    };
    struct Pieces {
        Span first{};
        Span second{};
        Span third{};
    };

    // The pieces of `key`, or nullptr when it has none yet.
    const Pieces* find(const Key& key) const {
        if (slots_.empty()) return nullptr;
        for (size_t i = slotOf(key);; i = (i + 1) & (slots_.size() - 1)) {
            const Slot& slot = slots_[i];
            if (!slot.used) return nullptr;
            if (slot.key == key) return &slot.pieces;
        }
    }
    // Adds the pieces of a key that has none yet.
    void insert(const Key& key, const Pieces& pieces);
    void clear();
    size_t size() const { return used_; }

private:
    struct Slot {
        Key key{{}};
        Pieces pieces;
        bool used = false;
    };
    size_t slotOf(const Key& key) const {
        const auto mixed = (reinterpret_cast<uintptr_t>(key.first) ^ key.firstSize * 31 ^
                            reinterpret_cast<uintptr_t>(key.second) * 7 ^ key.secondSize) *
                           uint64_t{0x9E3779B97F4A7C15};
        return static_cast<size_t>(mixed >> 40) & (slots_.size() - 1);
    }
    void grow();

    std::vector<Slot> slots_;  // a power of two, at most half used
    size_t used_ = 0;
};

}  // namespace csv
