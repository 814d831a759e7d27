#include "tools/dtgen/information_writer.h"

#include <vector>

#include "monitor/byte_order.h"

namespace dtgen {

namespace {

using Bytes = std::string;

Bytes le32(uint32_t value) {
    Bytes bytes(4, '\0');
    monitor::writeLe32(reinterpret_cast<uint8_t*>(bytes.data()), value);
    return bytes;
}

Bytes leaf(const Bytes& payload) {
    return le32(static_cast<uint32_t>(payload.size() + 4)) + payload;
}

Bytes wrapper(const Bytes& item) { return leaf(item); }

Bytes arrayLeaf(uint32_t count, uint32_t elementSize) {
    return leaf(le32(count) + Bytes(static_cast<size_t>(count) * elementSize, '\x5A'));
}

// A group: length, two unread bytes, mark bytes A and B, then its items.
Bytes group(char markA, char markB, const Bytes& items) {
    return le32(static_cast<uint32_t>(items.size() + 8)) + Bytes(2, '\0') + markA + markB + items;
}

// Two channel records of 44 bytes after four leading bytes, as the analyzer writes by default.
Bytes busSettings() {
    Bytes bytes(92, '\0');
    bytes[3] = 2;
    for (size_t channel : {size_t{4}, size_t{48}}) {
        auto* p = reinterpret_cast<uint8_t*>(bytes.data() + channel);
        monitor::writeLe32(p, 44);
        monitor::writeLe32(p + 4, 125000);
        monitor::writeLe32(p + 8, 2000000);
        monitor::writeLe16(p + 12, 75);
        monitor::writeLe16(p + 14, 75);
    }
    return bytes;
}

Bytes furtherIdentification(const InformationSettings& settings) {
    if (settings.variant == 29) {
        const Bytes subKindItem = settings.subKind == 4 ? leaf(Bytes(4, '\0')) : leaf("");
        return wrapper(leaf(busSettings())) + wrapper(subKindItem) + leaf("") +
               wrapper(leaf(Bytes(8, '\0')));
    }
    return leaf(Bytes(1020, '\0')) + group('\0', 2, leaf(Bytes(152, '\0'))) + leaf("") +
           group('\0', 1, leaf(Bytes(12, '\0')));
}

Bytes startTimeLeaf(const InformationSettings& settings) {
    Bytes payload(84, '\0');
    auto* p = reinterpret_cast<uint8_t*>(payload.data());
    monitor::writeLe64(p + 52, static_cast<uint64_t>(settings.startSeconds));
    monitor::writeLe64(p + 60, static_cast<uint64_t>(settings.startNanoseconds));
    return leaf(payload);
}

}  // namespace

InformationBlock writeInformationBlock(const InformationSettings& settings) {
    InformationBlock block;
    const Bytes kind =
        leaf(Bytes{static_cast<char>(settings.subKind), static_cast<char>(settings.variant), 0, 0});
    const Bytes time = leaf(Bytes{static_cast<char>(settings.timeStampMode), 0, 0, 0, 0, 0, 0, 0});
    const Bytes identification = group('+', '+', kind + time + furtherIdentification(settings));
    const std::vector<Bytes> items = {leaf(Bytes(settings.variant == 29 ? 68 : 4, '\0')),
                                      startTimeLeaf(settings), leaf(Bytes(8, '\0')),
                                      arrayLeaf(2, 16), arrayLeaf(2, 12)};

    block.itemOffsets["block"] = 0;
    block.itemOffsets["identification"] = 4;
    block.itemOffsets["kind"] = 12;
    block.itemOffsets["time"] = 12 + kind.size();
    Bytes body = identification;
    for (size_t i = 0; i < items.size(); ++i) {
        block.itemOffsets["settings" + std::to_string(i + 1)] = 4 + body.size();
        body += items[i];
    }
    block.bytes = le32(static_cast<uint32_t>(body.size() + 4)) + body;
    return block;
}

}  // namespace dtgen
