// The line parser's own state: where the statement machine stands, the text it has not consumed
// yet, and the working records of the statement being read. All of it is kept between lines,
// because a statement may run over several of them.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "dbc/database.h"

namespace dbc {

// The records of a statement as it is read, with texts of their own; only a finished statement
// goes into the database, in its compact form.
struct MessageDraft {
    Text name;
    uint32_t rawId = 0;
    int32_t dlc = 0;
    std::vector<Text> transmitters;
};

struct SignalDraft {
    Text name;
    Text unit;
    Text muxIndicator;
    std::vector<Text> receivers;
    double factor = 1.0;
    double offset = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
    int32_t startBit = 0;
    int32_t bitLength = 0;
    bool isSigned = false;
    bool isLittleEndian = false;
};

struct ValueSetDraft {
    Text name;
    std::vector<ValueDescriptionText> entries;
    uint32_t messageId = 0;
};

struct SignalValueTypeDraft {
    uint32_t messageId = 0;
    Text signalName;
    int32_t valueType = 0;
};

struct ExtendedMultiplexingDraft {
    uint32_t messageId = 0;
    Text signalName;
    Text switchName;
    std::vector<MuxRange> ranges;
};

// The signals of the open message, stored already. They grow in one block from std::realloc,
// which moves a large block by remapping its pages rather than copying them, and a large block
// becomes the message's list as it is: a message of a million signals is never held twice.
class SignalBuffer {
public:
    SignalBuffer() = default;
    SignalBuffer(SignalBuffer&& other) noexcept { swap(other); }
    SignalBuffer& operator=(SignalBuffer&& other) noexcept {
        SignalBuffer taken(std::move(other));
        swap(taken);
        return *this;
    }
    ~SignalBuffer() { std::free(block_); }

    void push(const DbcSignal& signal) {
        if (count_ == capacity_) grow();
        TextStore::adoptedElements<DbcSignal>(block_)[count_++] = signal;
    }
    size_t size() const { return count_; }
    // The signals as a list of the store; the buffer is empty afterwards.
    CompactList<DbcSignal> release(TextStore& store);
    void clear() { count_ = 0; }

private:
    void grow();
    void swap(SignalBuffer& other) noexcept {
        std::swap(block_, other.block_);
        std::swap(capacity_, other.capacity_);
        std::swap(count_, other.count_);
    }
    void* block_ = nullptr;
    size_t capacity_ = 0;
    size_t count_ = 0;
};

struct ParserWork {
    int32_t keyword = 0;  // the statement being read
    int32_t step = 0;     // position inside it
    // A message's transmitters and a signal's receivers are collected only when they are kept
    // (storeMask is not 255); otherwise they would be emptied before the record is stored.
    bool keepNodeNames = false;
    MessageDraft message;
    SignalBuffer signals;  // of the open message, moved into it when it closes
    SignalDraft signal;
    ObjectRef objectRef;
    ValueDescriptionText pair;
    bool pairHasValue = false;
    ValueSetDraft valueSet;  // VAL_ and VAL_TABLE_ entries
    AttributeDefinition definition;
    Text attributeName;
    Text valueText;
    bool valueIsString = false;
    Text commentText;
    EnvironmentVariable envVar;
    ExtendedMultiplexingDraft extendedMux;
    SignalGroup group;
    std::vector<Text> transmitterNames;
    uint32_t transmitterMessageId = 0;
    SignalValueTypeDraft valueType;

    // Clears the records that the statement of this keyword fills, when its keyword is read.
    void startStatement(int32_t keywordId);
};

struct ParserCore {
    int32_t state = 0;       // the statement machine's state, 0 between statements
    int32_t lineNumber = 0;  // lines given since the last reset, empty ones included
    uint32_t cursor = 0;     // read position in pendingText
    std::string pendingText;
    std::string_view currentToken;  // the word last read, a view into pendingText
    // How far the text has been looked at already, so that each line is scanned once: the
    // comment scan (and whether it stands inside a quoted string there), and a quoted string
    // still open at the end of the text (its quote's position and where its scan goes on).
    size_t commentScanned = 0;
    bool commentInString = false;
    size_t openQuote = std::string::npos;
    size_t openQuoteScanned = 0;

    // Empties the pending text and forgets how far it was scanned.
    void clearPending();
    ParserWork work;
};

}  // namespace dbc
