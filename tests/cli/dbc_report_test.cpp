#include "cli/rules/dbc_report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string report(const dbc::LoadSummary& summary, bool loaded) {
    std::FILE* stream = std::tmpfile();
    cli::reportDbcLoad(stream, "car.dbc", summary, loaded);
    std::string text(4096, '\0');
    std::rewind(stream);
    text.resize(std::fread(text.data(), 1, text.size(), stream));
    std::fclose(stream);
    return text;
}

TEST(DbcReport, RefusedFilesInOneLine) {
    dbc::LoadSummary missing;
    missing.openResult = static_cast<int32_t>(0x80070002);
    const std::string text = report(missing, false);
    EXPECT_EQ(text.rfind("car.dbc: cannot open (", 0), 0u) << text;
    // The system's words, where it has them, come before the code.
    EXPECT_EQ(text.substr(text.size() - 13), "(0x80070002)\n") << text;
    EXPECT_EQ(text.find('\n'), text.size() - 1);
    EXPECT_FALSE(cli::dbcLoadRan(missing));

    dbc::LoadSummary big;
    big.opened = true;
    big.tooLarge = true;
    big.fileBytes = 300000000;
    EXPECT_EQ(report(big, false),
              "car.dbc: too large for a DBC file (300000000 bytes; the limit is 268435456)\n");
    big.fileBytes = 0;
    EXPECT_EQ(report(big, false),
              "car.dbc: too large for a DBC file (more than 268435456 bytes)\n");
}

TEST(DbcReport, ErrorsAndTheLog) {
    dbc::LoadSummary summary;
    summary.opened = true;
    summary.logWritten = true;
    EXPECT_TRUE(cli::dbcLoadRan(summary));
    EXPECT_EQ(report(summary, true), "");
    EXPECT_EQ(report(summary, false), "car.dbc: no database loaded (see dbcload.log)\n");
    summary.errorCount = 7;
    summary.firstErrors.push_back({12, "[Error] unrecognized expression", " SG_ A : x", false});
    summary.firstErrors.push_back({40, "[Error] too long input line", "LLLL", true});
    EXPECT_EQ(report(summary, true),
              "car.dbc:12: [Error] unrecognized expression >>  SG_ A : x\n"
              "car.dbc:40: [Error] too long input line >> LLLL...\n"
              "car.dbc: 7 errors (see dbcload.log)\n");
    summary.logWritten = false;
    summary.errorCount = 0;
    summary.firstErrors.clear();
    EXPECT_EQ(report(summary, true), "car.dbc: the load log dbcload.log could not be written\n");
}

}  // namespace
