#include "csv/csv_quoting.h"

#include <gtest/gtest.h>

namespace {

TEST(CsvQuoting, TheDelimiterAQuoteCrAndLfCallForQuotesAndNothingElse) {
    struct Case {
        std::string_view delimiter;
        std::string_view field;
        bool quoted;
    };
    const Case cases[] = {
        {",", "km/h", false},
        {",", "m/s, avg", true},
        {",", "say \"hi\"", true},
        {",", "a\rb", true},
        {",", "a\nb", true},
        {",", "", false},
        {";", "m/s, avg", false},
        {";", "l;h", true},
        {"", "a,b", false},
        {"", "\"", true},
        {"ab", "xa", false},
        {"ab", "xab", true},
        {"ab", "a b", false},
        {"\xC2\xB7", "\xC2", false},  // half of a middle dot
        {"\xC2\xB7", "x\xC2\xB7y", true},
    };
    for (const Case& c : cases) {
        csv::CsvQuoting quoting;
        quoting.configure(c.delimiter);
        EXPECT_EQ(quoting.needsQuotes(c.field), c.quoted) << c.delimiter << " | " << c.field;
    }
    std::string out;
    csv::CsvQuoting::appendQuoted(out, "say \"hi\"");
    EXPECT_EQ(out, "\"say \"\"hi\"\"\"");
}

TEST(CsvQuoting, NumbersAndTimesAreCheckedOnlyWhenTheDelimiterCouldStandInThem) {
    csv::CsvQuoting quoting;
    for (const std::string_view delimiter : {",", "\t", ";", "|", "", "\xC2\xB7"}) {
        quoting.configure(delimiter);
        EXPECT_FALSE(quoting.checksGeneratedTexts()) << delimiter;
    }
    for (const std::string_view delimiter : {".", "0", "-", ":", "/", " ", "C", "a"}) {
        quoting.configure(delimiter);
        EXPECT_TRUE(quoting.checksGeneratedTexts()) << delimiter;
    }
}

}  // namespace
