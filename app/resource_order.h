// Where the resources of the chosen UI language are looked for, and how a string-table block is
// read. Resources come in English (1033) and Japanese (1041).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace app {

constexpr uint16_t kLanguageNeutral = 0;
constexpr uint16_t kLanguageEnglish = 1033;
constexpr uint16_t kLanguageJapanese = 1041;

struct LanguageOrder {
    std::array<uint16_t, 3> languages{};
    size_t count = 0;
};

// A forced language first, then the system's own choice (neutral), then English; a language
// already in the list is not tried twice.
LanguageOrder resourceLanguageOrder(bool uiLanguageForced, uint16_t uiLanguage);

// The block of the string table that holds `id`: sixteen strings per block, numbered from 1.
constexpr uint32_t stringBlockOf(uint32_t id) { return id / 16 + 1; }

// Entry `id % 16` of a string-table block: sixteen entries, each a little-endian 16-bit length in
// UTF-16 code units followed by that many code units. A block cut short gives what fits in it.
std::u16string stringTableEntry(const unsigned char* block, size_t blockSize, uint32_t id);

// How many characters of an entry fit a buffer of `capacity` characters with its terminator.
size_t keptLength(size_t entryLength, size_t capacity);

// The language list for the thread's preferred UI languages: four lower-case hexadecimal digits
// and two terminators ("0411" for 1041).
std::wstring preferredLanguageList(uint16_t language);

}  // namespace app
