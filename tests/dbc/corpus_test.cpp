#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <string>

#include "dbc/loader.h"
#include "tests/support/test_paths.h"

namespace {

// The few fields of one manifest.jsonl line that the counts are checked against.
struct ManifestEntry {
    std::string file;
    bool canmatrixReliable = false;
    long long messages = -1;  // canmatrix, without VECTOR__INDEPENDENT_SIG_MSG
    long long signals = -1;
    long long scannedMessages = -1;  // plain BO_/SG_ line scan, same exclusion
    long long scannedSignals = -1;
};

// The text right after "key": in a one-line JSON object; empty when the key is missing.
std::string rawField(const std::string& line, const std::string& key) {
    const std::string quoted = "\"" + key + "\":";
    const size_t at = line.find(quoted);
    if (at == std::string::npos) return {};
    size_t begin = at + quoted.size();
    while (begin < line.size() && line[begin] == ' ') ++begin;
    size_t end = begin;
    if (end < line.size() && line[end] == '"') {
        end = line.find('"', begin + 1);
        return end == std::string::npos ? std::string() : line.substr(begin + 1, end - begin - 1);
    }
    while (end < line.size() && line[end] != ',' && line[end] != '}') ++end;
    return line.substr(begin, end - begin);
}

long long numberField(const std::string& line, const std::string& key) {
    const std::string text = rawField(line, key);
    return text.empty() ? -1 : std::stoll(text);
}

std::vector<ManifestEntry> readManifest(const std::filesystem::path& path) {
    std::vector<ManifestEntry> entries;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty()) continue;
        ManifestEntry e;
        e.file = rawField(line, "file");
        e.canmatrixReliable = rawField(line, "cm_reliable") == "true";
        e.messages = numberField(line, "n_messages_excl_independent");
        e.signals = numberField(line, "n_signals_excl_independent");
        e.scannedMessages = numberField(line, "bo_lines_excl_independent");
        e.scannedSignals = numberField(line, "sg_lines_excl_independent");
        entries.push_back(e);
    }
    return entries;
}

// Files where canmatrix's reading is not the DBC reading; the line scan counts hold there.
const std::map<std::string, const char*> kUseLineScan = {
    {"canmatrix/reference_from_xls_test.dbc", "canmatrix rejects 11-bit-looking ids above 0x7FF"},
    {"cantools/issue_199.dbc", "29-bit ids written without bit 31 are rejected by canmatrix"},
    {"cantools/issue_199_extended.dbc", "29-bit ids written without bit 31"},
    {"opendbc/chrysler_cusw.dbc", "29-bit ids written without bit 31"},
    {"opendbc/gm_global_a_lowspeed.dbc", "29-bit ids written without bit 31"},
    {"opendbc/toyota_2017_ref_pt.dbc", "ids above 0x7FF without bit 31"},
    {"opendbc/generated/acura_rdx_2020_can_generated.dbc", "ids above 0x7FF without bit 31"},
    {"opendbc/generated/honda_bosch_radarless_generated.dbc", "ids above 0x7FF without bit 31"},
    {"opendbc/generated/honda_civic_hatchback_ex_2017_can_generated.dbc", "ids above 0x7FF"},
    {"opendbc/generated/honda_common_canfd_generated.dbc", "ids above 0x7FF without bit 31"},
    {"opendbc/generated/honda_crv_ex_2017_body_generated.dbc", "ids above 0x7FF"},
    {"opendbc/generated/honda_e_advance_2020_can_generated.dbc", "ids above 0x7FF"},
    {"opendbc/generated/honda_insight_ex_2019_can_generated.dbc", "ids above 0x7FF"},
    {"opendbc/generated/vw_meb_2024_generated.dbc", "ids above 0x7FF without bit 31"},
    {"opendbc/generated/vw_meb_generated.dbc", "ids above 0x7FF without bit 31"},
};

TEST(DbcCorpus, EveryFileLoadsWithTheManifestCounts) {
    const auto corpus = testing_support::dataDir() / "dbc";
    const std::vector<ManifestEntry> entries = readManifest(corpus / "manifest.jsonl");
    ASSERT_GT(entries.size(), 100u);
    testing_support::ScratchDir dir("corpus");
    std::set<std::string> unreliable;
    for (const ManifestEntry& e : entries) {
        SCOPED_TRACE(e.file);
        dbc::CanDatabase db;
        const bool loaded = dbc::loadDbcFile(db, corpus / e.file, dir / "dbcload.log");
        if (!e.canmatrixReliable) unreliable.insert(e.file);
        const bool scan = kUseLineScan.count(e.file) != 0;
        const long long messages = scan ? e.scannedMessages : e.messages;
        const long long signals = scan ? e.scannedSignals : e.signals;
        EXPECT_EQ(loaded, signals > 0);
        if (!loaded) continue;  // a failed load leaves the database empty
        EXPECT_EQ(dbc::messageCount(db), messages);
        EXPECT_EQ(dbc::signalCount(db), signals);
    }
    // Every file that the manifest marks unreliable is listed above, and no other.
    std::set<std::string> listed;
    for (const auto& [file, reason] : kUseLineScan) listed.insert(file);
    EXPECT_EQ(unreliable, listed);
}

}  // namespace
