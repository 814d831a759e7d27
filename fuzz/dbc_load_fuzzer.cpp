// Whole DBC files through the loader, read by the same line rules as a file on disk. Any bytes
// must load or be refused without a crash, and loading the same bytes again must give the same
// result and the same log, since every load starts from a reset database. The log is kept in
// memory: a file written and flushed line by line cost more than the load itself. The database
// lives for one input (loaded twice): one kept from input to input held memory that libFuzzer
// took for a leak and checked again with the leak detector, input after input. The second load
// is made for inputs of up to 4 KiB: leftover state shows in small files as well, and the whole
// files up to the cap are then loaded at twice the rate.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "dbc/database.h"
#include "dbc/loader.h"

constexpr size_t kSecondLoadMaxBytes = 4096;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    dbc::CanDatabase database;
    std::string firstLog;
    std::string secondLog;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    dbc::LoadOptions options;
    options.logText = &firstLog;
    dbc::LoadSummary first;
    const bool loaded = dbc::loadDbcText(database, text, options, &first);
    if (loaded) {
        for (const dbc::DbcMessage& message : database.messages) {
            if (dbc::findMessage(database, message.rawId) == nullptr) std::abort();
        }
    }
    if (size > kSecondLoadMaxBytes) return 0;
    options.logText = &secondLog;
    dbc::LoadSummary second;
    if (dbc::loadDbcText(database, text, options, &second) != loaded ||
        second.errorCount != first.errorCount || second.lastLogLine != first.lastLogLine ||
        secondLog != firstLog) {
        std::abort();
    }
    return 0;
}
