#include "app/resource_order.h"

#include <gtest/gtest.h>

#include <vector>

namespace app {
namespace {

std::vector<uint16_t> languages(const LanguageOrder& order) {
    return {order.languages.begin(), order.languages.begin() + static_cast<long>(order.count)};
}

TEST(ResourceOrder, ForcedLanguageFirstThenSystemThenEnglish) {
    EXPECT_EQ(languages(resourceLanguageOrder(false, 1041)), (std::vector<uint16_t>{0, 1033}));
    EXPECT_EQ(languages(resourceLanguageOrder(true, 1041)), (std::vector<uint16_t>{1041, 0, 1033}));
    EXPECT_EQ(languages(resourceLanguageOrder(true, 1031)), (std::vector<uint16_t>{1031, 0, 1033}));
    EXPECT_EQ(languages(resourceLanguageOrder(true, 1033)), (std::vector<uint16_t>{1033, 0}));
    EXPECT_EQ(languages(resourceLanguageOrder(true, 0)), (std::vector<uint16_t>{0, 1033}));
}

// A block as the resource compiler lays it out: sixteen length-prefixed UTF-16 entries.
std::vector<unsigned char> block(const std::vector<std::u16string>& entries) {
    std::vector<unsigned char> bytes;
    auto put = [&bytes](unsigned value) {
        bytes.push_back(static_cast<unsigned char>(value & 0xFF));
        bytes.push_back(static_cast<unsigned char>(value >> 8));
    };
    for (size_t i = 0; i < 16; ++i) {
        const std::u16string text = i < entries.size() ? entries[i] : std::u16string();
        put(static_cast<unsigned>(text.size()));
        for (char16_t unit : text) put(unit);
    }
    return bytes;
}

TEST(ResourceOrder, StringBlockEntries) {
    EXPECT_EQ(stringBlockOf(106), 7u);
    EXPECT_EQ(stringBlockOf(112), 8u);
    EXPECT_EQ(stringBlockOf(155), 10u);

    // Block 7 holds 96..111: "Please specify a folder." is entry 106 % 16 = 10.
    std::vector<std::u16string> entries(16);
    entries[10] = u"Please specify a folder.";
    entries[11] = u"名前";
    const auto bytes = block(entries);
    EXPECT_EQ(stringTableEntry(bytes.data(), bytes.size(), 106), u"Please specify a folder.");
    EXPECT_EQ(stringTableEntry(bytes.data(), bytes.size(), 107), u"名前");
    EXPECT_EQ(stringTableEntry(bytes.data(), bytes.size(), 108), u"");  // present but empty
}

TEST(ResourceOrder, DamagedBlocksNeverReadPastTheirEnd) {
    std::vector<std::u16string> entries(16);
    entries[0] = u"abcdef";
    entries[1] = u"second";
    auto bytes = block(entries);
    EXPECT_EQ(stringTableEntry(bytes.data(), 8, 0), u"abc");      // length says 6, 3 are there
    EXPECT_EQ(stringTableEntry(bytes.data(), 14, 1), u"");        // cut inside the first entry
    EXPECT_EQ(stringTableEntry(bytes.data(), 15, 0), u"abcdef");  // odd byte ignored
    EXPECT_EQ(stringTableEntry(bytes.data(), 0, 0), u"");
    EXPECT_EQ(stringTableEntry(nullptr, 100, 3), u"");
    bytes[0] = 0xFF;
    bytes[1] = 0xFF;  // a length far beyond the block
    EXPECT_EQ(stringTableEntry(bytes.data(), bytes.size(), 5), u"");
    EXPECT_EQ(stringTableEntry(bytes.data(), bytes.size(), 0).size(), bytes.size() / 2 - 1);
}

TEST(ResourceOrder, KeptLengthLeavesRoomForTheTerminator) {
    EXPECT_EQ(keptLength(24, 256), 24u);
    EXPECT_EQ(keptLength(24, 10), 9u);
    EXPECT_EQ(keptLength(24, 25), 24u);
    EXPECT_EQ(keptLength(24, 1), 0u);
    EXPECT_EQ(keptLength(24, 0), 0u);
}

TEST(ResourceOrder, PreferredLanguageListIsLowerCaseHexWithTwoTerminators) {
    EXPECT_EQ(preferredLanguageList(1041), std::wstring(L"0411\0\0", 6));
    EXPECT_EQ(preferredLanguageList(1033), std::wstring(L"0409\0\0", 6));
    EXPECT_EQ(preferredLanguageList(0xABCD), std::wstring(L"abcd\0\0", 6));
}

}  // namespace
}  // namespace app
