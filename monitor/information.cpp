// The information block: block length T, the identification group (kind leaf, time leaf and
// the variant's further items), then up to five settings items. Every parse starts from the
// defaults, so an item missing from one file never carries values of an earlier one.
#include "monitor/information.h"

#include <cstring>

#include "monitor/byte_order.h"
#include "monitor/capture_bytes.h"
#include "monitor/information_items.h"
#include "platform/platform.h"

namespace monitor {

namespace {

constexpr int32_t kInvalid = platform::kInvalidData;
constexpr uint8_t kTrailerMark = 0x2B;

// The block split into its identification item and the run of settings items after it.
struct BlockParts {
    bool hasIdentification = false;
    Item identification;
    ItemSequence settings{BytePosition{}, 0};
};

int32_t splitBlock(const BytePosition& payload, uint32_t length, BlockParts& parts) {
    if (length < 4) return kInvalid;
    const uint32_t blockLength = readLe32(payload);
    if (blockLength > length) return kInvalid;
    if (blockLength < 8) return platform::kOk;  // too short for an identification item
    const uint32_t available = blockLength - 4;
    const uint32_t idLength = readLe32(payload + 4);
    if (idLength > available || idLength < 8) return kInvalid;
    parts.hasIdentification = true;
    parts.identification = Item{payload + 4, idLength};
    parts.settings = ItemSequence(payload + 4 + idLength, available - idLength);
    return platform::kOk;
}

// The kind leaf: sub-kind and variant code, both checked against the parser's variant.
template <typename Info>
int32_t readKindLeaf(const Item& item, Info& info, int variant) {
    readLeaf(item, info.kind);
    info.id.subKind = info.kind.bytes[0];
    info.id.variantCode = info.kind.bytes[1];
    if (info.id.subKind != 0 && info.id.subKind != 4) return kInvalid;
    return info.id.variantCode == variant ? platform::kOk : kInvalid;
}

template <typename Info>
void readTimeLeaf(const Item& item, Info& info) {
    readLeaf(item, info.time);
    // The mode is a signed byte.
    const int byte = info.time.bytes[0];
    info.timeStampMode = byte < 128 ? byte : byte - 256;
}

// A wrapper item holding one leaf: absent when the wrapper is 4-7 bytes long.
template <size_t Capacity>
int32_t readWrappedLeaf(const Item& wrapper, LeafRecord<Capacity>& record) {
    Item leaf;
    const ItemStep step = wrappedItem(wrapper, leaf);
    if (step == ItemStep::invalid) return kInvalid;
    if (step == ItemStep::item) readLeaf(leaf, record);
    return platform::kOk;
}

int32_t readIdentificationChild29(int position, const Item& item, Information29& info) {
    switch (position) {
        case 1:
            return readKindLeaf(item, info, 29);
        case 2:
            readTimeLeaf(item, info);
            return platform::kOk;
        case 3:
            return readWrappedLeaf(item, info.busSettings);
        case 4:
            // Sub-kind 0 nests an empty leaf, sub-kind 4 a leaf of four bytes.
            if (info.id.subKind == 4) return readWrappedLeaf(item, info.subKindLeaf);
            {
                Item nested;
                return wrappedItem(item, nested) == ItemStep::invalid ? kInvalid : platform::kOk;
            }
        case 6:
            if (info.id.markB != kTrailerMark) return kInvalid;
            return readWrappedLeaf(item, info.trailer);
        default:
            return platform::kOk;  // 5: an empty leaf
    }
}

// A group whose mark byte B says what it nests: nothing for 0, else a leaf that is read when the
// mark is at least `leafFrom`. The option group keeps a count there (1 nests an empty leaf, 2 or
// more a leaf of 152 bytes), the extra group any non-zero mark for its leaf; both at group byte 8.
template <size_t Capacity>
int32_t readMarkedGroup(const Item& group, uint8_t& mark, uint8_t leafFrom,
                        LeafRecord<Capacity>& leafRecord) {
    ItemSequence nested(BytePosition{}, 0);
    if (!groupContents(group, nested)) return kInvalid;
    mark = group.data[7];
    if (mark == 0) return platform::kOk;
    Item leaf;
    const ItemStep step = nested.next(leaf);
    if (step == ItemStep::invalid) return kInvalid;
    if (step == ItemStep::item && mark >= leafFrom) readLeaf(leaf, leafRecord);
    return platform::kOk;
}

int32_t readOptionGroup(const Item& group, Information27& info) {
    auto count = static_cast<uint8_t>(info.optionCount);  // a mark byte, kept as an int
    const int32_t result = readMarkedGroup(group, count, 2, info.options);
    info.optionCount = count;
    return result;
}

int32_t readExtraGroup(const Item& group, Information27& info) {
    return readMarkedGroup(group, info.extraMark, 1, info.extra);
}

int32_t readIdentificationChild27(int position, const Item& item, Information27& info) {
    switch (position) {
        case 1:
            return readKindLeaf(item, info, 27);
        case 2:
            readTimeLeaf(item, info);
            return platform::kOk;
        case 3:
            readLeaf(item, info.setup);
            return platform::kOk;
        case 4:
            return readOptionGroup(item, info);
        case 6:
            return readExtraGroup(item, info);
        default:
            return platform::kOk;  // 5: an empty leaf
    }
}

// Up to `count` items of a sequence in order, each handed to `read` with its position (from 1);
// a sequence may end early.
template <typename Info, typename ReadItem>
int32_t readItemsInOrder(ItemSequence& items, int count, Info& info, ReadItem read) {
    Item item;
    for (int position = 1; position <= count; ++position) {
        const ItemStep step = items.next(item);
        if (step == ItemStep::end) break;
        if (step == ItemStep::invalid) return kInvalid;
        if (const int32_t result = read(position, item, info); result != platform::kOk) {
            return result;
        }
    }
    return platform::kOk;
}

// The identification group: mark bytes, then its known nested items in order.
template <typename Info, typename ReadChild>
int32_t parseIdentification(const Item& item, Info& info, ReadChild readChild) {
    info.id.markA = item.data[6];
    info.id.markB = item.data[7];
    ItemSequence nested(item.data + 8, item.length - 8);
    return readItemsInOrder(nested, 6, info, readChild);
}

// Variant 29 hands parts of settings item 1 on as defaults of items 3, 4 and 5.
void migrateSettings1(Information29& info) {
    const uint8_t* source = info.settings1.bytes.data();
    std::memcpy(info.settings3.bytes.data(), source, 4);
    std::memcpy(info.settings4.bytes.data(), source + 8, 32);
    std::memcpy(info.settings5.bytes.data(), source + 40, 24);
}

int32_t readSettingsItem29(int position, const Item& item, Information29& info) {
    switch (position) {
        case 1:
            readLeaf(item, info.settings1);
            migrateSettings1(info);
            return platform::kOk;
        case 2:
            readLeaf(item, info.settings2);
            return platform::kOk;
        case 3:
            readLeaf(item, info.settings3);
            return platform::kOk;
        case 4:
            return readArray(item, info.settings4) ? platform::kOk : kInvalid;
        default:
            return readArray(item, info.settings5) ? platform::kOk : kInvalid;
    }
}

int32_t readSettingsItem27(int position, const Item& item, Information27& info) {
    switch (position) {
        case 1:
            readLeaf(item, info.settings1);
            return platform::kOk;
        case 2:
            readLeaf(item, info.settings2);
            return platform::kOk;
        case 3:
            readLeaf(item, info.settings3);
            return platform::kOk;
        case 4:
            return readArray(item, info.settings4) ? platform::kOk : kInvalid;
        default:
            return readArray(item, info.settings5) ? platform::kOk : kInvalid;
    }
}

template <typename Info, typename ReadChild, typename ReadItem>
int32_t parseBlock(const BytePosition& payload, uint32_t length, Info& info, ReadChild readChild,
                   ReadItem readItem) {
    BlockParts parts;
    if (const int32_t result = splitBlock(payload, length, parts); result != platform::kOk) {
        return result;
    }
    if (!parts.hasIdentification) return platform::kOk;
    if (const int32_t result = parseIdentification(parts.identification, info, readChild);
        result != platform::kOk) {
        return result;
    }
    return readItemsInOrder(parts.settings, 5, info, readItem);
}

void setBusChannelDefaults(uint8_t* channel) {
    writeLe32(channel, 44);
    writeLe32(channel + 4, 125000);
    writeLe32(channel + 8, 2000000);
    writeLe16(channel + 12, 75);
    writeLe16(channel + 14, 75);
}

}  // namespace

Information29 defaultInformation29() {
    Information29 info;
    info.busSettings.bytes[3] = 2;
    setBusChannelDefaults(info.busSettings.bytes.data() + 4);
    setBusChannelDefaults(info.busSettings.bytes.data() + 48);
    return info;
}

int32_t readIdentification(const CaptureBytes& bytes, uint64_t offset, uint32_t length,
                           Identification& id) {
    id = Identification{};
    BlockParts parts;
    if (const int32_t result = splitBlock({&bytes, offset}, length, parts);
        result != platform::kOk) {
        return result;
    }
    if (!parts.hasIdentification) return platform::kOk;
    id.markA = parts.identification.data[6];
    id.markB = parts.identification.data[7];
    ItemSequence nested(parts.identification.data + 8, parts.identification.length - 8);
    Item kindLeaf;
    const ItemStep step = nested.next(kindLeaf);
    if (step == ItemStep::invalid) return kInvalid;
    if (step == ItemStep::end) return platform::kOk;
    LeafRecord<4> kind;
    readLeaf(kindLeaf, kind);
    id.subKind = kind.bytes[0];
    id.variantCode = kind.bytes[1];
    return platform::kOk;
}

int32_t parseInformation27(const CaptureBytes& bytes, uint64_t offset, uint32_t length,
                           Information27& info) {
    info = Information27{};
    return parseBlock(BytePosition{&bytes, offset}, length, info, readIdentificationChild27,
                      readSettingsItem27);
}

int32_t parseInformation29(const CaptureBytes& bytes, uint64_t offset, uint32_t length,
                           Information29& info) {
    info = defaultInformation29();
    const int32_t result = parseBlock(BytePosition{&bytes, offset}, length, info,
                                      readIdentificationChild29, readSettingsItem29);
    info.startSeconds = static_cast<int64_t>(readLe64(info.settings2.bytes.data() + 52));
    info.startNanoseconds = static_cast<int64_t>(readLe64(info.settings2.bytes.data() + 60));
    return result;
}

int32_t readIdentification(const uint8_t* payload, uint32_t length, Identification& id) {
    id = Identification{};
    if (payload == nullptr) return kInvalid;
    return readIdentification(MemoryBytes(payload, length), 0, length, id);
}

int32_t parseInformation27(const uint8_t* payload, uint32_t length, Information27& info) {
    info = Information27{};
    if (payload == nullptr) return kInvalid;
    return parseInformation27(MemoryBytes(payload, length), 0, length, info);
}

int32_t parseInformation29(const uint8_t* payload, uint32_t length, Information29& info) {
    info = defaultInformation29();
    if (payload == nullptr) return kInvalid;
    return parseInformation29(MemoryBytes(payload, length), 0, length, info);
}

}  // namespace monitor
