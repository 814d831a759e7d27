#include "workbook/workbook_text.h"

#include <cstdint>

#include "platform/text_encoding.h"

namespace workbook {

namespace {

// The length of the UTF-8 sequence at `at`, or 0 when it is not one a workbook can hold.
size_t sequenceLength(std::string_view bytes, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return lead == 0 ? 0 : 1;
    size_t length = 0;
    uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (bytes.size() - at < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i) & 0x3Fu);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (overlong || surrogate || code > 0x10FFFF || code == 0xFFFE || code == 0xFFFF) return 0;
    return length;
}

// The first kMaxCellCharacters characters of valid UTF-8.
std::string_view cutToCellLength(std::string_view text) {
    size_t characters = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        if ((static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) continue;
        if (characters == kMaxCellCharacters) return text.substr(0, at);
        ++characters;
    }
    return text;
}

// No character the code page yields is one a workbook refuses, but a replacement keeps the
// result valid whatever the conversion gave.
std::string validUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const size_t length = sequenceLength(text, at);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++at;
            continue;
        }
        out.append(text.substr(at, length));
        at += length;
    }
    return out;
}

}  // namespace

bool isWorkbookUtf8(std::string_view bytes) {
    for (size_t at = 0; at < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        if (lead != 0 && lead < 0x80) {
            ++at;
            continue;
        }
        const size_t length = sequenceLength(bytes, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::string workbookText(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    if (isWorkbookUtf8(bytes)) return std::string(cutToCellLength(bytes));
    return std::string(cutToCellLength(validUtf8(platform::ansiToUtf8(bytes))));
}

const char* WorkbookTexts::operator()(std::string_view bytes) {
    if (bytes.size() <= kMaxCellCharacters && isWorkbookUtf8(bytes)) {
        scratch_.assign(bytes);
        return scratch_.c_str();
    }
    auto found = converted_.find(std::string(bytes));
    if (found == converted_.end()) {
        found = converted_.emplace(std::string(bytes), workbookText(bytes)).first;
    }
    return found->second.c_str();
}

}  // namespace workbook
