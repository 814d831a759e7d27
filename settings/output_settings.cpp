#include "settings/output_settings.h"

#include <algorithm>
#include <type_traits>

#include "platform/profile.h"
#include "settings/settings_words.h"

namespace settings {

namespace {

using Words = std::u16string_view;

constexpr Words kFormatWords[] = {u"CSV", u"Excel", u"ASC", u"BLF", u"candump"};
constexpr Words kTableWords[] = {u"long", u"wide", u"wide hold", u"resampled"};
constexpr Words kInputWords[] = {u"captures", u"CAN logs"};
constexpr Words kBoolWords[] = {u"False", u"True"};

constexpr std::u16string_view kOutput = u"txtcvtOutput";

constexpr SettingsKey kKeys[] = {
    {kOutput, u"outputFormat", kFormatWords, 0, u"CSV"},
    {kOutput, u"table", kTableWords, 0, u"long"},
    {kOutput, u"resamplePeriod", {}, 0, u"100ms"},
    {kOutput, u"signalsDatabase", {}, 0, u""},
    {kOutput, u"signals", {}, 0, u""},
    {kOutput, u"inputFiles", kInputWords, 0, u"captures"},
    {kOutput, u"dbcPerChannel", kBoolWords, 0, u"False"},
    {kOutput, u"openFolder", kBoolWords, 0, u"False"},
};

// Longest stored texts: a period word, a path, and a list of every signal of a large database.
constexpr size_t kMaxPeriodLength = 32;
constexpr size_t kMaxPathLength = 259;
constexpr size_t kMaxListLength = 65000;
constexpr size_t kMaxWordLength = 255;

template <class Output, class Visit>
void forEachKey(Output& output, Visit&& visit) {
    visit(kKeys[0], output.format, 0);
    visit(kKeys[1], output.table, 0);
    visit(kKeys[2], output.resamplePeriod, kMaxPeriodLength);
    visit(kKeys[3], output.signalsDatabase, kMaxPathLength);
    visit(kKeys[4], output.signals, kMaxListLength);
    visit(kKeys[5], output.inputFiles, 0);
    visit(kKeys[6], output.dbcPerChannel, 0);
    visit(kKeys[7], output.openFolder, 0);
}

// A default no file can hold tells a missing key from one that holds a word.
constexpr std::u16string_view kMissing = u"\x01missing\x01";

}  // namespace

std::span<const SettingsKey> outputSettingsKeys() { return kKeys; }

void loadOutputSettings(const std::filesystem::path& path, OutputSettings& output,
                        std::vector<UnknownSettingsWord>* unknownWords) {
    forEachKey(output, [&](const SettingsKey& key, auto& field, size_t maxLength) {
        using Field = std::remove_reference_t<decltype(field)>;
        std::u16string value = platform::readProfileString(path, key.section, key.key, kMissing);
        if (value == kMissing) value = key.defaultText;
        if constexpr (std::is_same_v<Field, std::u16string>) {
            value.resize(std::min(value.size(), maxLength));
            field = std::move(value);
        } else {
            value.resize(std::min(value.size(), kMaxWordLength));
            const int32_t number = numberOfWord(key, value);
            const std::u16string_view used = key.words[static_cast<size_t>(number)];
            if (unknownWords != nullptr && number == key.otherValue && used != value) {
                unknownWords->push_back({key.key, value, used, key.words});
            }
            if constexpr (std::is_same_v<Field, bool>) {
                field = number != 0;
            } else {
                field = static_cast<Field>(number);
            }
        }
    });
}

bool saveOutputSettings(const std::filesystem::path& path, const OutputSettings& output) {
    bool allWritten = true;
    forEachKey(output, [&](const SettingsKey& key, const auto& field, size_t) {
        using Field = std::remove_cvref_t<decltype(field)>;
        std::u16string value;
        if constexpr (std::is_same_v<Field, std::u16string>) {
            value = protectedText(field);
        } else if constexpr (std::is_same_v<Field, bool>) {
            value = wordOfNumber(key, field ? 1 : 0);
        } else {
            value = wordOfNumber(key, static_cast<int32_t>(field));
        }
        const bool stored =
            platform::readProfileString(path, key.section, key.key, kMissing) != kMissing;
        if (!stored && value == protectedText(key.defaultText)) return;
        allWritten = platform::writeProfileString(path, key.section, key.key, value) && allWritten;
    });
    return allWritten;
}

}  // namespace settings
