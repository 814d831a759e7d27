#include "dbc/json.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <string>

#include "dbc/loader.h"
#include "tests/dbc/dbc_text.h"
#include "tests/support/test_paths.h"

namespace {

// A strict JSON syntax check: true when `text` is exactly one JSON value.
class JsonChecker {
public:
    explicit JsonChecker(const std::string& text) : s_(text) {}
    bool valid() {
        bool ok = value();
        skip();
        return ok && i_ == s_.size();
    }

private:
    void skip() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n')) ++i_;
    }
    bool eat(char c) {
        skip();
        if (i_ < s_.size() && s_[i_] == c) return ++i_, true;
        return false;
    }
    bool string() {
        if (!eat('"')) return false;
        while (i_ < s_.size() && s_[i_] != '"') {
            const auto c = static_cast<unsigned char>(s_[i_]);
            if (c < 0x20 || c >= 0x80) return false;
            if (c == '\\') {
                if (++i_ >= s_.size()) return false;
                if (s_[i_] == 'u') {
                    for (int k = 0; k < 4; ++k) {
                        if (++i_ >= s_.size() || !std::isxdigit(static_cast<unsigned char>(s_[i_])))
                            return false;
                    }
                } else if (std::string("\"\\/bfnrt").find(s_[i_]) == std::string::npos) {
                    return false;
                }
            }
            ++i_;
        }
        return eat('"');
    }
    bool number() {
        const size_t start = i_;
        if (i_ < s_.size() && s_[i_] == '-') ++i_;
        while (i_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[i_])) ||
                                  std::string(".eE+-").find(s_[i_]) != std::string::npos)) {
            ++i_;
        }
        return i_ > start && std::isdigit(static_cast<unsigned char>(s_[i_ - 1]));
    }
    template <typename Item>
    bool list(char open, char close, Item item) {
        if (!eat(open)) return false;
        if (eat(close)) return true;
        do {
            if (!item()) return false;
        } while (eat(','));
        return eat(close);
    }
    bool value() {
        skip();
        if (i_ >= s_.size()) return false;
        const char c = s_[i_];
        if (c == '{') return list('{', '}', [this] { return string() && eat(':') && value(); });
        if (c == '[') return list('[', ']', [this] { return value(); });
        if (c == '"') return string();
        for (const char* word : {"true", "false", "null"}) {
            if (s_.compare(i_, std::strlen(word), word) == 0) return i_ += std::strlen(word), true;
        }
        return number();
    }

    const std::string& s_;
    size_t i_ = 0;
};

TEST(DatabaseJson, ExactForm) {
    dbc::CanDatabase db;
    dbc_test::load(db,
                   "BO_ 2147483904 M: 8 X\n"
                   " SG_ S M : 0|8@1+ (0.1,1e999) [0|1] \"\xB0"
                   "C\\\"\" X\n"
                   " SG_ A m2 : 8|8@0- (1,0) [0|1] \"\" X\n"
                   "VAL_ 2147483904 A 1 \"a\tb\" -2 \"x\";\n");
    EXPECT_EQ(dbc::databaseToJson(db, 3),
              "{\"messages\":[{\"name\":\"M\",\"rawId\":2147483904,\"canId\":256,"
              "\"isExtended\":true,\"dlc\":8,\"signals\":["
              "{\"name\":\"S\",\"startBit\":0,\"bitLength\":8,\"isLittleEndian\":true,"
              "\"isSigned\":false,\"isFloat\":false,\"factor\":0.10000000000000001,"
              "\"offset\":\"inf\",\"minimum\":0,\"maximum\":1,\"unit\":\"\\u00B0C\\\"\","
              "\"muxIndicator\":\"M\",\"isMuxSwitch\":true,\"muxSwitchName\":\"\","
              "\"muxRanges\":[],\"valueDescriptions\":[]},"
              "{\"name\":\"A\",\"startBit\":8,\"bitLength\":8,\"isLittleEndian\":false,"
              "\"isSigned\":true,\"isFloat\":false,\"factor\":1,\"offset\":0,\"minimum\":0,"
              "\"maximum\":1,\"unit\":\"\",\"muxIndicator\":\"m2\",\"isMuxSwitch\":false,"
              "\"muxSwitchName\":\"S\",\"muxRanges\":[[2,2]],"
              "\"valueDescriptions\":[[-2,\"x\"],[1,\"a\\u0009b\"]]}]}],\"errors\":3}");
}

TEST(DatabaseJson, CorpusFilesGiveValidJson) {
    const auto corpus = testing_support::dataDir() / "dbc";
    testing_support::ScratchDir dir("json");
    for (const char* file :
         {"cantools/multiplex.dbc", "cantools/issue_184_extended_mux_cascaded.dbc",
          "opendbc/vw_mqb.dbc", "cantools/issue_63.dbc"}) {
        SCOPED_TRACE(file);
        dbc::CanDatabase db;
        dbc::LoadSummary summary;
        ASSERT_TRUE(dbc::loadDbcFile(db, corpus / file, dir / "dbcload.log", &summary));
        const std::string json = dbc::databaseToJson(db, summary.errorCount);
        EXPECT_TRUE(JsonChecker(json).valid()) << json.substr(0, 300);
        EXPECT_EQ(json.find('\n'), std::string::npos);
    }
}

}  // namespace
