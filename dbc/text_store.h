// Compact storage for the records of a database: texts and short lists live in blocks that the
// database owns, and a record holds one pointer to each. A database of a million signals then
// takes a small multiple of its file's size, not a dozen times it.
#pragma once

#include <algorithm>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace dbc {

// A text kept in a TextStore: one pointer to its length and bytes; none for the empty text.
class TextRef {
public:
    TextRef() = default;

    std::string_view view() const {
        if (stored_ == nullptr) return {};
        if (stored_[0] != kLongText)
            return {reinterpret_cast<const char*>(stored_ + 1), stored_[0]};
        uint32_t length;
        std::memcpy(&length, stored_ + 1, sizeof length);
        return {reinterpret_cast<const char*>(stored_ + 5), length};
    }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }
    size_t size() const { return view().size(); }
    bool empty() const { return stored_ == nullptr; }
    const char* data() const { return view().data(); }
    const char* begin() const { return data(); }
    const char* end() const { return data() + size(); }
    char back() const { return view().back(); }
    char front() const { return view().front(); }

    // Both forms, so that comparing two TextRefs picks one overload and not also its reversal.
    friend bool operator==(TextRef a, std::string_view b) { return a.view() == b; }
    friend bool operator==(TextRef a, TextRef b) { return a.view() == b.view(); }
    friend std::strong_ordering operator<=>(TextRef a, std::string_view b) {
        return a.view() <=> b;
    }
    friend std::strong_ordering operator<=>(TextRef a, TextRef b) { return a.view() <=> b.view(); }

private:
    friend class TextStore;
    static constexpr unsigned char kLongText = 0xFF;  // a 4-byte length follows
    explicit TextRef(const unsigned char* stored) : stored_(stored) {}
    const unsigned char* stored_ = nullptr;
};

// A list kept in a TextStore: one pointer to its count and elements; none for the empty list.
// The elements must be trivially copyable (the store never runs destructors).
template <class T>
class CompactList {
public:
    CompactList() = default;

    size_t size() const { return header_ == nullptr ? 0 : header_->count; }
    bool empty() const { return header_ == nullptr; }
    T* data() { return header_ == nullptr ? nullptr : elements(); }
    const T* data() const { return header_ == nullptr ? nullptr : elements(); }
    T* begin() { return data(); }
    T* end() { return data() + size(); }
    const T* begin() const { return data(); }
    const T* end() const { return data() + size(); }
    T& operator[](size_t i) { return data()[i]; }
    const T& operator[](size_t i) const { return data()[i]; }
    const T& at(size_t i) const {
        if (i >= size()) throw std::out_of_range("CompactList::at");
        return data()[i];
    }
    T& at(size_t i) {
        if (i >= size()) throw std::out_of_range("CompactList::at");
        return data()[i];
    }
    const T& front() const { return data()[0]; }
    const T& back() const { return data()[size() - 1]; }

private:
    friend class TextStore;
    struct alignas(alignof(T) > 8 ? alignof(T) : 8) Header {
        size_t count;
    };
    T* elements() const { return reinterpret_cast<T*>(header_ + 1); }
    Header* header_ = nullptr;
};

// The blocks that hold a database's texts and lists. Nothing is freed before clear(), so a
// TextRef or a CompactList stays valid until then.
class TextStore {
public:
    TextStore() = default;
    TextStore(const TextStore&) = delete;
    TextStore& operator=(const TextStore&) = delete;

    TextRef add(std::string_view text) {
        if (text.empty()) return {};
        const bool isShort = text.size() < TextRef::kLongText;
        const size_t head = isShort ? 1 : 5;
        auto* stored = static_cast<unsigned char*>(allocate(head + text.size(), 1));
        if (isShort) {
            stored[0] = static_cast<unsigned char>(text.size());
        } else {
            stored[0] = TextRef::kLongText;
            const auto length = static_cast<uint32_t>(text.size());
            std::memcpy(stored + 1, &length, sizeof length);
        }
        std::memcpy(stored + head, text.data(), text.size());
        return TextRef(stored);
    }

    // A list of `count` elements, value-initialised; an empty list for 0.
    template <class T>
    CompactList<T> list(size_t count) {
        CompactList<T> made = listToFill<T>(count);
        std::uninitialized_value_construct(made.begin(), made.end());
        return made;
    }
    // A list of `count` elements that the caller fills at once (its memory is touched only as
    // it is written: a large list need not be held twice while it is filled from elsewhere).
    template <class T>
    CompactList<T> listToFill(size_t count) {
        static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);
        CompactList<T> made;
        if (count == 0) return made;
        using Header = typename CompactList<T>::Header;
        void* block = allocate(sizeof(Header) + count * sizeof(T), alignof(Header));
        made.header_ = new (block) Header{count};
        return made;
    }
    // A list holding copies of the elements of a range.
    template <class T, class Range>
    CompactList<T> copy(const Range& range) {
        CompactList<T> made = list<T>(static_cast<size_t>(std::end(range) - std::begin(range)));
        std::copy(std::begin(range), std::end(range), made.begin());
        return made;
    }

    // The size of a block of `count` elements that adopt() takes, and where its elements begin.
    template <class T>
    static constexpr size_t adoptedBytes(size_t count) {
        return sizeof(typename CompactList<T>::Header) + count * sizeof(T);
    }
    template <class T>
    static T* adoptedElements(void* block) {
        return reinterpret_cast<T*>(static_cast<typename CompactList<T>::Header*>(block) + 1);
    }
    // Takes a block from std::malloc of adoptedBytes<T>(count) bytes, whose elements are
    // written already, as a list; the store frees it with the rest.
    template <class T>
    CompactList<T> adopt(void* block, size_t count) {
        using Header = typename CompactList<T>::Header;
        adopted_.emplace_back(block);
        held_ += adoptedBytes<T>(count);
        CompactList<T> made;
        made.header_ = new (block) Header{count};
        return made;
    }

    // Bytes taken from the system for the blocks.
    size_t bytesHeld() const { return held_; }
    void clear() {
        blocks_.clear();
        adopted_.clear();
        free_ = nullptr;
        left_ = 0;
        held_ = 0;
    }

private:
    static constexpr size_t kBlockBytes = 64 * 1024;
    // Room of `bytes` bytes aligned to `align` (a power of two, at most 16).
    void* allocate(size_t bytes, size_t align) {
        const size_t skip = (align - reinterpret_cast<uintptr_t>(free_) % align) % align;
        if (free_ == nullptr || skip + bytes > left_) return allocateInNewBlock(bytes);
        free_ += skip;
        void* room = free_;
        free_ += bytes;
        left_ -= skip + bytes;
        return room;
    }
    void* allocateInNewBlock(size_t bytes);

    struct Free {
        void operator()(void* block) const { std::free(block); }
    };
    std::vector<std::unique_ptr<std::byte[]>> blocks_;
    std::vector<std::unique_ptr<void, Free>> adopted_;
    std::byte* free_ = nullptr;
    size_t left_ = 0;
    size_t held_ = 0;
};

}  // namespace dbc
