#include "settings/settings_file.h"

#include <algorithm>
#include <type_traits>

#include "platform/profile.h"
#include "platform/text_encoding.h"
#include "settings/settings_words.h"

namespace settings {

namespace {

using Words = std::u16string_view;

constexpr Words kFilterWords[] = {u"*.DT", u"#*.DT"};
constexpr Words kLineWords[] = {u"All", u"CH1 only", u"CH2 only"};
constexpr Words kTimeWords[] = {u"None", u"time of day", u"elapsed"};
constexpr Words kBoolWords[] = {u"False", u"True"};
constexpr Words kCodeWords[] = {u"JIS", u"UTF-8", u"UTF-8 BOM"};
constexpr Words kFeedWords[] = {u"CRLF", u"LF", u"CR"};

constexpr std::u16string_view kSettings = u"txtcvtSettings";
constexpr std::u16string_view kParams = u"txtcvtParams";
constexpr std::u16string_view kExParams = u"txtcvtExParams";

constexpr SettingsKey kKeys[] = {
    {kSettings, u"folder", {}, 0, u""},
    {kSettings, u"fileFilter", kFilterWords, 0, u"*.DT"},
    {kParams, u"signalLine", kLineWords, 0, u"All"},
    {kParams, u"timeStamp", kTimeWords, 1, u"time of day"},
    {kParams, u"printCh", kBoolWords, 0, u"True"},
    {kParams, u"printID", kBoolWords, 0, u"True"},
    {kParams, u"printMsg", kBoolWords, 0, u"True"},
    {kParams, u"printUnit", kBoolWords, 0, u"True"},
    {kParams, u"printEnum", kBoolWords, 0, u"True"},
    {kParams, u"printRaw", kBoolWords, 0, u"False"},
    {kExParams, u"csvAdditional", kBoolWords, 0, u"False"},
    {kExParams, u"csvOutCode", kCodeWords, 0, u"JIS"},
    {kExParams, u"csvLinefeed", kFeedWords, 0, u"CRLF"},
    {kParams, u"csvDelimit", {}, 0, u","},
};

// Longest stored texts: the folder field holds 259 characters, a word buffer 255.
constexpr size_t kMaxFolderLength = 259;
constexpr size_t kMaxWordLength = 255;

// Calls visit(key, field) for every key with the field it stores, in the order of kKeys.
template <class Settings, class Shell, class Visit>
void forEachKey(Settings& settings, Shell& shell, Visit&& visit) {
    visit(kKeys[0], shell.folder);
    visit(kKeys[1], shell.fileFilter);
    visit(kKeys[2], settings.channels);
    visit(kKeys[3], settings.timeStamps);
    visit(kKeys[4], settings.columns.channel);
    visit(kKeys[5], settings.columns.identifier);
    visit(kKeys[6], settings.columns.message);
    visit(kKeys[7], settings.columns.unit);
    visit(kKeys[8], settings.columns.description);
    visit(kKeys[9], settings.columns.rawData);
    visit(kKeys[10], settings.additionalCsv);
    visit(kKeys[11], settings.encoding);
    visit(kKeys[12], settings.lineEnd);
    visit(kKeys[13], settings.delimiter);
}

std::u16string currentDirectory() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::u16string() : platform::pathToUtf16(current);
}

}  // namespace

std::span<const SettingsKey> settingsKeys() { return kKeys; }

void loadSettings(const std::filesystem::path& path, ConversionSettings& settings,
                  StoredShellSettings& shell, std::vector<UnknownSettingsWord>* unknownWords) {
    // A default no file can hold tells a missing key from one that holds a word.
    constexpr std::u16string_view kMissing = u"\x01missing\x01";
    forEachKey(settings, shell, [&](const SettingsKey& key, auto& field) {
        using Field = std::remove_reference_t<decltype(field)>;
        std::u16string value = platform::readProfileString(path, key.section, key.key, kMissing);
        if (value == kMissing) value = key.defaultText;
        if constexpr (std::is_same_v<Field, std::u16string>) {
            const bool isFolder = &field == &shell.folder;
            value.resize(std::min(value.size(), isFolder ? kMaxFolderLength : kMaxDelimiterLength));
            if (isFolder && value.empty()) value = currentDirectory();
            field = std::move(value);
        } else {
            value.resize(std::min(value.size(), kMaxWordLength));
            const int32_t number = numberOfWord(key, value);
            if (unknownWords != nullptr && number == key.otherValue &&
                key.words[static_cast<size_t>(number)] != value) {
                unknownWords->push_back(
                    {key.key, value, key.words[static_cast<size_t>(number)], key.words});
            }
            if constexpr (std::is_same_v<Field, bool>) {
                field = number != 0;
            } else {
                field = static_cast<Field>(number);
            }
        }
    });
}

bool saveSettings(const std::filesystem::path& path, const ConversionSettings& settings,
                  const StoredShellSettings& shell) {
    bool allWritten = true;
    forEachKey(settings, shell, [&](const SettingsKey& key, const auto& field) {
        using Field = std::remove_cvref_t<decltype(field)>;
        std::u16string value;
        if constexpr (std::is_same_v<Field, std::u16string>) {
            value = protectedText(field);
        } else if constexpr (std::is_same_v<Field, bool>) {
            value = wordOfNumber(key, field ? 1 : 0);
        } else {
            value = wordOfNumber(key, static_cast<int32_t>(field));
        }
        allWritten = platform::writeProfileString(path, key.section, key.key, value) && allWritten;
    });
    return allWritten;
}

}  // namespace settings
