#include "dbc/text_store.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using dbc::CompactList;
using dbc::TextRef;
using dbc::TextStore;

// Lengths on both sides of the one-byte length, and texts larger than a block, all stored in
// one store so that later texts land in new blocks without disturbing earlier ones.
TEST(TextStore, TextsOfEveryLengthKeepTheirBytes) {
    TextStore store;
    std::vector<std::string> texts;
    std::vector<TextRef> refs;
    for (const size_t length : {1u, 2u, 254u, 255u, 256u, 16383u, 70000u, 200000u, 3u}) {
        std::string text(length, '\0');
        for (size_t i = 0; i < length; ++i) text[i] = static_cast<char>((i * 31 + length) & 0xFF);
        texts.push_back(text);
        refs.push_back(store.add(text));
    }
    for (int i = 0; i < 20000; ++i) {  // several blocks of small texts
        texts.emplace_back("t");
        texts.back() += std::to_string(i);
        refs.push_back(store.add(texts.back()));
    }
    for (size_t i = 0; i < texts.size(); ++i) {
        ASSERT_EQ(refs[i].size(), texts[i].size()) << i;
        ASSERT_EQ(refs[i].view(), texts[i]) << i;
    }
    const TextRef empty = store.add("");
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(empty.view(), "");
    EXPECT_TRUE(TextRef{} == "");
    EXPECT_GT(store.bytesHeld(), 270000u);
    store.clear();
    EXPECT_EQ(store.bytesHeld(), 0u);
}

// Lists of wide elements after odd-sized texts still start aligned, and a list larger than a
// quarter block does not give up the current block: a text stored afterwards goes on in it.
TEST(TextStore, ListsAreAlignedAndLargeOnesGetABlockOfTheirOwn) {
    TextStore store;
    store.add("abc");
    CompactList<double> doubles = store.list<double>(5);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(doubles.data()) % alignof(double), 0u);
    for (const double d : doubles) EXPECT_EQ(d, 0.0);
    doubles[4] = 2.5;
    EXPECT_EQ(doubles.back(), 2.5);
    EXPECT_THROW(doubles.at(5), std::out_of_range);
    EXPECT_TRUE(store.list<double>(0).empty());

    const size_t before = store.bytesHeld();
    const std::vector<int64_t> many(10000, 7);
    CompactList<int64_t> copied = store.copy<int64_t>(many);
    EXPECT_EQ(copied.size(), many.size());
    EXPECT_EQ(copied[9999], 7);
    EXPECT_EQ(store.bytesHeld() - before, sizeof(int64_t) * (many.size() + 1));
    store.add("def");
    EXPECT_EQ(store.bytesHeld() - before, sizeof(int64_t) * (many.size() + 1));
}

}  // namespace
