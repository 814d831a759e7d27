#include "tools/dtgen/description_parser.h"

#include <charconv>
#include <limits>
#include <stdexcept>
#include <vector>

namespace dtgen {

namespace {

using Words = std::vector<std::string_view>;

class DescriptionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Words splitWords(std::string_view line) {
    if (const size_t hash = line.find('#'); hash != std::string_view::npos)
        line = line.substr(0, hash);
    Words words;
    size_t at = 0;
    while (at < line.size()) {
        const size_t begin = line.find_first_not_of(" \t\r", at);
        if (begin == std::string_view::npos) break;
        const size_t end = std::min(line.find_first_of(" \t\r", begin), line.size());
        words.push_back(line.substr(begin, end - begin));
        at = end;
    }
    return words;
}

int64_t integer(std::string_view word, int64_t low, int64_t high) {
    bool negative = false;
    if (!word.empty() && word[0] == '-') {
        negative = true;
        word.remove_prefix(1);
    }
    int base = 10;
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        base = 16;
        word.remove_prefix(2);
    }
    uint64_t magnitude = 0;
    const auto [end, problem] =
        std::from_chars(word.data(), word.data() + word.size(), magnitude, base);
    const bool fits = magnitude <= static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    if (word.empty() || problem != std::errc() || end != word.data() + word.size() || !fits) {
        throw DescriptionError("'" + std::string(word) + "' is not a number");
    }
    const int64_t value =
        negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    if (value < low || value > high) {
        throw DescriptionError(std::to_string(value) + " is out of range " + std::to_string(low) +
                               ".." + std::to_string(high));
    }
    return value;
}

uint8_t hexByte(std::string_view word) {
    uint8_t value = 0;
    const auto [end, problem] = std::from_chars(word.data(), word.data() + word.size(), value, 16);
    if (word.size() != 2 || problem != std::errc() || end != word.data() + word.size()) {
        throw DescriptionError("'" + std::string(word) + "' is not a data byte (two hex digits)");
    }
    return value;
}

void expectWords(const Words& words, size_t low, size_t high) {
    if (words.size() < low || words.size() > high) {
        throw DescriptionError("wrong number of words for '" + std::string(words[0]) + "'");
    }
}

int choose(std::string_view word, std::string_view first, std::string_view second) {
    if (word == first) return 0;
    if (word == second) return 1;
    throw DescriptionError("expected '" + std::string(first) + "' or '" + std::string(second) +
                           "', found '" + std::string(word) + "'");
}

// frame ch1|ch2 std|ext ID TIME [BYTE...] [length N] [extension]
FrameSpec parseFrame(const Words& words) {
    expectWords(words, 5, 80);
    FrameSpec frame;
    frame.channel = choose(words[1], "ch1", "ch2");
    frame.extended = choose(words[2], "std", "ext") == 1;
    frame.id = static_cast<uint32_t>(integer(words[3], 0, frame.extended ? 0x1FFFFFFF : 0x7FF));
    frame.time = static_cast<uint64_t>(integer(words[4], 0, 0xFFFFFFFFFFFF));
    for (size_t i = 5; i < words.size(); ++i) {
        if (words[i] == "extension") {
            frame.extensionRecord = true;
        } else if (words[i] == "length" && i + 1 < words.size()) {
            frame.lengthField = static_cast<int>(integer(words[++i], 0, 255));
        } else {
            frame.data.push_back(hexByte(words[i]));
        }
    }
    if (frame.data.size() > 64) throw DescriptionError("a frame holds at most 64 data bytes");
    return frame;
}

// std:0x100,ext:0x18FEF100: identifiers with their kind, separated by commas.
std::vector<std::pair<uint32_t, bool>> parseIdList(std::string_view list) {
    std::vector<std::pair<uint32_t, bool>> ids;
    while (!list.empty()) {
        const size_t comma = list.find(',');
        const std::string_view item = list.substr(0, comma);
        const size_t colon = item.find(':');
        if (colon == std::string_view::npos)
            throw DescriptionError("an id is written std:ID or ext:ID");
        const bool extended = choose(item.substr(0, colon), "std", "ext") == 1;
        const auto id = static_cast<uint32_t>(
            integer(item.substr(colon + 1), 0, extended ? 0x1FFFFFFF : 0x7FF));
        ids.emplace_back(id, extended);
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    if (ids.empty()) throw DescriptionError("'ids' needs at least one identifier");
    return ids;
}

// random COUNT [seed N] [step N] [length N] [ids std:0x100,ext:0x18FEF100,...]
RandomFrames parseRandom(const Words& words) {
    expectWords(words, 2, 10);
    if (words.size() % 2 != 0)
        throw DescriptionError("'seed', 'step', 'length' and 'ids' need a value");
    RandomFrames random;
    random.count = static_cast<uint64_t>(integer(words[1], 0, 0x7FFFFFFF));
    for (size_t i = 2; i + 1 < words.size(); i += 2) {
        const std::string_view option = words[i];
        if (option == "ids") {
            random.ids = parseIdList(words[i + 1]);
            continue;
        }
        const uint64_t value = static_cast<uint64_t>(integer(words[i + 1], 0, 0xFFFFFFFF));
        if (option == "length") {
            if (value < 1 || value > 64) throw DescriptionError("a frame holds 1 to 64 data bytes");
            random.length = static_cast<int>(value);
        } else if (choose(option, "seed", "step") == 0) {
            random.seed = value;
        } else {
            random.timeStep = value;
        }
    }
    return random;
}

Record parseRecord(const Words& words) {
    expectWords(words, 33, 33);
    Record record{};
    for (size_t i = 0; i < record.size(); ++i) record[i] = hexByte(words[i + 1]);
    return record;
}

void parseDamage(const Words& words, CaptureBuilder& builder) {
    expectWords(words, 2, 4);
    if (words[1] == "signature") {
        builder.breakSignature();
    } else if (words[1] == "truncate" && words.size() == 3) {
        builder.truncate(static_cast<uint64_t>(integer(words[2], 0, 0xFFFFFFFF)));
    } else if (words[1] == "item-length" && words.size() == 4) {
        builder.damageItemLength(
            {std::string(words[2]), static_cast<uint32_t>(integer(words[3], 0, 0xFFFFFFFF))});
    } else {
        throw DescriptionError("unknown damage '" + std::string(words[1]) + "'");
    }
}

void parseStatement(const Words& words, CaptureBuilder& builder) {
    const std::string_view keyword = words[0];
    if (keyword == "time-stamp-mode") {
        expectWords(words, 2, 2);
        builder.timeStampMode(static_cast<int>(integer(words[1], -128, 127)));
    } else if (keyword == "start") {
        expectWords(words, 3, 3);
        builder.startTime(integer(words[1], std::numeric_limits<int64_t>::min() + 1,
                                  std::numeric_limits<int64_t>::max()),
                          integer(words[2], 0, 999999999));
    } else if (keyword == "sub-kind") {
        expectWords(words, 2, 2);
        builder.subKind(choose(words[1], "0", "4") * 4);
    } else if (keyword == "record-tag") {
        expectWords(words, 2, 2);
        builder.recordTag(choose(words[1], "MOND", "MDAC") == 0 ? "MOND" : "MDAC");
    } else if (keyword == "frame") {
        builder.frame(parseFrame(words));
    } else if (keyword == "event") {
        expectWords(words, 3, 3);
        builder.event({static_cast<int>(integer(words[1], 0, 255)),
                       static_cast<uint64_t>(integer(words[2], 0, 0xFFFFFFFFFFFF))});
    } else if (keyword == "random") {
        builder.random(parseRandom(words));
    } else if (keyword == "record") {
        builder.record(parseRecord(words));
    } else if (keyword == "damage") {
        parseDamage(words, builder);
    } else {
        throw DescriptionError("unknown statement '" + std::string(keyword) + "'");
    }
}

}  // namespace

std::optional<CaptureBuilder> parseDescription(std::string_view text, std::string& error) {
    std::optional<CaptureBuilder> builder;
    size_t lineNumber = 0;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        const Words words = splitWords(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        ++lineNumber;
        if (words.empty()) continue;
        try {
            if (!builder) {
                if (words[0] != "variant" || words.size() != 2) {
                    throw DescriptionError(
                        "the description starts with 'variant 27' or 'variant 29'");
                }
                builder.emplace(choose(words[1], "27", "29") == 0 ? 27 : 29);
            } else {
                parseStatement(words, *builder);
            }
        } catch (const std::exception& problem) {
            error = "line " + std::to_string(lineNumber) + ": " + problem.what();
            return std::nullopt;
        }
    }
    if (!builder) error = "the description names no variant";
    return builder;
}

}  // namespace dtgen
