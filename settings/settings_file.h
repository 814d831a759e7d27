// The settings file of the Windows program: fourteen keys in three sections, read once at
// start-up and written once at the end. The command line reads the same file (--settings).
// The word tables of this file are the only place where stored words become values.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/conversion_settings.h"

namespace settings {

// The two fields of the Windows program's state that the settings file keeps.
struct StoredShellSettings {
    std::u16string folder;   // the folder whose monitor data files are listed
    int32_t fileFilter = 0;  // 0 lists "*.DT", 1 lists "#*.DT"
};

// One key of the file. A key with words stores a number as the word at that index; a word that
// matches none (compared exactly, case included) reads as `otherValue`, and a number without a
// word is written as the word of `otherValue`. A key without words stores text.
struct SettingsKey {
    std::u16string_view section;
    std::u16string_view key;
    std::span<const std::u16string_view> words;
    int32_t otherValue;
    std::u16string_view defaultText;
};

// Every key in the order in which it is read and written.
std::span<const SettingsKey> settingsKeys();

// A key whose stored word is none of its words: the value read is the key's other value.
struct UnknownSettingsWord {
    std::u16string_view key;
    std::u16string word;       // as stored
    std::u16string_view used;  // the word whose value was taken instead
    std::span<const std::u16string_view> words;
};

// Reads every key; a missing file, section or key gives the key's default. An empty folder
// becomes the current directory. The Windows program takes an unknown word silently as the
// key's other value; `unknownWords`, when given, lists each such key for the command line.
void loadSettings(const std::filesystem::path& path, ConversionSettings& settings,
                  StoredShellSettings& shell,
                  std::vector<UnknownSettingsWord>* unknownWords = nullptr);
// Writes every key; false when any of them could not be written.
bool saveSettings(const std::filesystem::path& path, const ConversionSettings& settings,
                  const StoredShellSettings& shell);

}  // namespace settings
