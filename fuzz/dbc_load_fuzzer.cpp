// Whole DBC files through the loader, read by the same line rules as a file on disk. Any bytes
// must load or be refused without a crash, and loading the same bytes again must give the same
// result, since every load starts from a reset database.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "dbc/database.h"
#include "dbc/loader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One database for every input, as the program keeps one for its lifetime.
    static dbc::CanDatabase database;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    dbc::LoadSummary first;
    const bool loaded = dbc::loadDbcText(database, text, "/dev/null", &first);
    if (loaded) {
        for (const dbc::DbcMessage& message : database.messages) {
            if (dbc::findMessage(database, message.rawId) == nullptr) std::abort();
        }
    }
    dbc::LoadSummary second;
    if (dbc::loadDbcText(database, text, "/dev/null", &second) != loaded ||
        second.errorCount != first.errorCount || second.lastLogLine != first.lastLogLine) {
        std::abort();
    }
    return 0;
}
