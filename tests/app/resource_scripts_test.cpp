// Both UI languages must offer the same dialogs, controls and strings: a control missing from
// one language would silently vanish from its window.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/test_paths.h"

namespace {

struct ResourceScript {
    std::string languageLine;
    std::map<std::string, std::vector<std::string>> dialogHeaders;   // size, STYLE, EXSTYLE, FONT
    std::map<std::string, std::vector<std::string>> dialogControls;  // kind, id, class, styles
    std::map<std::string, std::string> strings;
};

// Fields of a statement split at commas outside double quotes ("" inside quotes is a quote).
std::vector<std::string> splitFields(const std::string& text) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (c == ',' && !quoted) {
            fields.emplace_back();
            continue;
        }
        fields.back() += c;
    }
    for (std::string& field : fields) {
        field = std::regex_replace(field, std::regex("^\\s+|\\s+$"), "");
    }
    return fields;
}

// A control statement without its text and coordinates, which differ between the languages.
std::string controlShape(const std::string& keyword, const std::string& rest) {
    std::vector<std::string> fields = splitFields(rest);
    const bool textFirst = keyword != "EDITTEXT" && keyword != "COMBOBOX";
    if (textFirst) fields.erase(fields.begin());
    std::string shape = keyword + " " + fields.at(0);
    const size_t coordinatesAt = keyword == "CONTROL" ? 3 : 1;
    if (keyword == "CONTROL") shape += " " + fields.at(1) + " " + fields.at(2);
    for (size_t i = coordinatesAt + 4; i < fields.size(); ++i) shape += " " + fields[i];
    return shape;
}

ResourceScript readScript(const char* name) {
    const std::string text =
        testing_support::readFileBytes(testing_support::sourceDir() / "app/resources/lang" / name);
    EXPECT_FALSE(text.rfind("\xEF\xBB\xBF", 0) == 0) << name << " must not open with a BOM";
    ResourceScript script;
    std::istringstream lines(text);
    std::string line, dialog;
    bool inStrings = false;
    const std::regex dialogLine("^(\\w+) DIALOGEX (.*)$");
    const std::regex headerLine("^(STYLE|EXSTYLE|FONT) (.*)$");
    const std::regex controlLine(
        "^\\s+(GROUPBOX|EDITTEXT|PUSHBUTTON|DEFPUSHBUTTON|LTEXT|COMBOBOX|CONTROL) (.*)$");
    const std::regex stringLine("^\\s+(\\w+) \"(.*)\"$");
    std::smatch match;
    while (std::getline(lines, line)) {
        if (script.languageLine.empty() && !line.empty()) script.languageLine = line;
        if (std::regex_match(line, match, dialogLine)) {
            dialog = match[1];
            script.dialogHeaders[dialog].push_back(match[2]);
        } else if (!dialog.empty() && std::regex_match(line, match, headerLine)) {
            script.dialogHeaders[dialog].push_back(line);
        } else if (!dialog.empty() && std::regex_match(line, match, controlLine)) {
            script.dialogControls[dialog].push_back(controlShape(match[1], match[2]));
        } else if (line == "STRINGTABLE") {
            inStrings = true;
        } else if (inStrings && std::regex_match(line, match, stringLine)) {
            script.strings[match[1]] = match[2];
        } else if (line == "END") {
            dialog.clear();
        }
    }
    return script;
}

std::set<std::string> definedIds() {
    const std::string text = testing_support::readFileBytes(testing_support::sourceDir() /
                                                            "app/resources/resource_ids.h");
    std::set<std::string> ids;
    const std::regex define("#define (\\w+) \\d+");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), define);
         it != std::sregex_iterator(); ++it) {
        ids.insert((*it)[1]);
    }
    return ids;
}

TEST(ResourceScripts, BothLanguagesDefineTheSameDialogsControlsAndStrings) {
    const ResourceScript english = readScript("en-US.rc");
    const ResourceScript japanese = readScript("ja-JP.rc");
    EXPECT_EQ(english.languageLine, "LANGUAGE LANG_ENGLISH, SUBLANG_ENGLISH_US");
    EXPECT_EQ(japanese.languageLine, "LANGUAGE LANG_JAPANESE, SUBLANG_DEFAULT");

    const std::set<std::string> dialogs{"IDD_MAIN", "IDD_CONVERSION_PANE", "IDD_FILE_PANE",
                                        "IDD_CSV_SETTING", "IDD_SIGNALS"};
    for (const ResourceScript* script : {&english, &japanese}) {
        std::set<std::string> found;
        for (const auto& [name, controls] : script->dialogControls) found.insert(name);
        EXPECT_EQ(found, dialogs);
    }
    EXPECT_EQ(english.dialogHeaders, japanese.dialogHeaders);
    EXPECT_EQ(english.dialogControls, japanese.dialogControls);

    ASSERT_EQ(english.strings.size(), 54u);
    ASSERT_EQ(japanese.strings.size(), english.strings.size());
    for (const auto& [id, text] : english.strings) {
        ASSERT_TRUE(japanese.strings.count(id)) << id;
        EXPECT_FALSE(text.empty()) << id;
        EXPECT_FALSE(japanese.strings.at(id).empty()) << id;
    }
    EXPECT_EQ(japanese.strings.at("IDS_UNSELECTED"), "\xE6\x9C\xAA\xE9\x81\xB8\xE6\x8A\x9E");
}

// An unknown name would become a named resource or a compile error only on Windows.
TEST(ResourceScripts, EveryIdentifierIsDefined) {
    const std::set<std::string> ids = definedIds();
    for (const char* name : {"en-US.rc", "ja-JP.rc"}) {
        const ResourceScript script = readScript(name);
        for (const auto& [dialog, controls] : script.dialogControls) {
            EXPECT_TRUE(ids.count(dialog)) << dialog;
            for (const std::string& control : controls) {
                std::istringstream words(control);
                std::string kind, id;
                words >> kind >> id;
                EXPECT_TRUE(id == "-1" || id == "IDCANCEL" || id == "IDOK" || ids.count(id))
                    << name << ": " << control;
            }
        }
        for (const auto& [id, text] : script.strings) EXPECT_TRUE(ids.count(id)) << id;
    }
}

}  // namespace
