#include "app/settings_store.h"

#include <array>
#include <variant>

#include "platform/profile.h"
#include "platform/text_encoding.h"

namespace app {

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

// The field behind each key, in the order of kKeys.
template <typename Settings, typename Shell>
auto fieldsOf(Settings& settings, Shell& shell) {
    using Text =
        std::conditional_t<std::is_const_v<Settings>, const std::u16string, std::u16string>;
    using Number = std::conditional_t<std::is_const_v<Settings>, const int32_t, int32_t>;
    using Flag = std::conditional_t<std::is_const_v<Settings>, const bool, bool>;
    using Field = std::variant<Text*, Number*, Flag*>;
    return std::array<Field, std::size(kKeys)>{
        &shell.folder,         &shell.fileFilter,   &settings.signalLine,    &settings.timeStamp,
        &settings.printCh,     &settings.printID,   &settings.printMsg,      &settings.printUnit,
        &settings.printEnum,   &settings.printRaw,  &settings.csvAdditional, &settings.csvOutCode,
        &settings.csvLinefeed, &settings.csvDelimit};
}

int32_t numberOfWord(const SettingsKey& key, std::u16string_view value) {
    for (size_t i = 0; i < key.words.size(); ++i) {
        if (key.words[i] == value) return static_cast<int32_t>(i);
    }
    return key.otherValue;
}

std::u16string_view wordOfNumber(const SettingsKey& key, int32_t number) {
    if (number < 0 || static_cast<size_t>(number) >= key.words.size()) number = key.otherValue;
    return key.words[static_cast<size_t>(number)];
}

// The profile reader drops blanks around a value and one pair of matching quotes; a value that
// would lose characters that way is written inside double quotes, so it reads back as it was.
std::u16string protectedText(std::u16string_view text) {
    if (text.empty()) return std::u16string(text);
    const auto isBlank = [](char16_t c) { return c == u' ' || c == u'\t'; };
    const bool quoted = text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
                        text.back() == text.front();
    if (isBlank(text.front()) || isBlank(text.back()) || quoted) {
        std::u16string quotedText(1, u'"');
        quotedText.append(text).push_back(u'"');
        return quotedText;
    }
    return std::u16string(text);
}

std::u16string currentDirectory() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    return error ? std::u16string() : platform::pathToUtf16(current);
}

}  // namespace

std::span<const SettingsKey> settingsKeys() { return kKeys; }

void loadSettings(const std::filesystem::path& path, ConversionSettings& settings,
                  StoredShellSettings& shell) {
    const auto fields = fieldsOf(settings, shell);
    for (size_t i = 0; i < std::size(kKeys); ++i) {
        const SettingsKey& key = kKeys[i];
        std::u16string value =
            platform::readProfileString(path, key.section, key.key, key.defaultText);
        if (auto* text = std::get_if<std::u16string*>(&fields[i])) {
            const bool isFolder = key.key == u"folder";
            value.resize(
                std::min(value.size(), isFolder ? kMaxFolderLength : convert::kMaxDelimiterLength));
            if (isFolder && value.empty()) value = currentDirectory();
            **text = std::move(value);
            continue;
        }
        value.resize(std::min(value.size(), kMaxWordLength));
        const int32_t number = numberOfWord(key, value);
        if (auto* integer = std::get_if<int32_t*>(&fields[i])) **integer = number;
        if (auto* flag = std::get_if<bool*>(&fields[i])) **flag = number != 0;
    }
}

bool saveSettings(const std::filesystem::path& path, const ConversionSettings& settings,
                  const StoredShellSettings& shell) {
    const auto fields = fieldsOf(settings, shell);
    bool allWritten = true;
    for (size_t i = 0; i < std::size(kKeys); ++i) {
        const SettingsKey& key = kKeys[i];
        std::u16string value;
        if (auto* text = std::get_if<const std::u16string*>(&fields[i])) {
            value = protectedText(**text);
        } else if (auto* integer = std::get_if<const int32_t*>(&fields[i])) {
            value = wordOfNumber(key, **integer);
        } else if (auto* flag = std::get_if<const bool*>(&fields[i])) {
            value = wordOfNumber(key, **flag ? 1 : 0);
        }
        allWritten = platform::writeProfileString(path, key.section, key.key, value) && allWritten;
    }
    return allWritten;
}

}  // namespace app
